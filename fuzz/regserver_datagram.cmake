suite_add_fuzzer(NAME fuzz_regserver_datagram SOURCES ${CMAKE_SOURCE_DIR}/fuzz/RegServerDatagramFuzz.cpp
  LIBS link_network CORPUS ${CMAKE_SOURCE_DIR}/fuzz/corpus/fuzz_regserver_datagram)
