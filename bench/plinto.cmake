find_package(Qt6 REQUIRED COMPONENTS Core)
suite_add_bench(bench_plinto SOURCES ${CMAKE_CURRENT_LIST_DIR}/PlintoBench.cpp ${CMAKE_CURRENT_LIST_DIR}/QtBenchMain.cpp
  LIBS plinto sim platform_decoder_encoder Qt6::Core)
