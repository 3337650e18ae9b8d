suite_add_fuzzer(NAME fuzz_regserver_record SOURCES ${CMAKE_SOURCE_DIR}/fuzz/RegServerRecordFuzz.cpp
  LIBS link_regserver_codec CORPUS ${CMAKE_SOURCE_DIR}/fuzz/corpus/fuzz_regserver_record)
