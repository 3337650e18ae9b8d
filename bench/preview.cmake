find_package(Qt6 REQUIRED COMPONENTS Widgets)
suite_add_bench(bench_preview SOURCES ${CMAKE_CURRENT_LIST_DIR}/PreviewBench.cpp
  ${CMAKE_SOURCE_DIR}/tests/pages/SetupTestResources.cpp
  LIBS video_controls resources_setup sim platform_decoder_encoder Qt6::Widgets)
