suite_add_fuzzer(NAME fuzz_plinto_reply SOURCES ${CMAKE_SOURCE_DIR}/fuzz/PlintoReplyFuzz.cpp LIBS plinto_codec
  CORPUS ${CMAKE_SOURCE_DIR}/fuzz/corpus/fuzz_plinto_reply)
