suite_add_bench(bench_config SOURCES ${CMAKE_SOURCE_DIR}/bench/ConfigBench.cpp LIBS link_session sim)
