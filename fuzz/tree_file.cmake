suite_add_fuzzer(NAME fuzz_tree_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/tree_file.cpp LIBS devtree_files
  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/fuzz_tree_file)
