find_package(Qt6 REQUIRED COMPONENTS Widgets)
suite_add_bench(bench_tessaly SOURCES ${CMAKE_CURRENT_LIST_DIR}/TessalyBench.cpp ${CMAKE_CURRENT_LIST_DIR}/CameraScene.cpp
  LIBS tessaly tessaly_parts sim platform_ui Qt6::Widgets)
