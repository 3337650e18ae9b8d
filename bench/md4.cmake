suite_add_bench(bench_md4 SOURCES ${CMAKE_SOURCE_DIR}/bench/Md4Bench.cpp LIBS link_codecs Qt6::Core)
