suite_add_fuzzer(NAME fuzz_tessaly_media_frame SOURCES ${CMAKE_SOURCE_DIR}/fuzz/TessalyMediaFrameFuzz.cpp
  LIBS tessaly_codec CORPUS ${CMAKE_SOURCE_DIR}/fuzz/corpus/fuzz_tessaly_media_frame)
