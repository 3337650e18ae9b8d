suite_add_bench(bench_discovery SOURCES ${CMAKE_SOURCE_DIR}/bench/DiscoveryBench.cpp ${CMAKE_SOURCE_DIR}/bench/QtBenchMain.cpp LIBS link_network sim Qt6::Core)
