suite_add_fuzzer(NAME fuzz_ferrock_frame SOURCES ${CMAKE_SOURCE_DIR}/fuzz/FerrockFrameFuzz.cpp
  LIBS ferrock_codec CORPUS ${CMAKE_SOURCE_DIR}/fuzz/corpus/fuzz_ferrock_frame)
