suite_add_bench(bench_tree_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/TreeFileBench.cpp LIBS devtree_files)
