suite_add_bench(bench_morrik SOURCES ${CMAKE_CURRENT_LIST_DIR}/MorrikBench.cpp LIBS bench_tree_data morrik morrik_files)
