find_package(Qt6 REQUIRED COMPONENTS Widgets)
suite_add_bench(bench_ferrock SOURCES ${CMAKE_CURRENT_LIST_DIR}/FerrockBench.cpp
  LIBS quenby ferrock platform_ui platform_core sim Qt6::Widgets)
