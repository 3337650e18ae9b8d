suite_add_fuzzer(NAME fuzz_version_text SOURCES ${CMAKE_SOURCE_DIR}/fuzz/VersionTextFuzz.cpp LIBS current_device
  CORPUS ${CMAKE_SOURCE_DIR}/fuzz/corpus/fuzz_version_text)
