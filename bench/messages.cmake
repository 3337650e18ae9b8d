suite_add_bench(bench_messages SOURCES ${CMAKE_CURRENT_LIST_DIR}/MessageBench.cpp LIBS platform_core)
