find_package(Qt6 REQUIRED COMPONENTS Widgets)
suite_add_bench(bench_tree_grid SOURCES ${CMAKE_CURRENT_LIST_DIR}/TreeGridBench.cpp
  ${CMAKE_SOURCE_DIR}/tests/devtree/TreeWindow.cpp ${CMAKE_SOURCE_DIR}/tests/pages/SetupTestResources.cpp
  LIBS bench_tree_data devtree_grid resources_setup Qt6::Widgets)
