suite_add_fuzzer(NAME fuzz_parameter_data SOURCES ${CMAKE_SOURCE_DIR}/fuzz/ParameterDataFuzz.cpp
  LIBS parameter_request CORPUS ${CMAKE_SOURCE_DIR}/fuzz/corpus/fuzz_parameter_data)
