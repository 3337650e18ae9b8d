suite_add_fuzzer(NAME fuzz_version_text SOURCES ${CMAKE_SOURCE_DIR}/fuzz/VersionTextFuzz.cpp LIBS link_helpers
  CORPUS ${CMAKE_SOURCE_DIR}/fuzz/corpus/fuzz_version_text)
