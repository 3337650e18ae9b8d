suite_add_fuzzer(NAME fuzz_settings_file SOURCES ${CMAKE_SOURCE_DIR}/fuzz/SettingsFileFuzz.cpp
  LIBS platform_core platform_fileio CORPUS ${CMAKE_SOURCE_DIR}/fuzz/corpus/fuzz_settings_file)
