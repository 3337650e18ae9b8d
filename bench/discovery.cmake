suite_add_bench(bench_discovery SOURCES ${CMAKE_SOURCE_DIR}/bench/DiscoveryBench.cpp LIBS link_network sim)
