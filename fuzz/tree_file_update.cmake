suite_add_fuzzer(NAME fuzz_tree_file_update SOURCES ${CMAKE_SOURCE_DIR}/fuzz/TreeFileUpdateFuzz.cpp
  LIBS devtree_files CORPUS ${CMAKE_SOURCE_DIR}/fuzz/corpus/fuzz_tree_file_update)
