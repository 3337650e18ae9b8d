suite_add_test(NAME test_quenby_grid LABEL quenby SOURCES QuenbyGridTest.cpp LIBS quenby_grid)
suite_add_test(NAME test_quenby_viewer LABEL quenby QT
  SOURCES ../platform/QtTestMain.cpp ../link/PrivateNetwork.cpp QuenbyViewerTest.cpp
  LIBS quenby ferrock platform_ui platform_core sim)
target_compile_definitions(test_quenby_viewer PRIVATE SUITE_BUILD_DIR="${CMAKE_BINARY_DIR}")
