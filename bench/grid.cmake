find_package(Qt6 REQUIRED COMPONENTS Widgets)
suite_add_bench(bench_grid SOURCES ${CMAKE_CURRENT_LIST_DIR}/GridBench.cpp LIBS grid_control Qt6::Widgets)
