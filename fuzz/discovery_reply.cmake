suite_add_fuzzer(NAME fuzz_discovery_reply SOURCES ${CMAKE_SOURCE_DIR}/fuzz/DiscoveryReplyFuzz.cpp
  LIBS link_network CORPUS ${CMAKE_SOURCE_DIR}/fuzz/corpus/fuzz_discovery_reply)
