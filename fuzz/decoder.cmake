suite_add_fuzzer(NAME fuzz_decoder SOURCES ${CMAKE_SOURCE_DIR}/fuzz/DecoderFuzz.cpp LIBS platform_decoder
  CORPUS ${CMAKE_SOURCE_DIR}/fuzz/corpus/fuzz_decoder)
