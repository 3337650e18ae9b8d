# Plinto against the simulator's camera stream role, over loopback.
add_library(plinto_test_fixture STATIC ${CMAKE_CURRENT_LIST_DIR}/PlintoFixture.cpp)
target_include_directories(plinto_test_fixture PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(plinto_test_fixture PUBLIC plinto sim platform_decoder GTest::gtest)

foreach(part Stream:stream Faults:faults OneShot:one_shots Ptz:ptz Queue:queue)
  string(REPLACE ":" ";" names ${part})
  list(GET names 0 file)
  list(GET names 1 test)
  suite_add_test(NAME test_plinto_${test} LABEL plinto QT
    SOURCES ${CMAKE_SOURCE_DIR}/tests/platform/CoreTestMain.cpp ${CMAKE_CURRENT_LIST_DIR}/Plinto${file}Test.cpp
    LIBS plinto_test_fixture)
endforeach()

# The codec alone.
suite_add_test(NAME test_plinto_codec LABEL plinto
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/PlintoCodecTest.cpp LIBS plinto_codec platform_decoder_encoder)

# Plinto beside Ferrock and the program's own codecs in one process.
if(TARGET ferrock)
  suite_add_test(NAME test_plinto_beside LABEL plinto QT
    SOURCES ${CMAKE_SOURCE_DIR}/tests/platform/CoreTestMain.cpp ${CMAKE_CURRENT_LIST_DIR}/PlintoBesideTest.cpp
    LIBS plinto ferrock link_codecs)
endif()
