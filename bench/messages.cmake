find_package(Qt6 REQUIRED COMPONENTS Core)
suite_add_bench(bench_messages SOURCES ${CMAKE_CURRENT_LIST_DIR}/MessageBench.cpp ${CMAKE_CURRENT_LIST_DIR}/QtBenchMain.cpp LIBS platform_core Qt6::Core)
