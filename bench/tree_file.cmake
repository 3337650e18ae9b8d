add_library(bench_tree_data STATIC ${CMAKE_CURRENT_LIST_DIR}/TreeBenchData.cpp)
target_include_directories(bench_tree_data PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(bench_tree_data PUBLIC devtree_files)
suite_add_bench(bench_tree_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/TreeFileBench.cpp LIBS bench_tree_data devtree_files)
