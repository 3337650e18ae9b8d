# Plinto against the simulator's camera stream role, over loopback.
add_library(plinto_test_fixture STATIC ${CMAKE_CURRENT_LIST_DIR}/PlintoFixture.cpp)
target_include_directories(plinto_test_fixture PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(plinto_test_fixture PUBLIC plinto sim platform_decoder GTest::gtest)

suite_add_test(NAME test_plinto_stream LABEL plinto QT
  SOURCES ${CMAKE_SOURCE_DIR}/tests/platform/CoreTestMain.cpp ${CMAKE_CURRENT_LIST_DIR}/PlintoStreamTest.cpp
  LIBS plinto_test_fixture)
