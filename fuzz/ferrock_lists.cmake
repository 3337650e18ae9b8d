suite_add_fuzzer(NAME fuzz_ferrock_lists SOURCES ${CMAKE_SOURCE_DIR}/fuzz/FerrockListsFuzz.cpp
  LIBS ferrock CORPUS ${CMAKE_SOURCE_DIR}/fuzz/corpus/fuzz_ferrock_lists)
