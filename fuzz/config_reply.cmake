suite_add_fuzzer(NAME fuzz_config_reply SOURCES ${CMAKE_SOURCE_DIR}/fuzz/ConfigReplyFuzz.cpp
  LIBS link_config_codec CORPUS ${CMAKE_SOURCE_DIR}/fuzz/corpus/fuzz_config_reply)
