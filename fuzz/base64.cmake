suite_add_fuzzer(NAME fuzz_base64 SOURCES ${CMAKE_SOURCE_DIR}/fuzz/Base64Fuzz.cpp LIBS link_codecs
  CORPUS ${CMAKE_SOURCE_DIR}/fuzz/corpus/fuzz_base64)
