suite_add_fuzzer(NAME fuzz_morrik_tree_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/morrik_tree_file.cpp LIBS morrik_files
  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/fuzz_morrik_tree_file)
