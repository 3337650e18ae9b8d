# Helpers shared by every folder of the suite.

# suite_add_test(NAME <name> LABEL <folder> SOURCES ... [LIBS ...] [QT])
# One test program per unit; ctest labels it after its folder.
# QT: the program runs on Qt's offscreen platform and may use Qt itself.
function(suite_add_test)
  cmake_parse_arguments(T "QT" "NAME;LABEL" "SOURCES;LIBS" ${ARGN})
  find_package(GTest REQUIRED)
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  if(T_QT)
    target_link_libraries(${T_NAME} PRIVATE Qt6::Widgets)
  endif()
  target_include_directories(${T_NAME} PRIVATE ${CMAKE_SOURCE_DIR})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set(env "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0" "UBSAN_OPTIONS=print_stacktrace=1")
  # Settings and install folder of a test stay under the build folder, never
  # in the user's own configuration.
  list(APPEND env "XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-home/${T_NAME}/config"
    "XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-home/${T_NAME}/data")
  if(T_QT)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  set_tests_properties(${T_NAME} PROPERTIES LABELS ${T_LABEL} ENVIRONMENT "${env}" TIMEOUT 300)
endfunction()

# suite_add_fuzzer(NAME <name> SOURCES ... LIBS ... CORPUS <dir>)
# With SUITE_FUZZ it is a libFuzzer program; otherwise the same entry point
# is linked to a driver that replays the seed corpus as an ordinary test.
function(suite_add_fuzzer)
  cmake_parse_arguments(F "" "NAME;CORPUS" "SOURCES;LIBS" ${ARGN})
  add_executable(${F_NAME} ${F_SOURCES})
  target_link_libraries(${F_NAME} PRIVATE ${F_LIBS})
  target_include_directories(${F_NAME} PRIVATE ${CMAKE_SOURCE_DIR})
  if(SUITE_FUZZ)
    target_compile_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
    target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
  else()
    target_sources(${F_NAME} PRIVATE ${CMAKE_SOURCE_DIR}/fuzz/CorpusReplay.cpp)
    if(SUITE_TESTS)
      add_test(NAME ${F_NAME}_corpus COMMAND ${F_NAME} ${F_CORPUS})
      set_tests_properties(${F_NAME}_corpus PROPERTIES LABELS fuzz TIMEOUT 300)
    endif()
  endif()
endfunction()

# suite_static_library(<name> sources...): stateless codecs linked statically
# into every deliverable that needs them, hidden from their exports.
function(suite_static_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
endfunction()

# suite_shared_library(<name> NAMESPACE <namespace> SOURCES ... [LIBS ...])
# One of the suite's shared libraries (Plinto, Ferrock, Quenby, Tessaly,
# Morrik): built with hidden visibility, so that only what carries its export
# macro leaves it; the macro <NAME>_EXPORT comes from the generated header
# "<name>Export.h"; its code lives in namespace <namespace>, so that two
# libraries may both have a CPTZCtrl and load into one program. A test checks
# that the library exports nothing outside that namespace.
include(GenerateExportHeader)
function(suite_shared_library name)
  cmake_parse_arguments(L "" "NAMESPACE" "SOURCES;LIBS" ${ARGN})
  if(NOT L_NAMESPACE)
    message(FATAL_ERROR "suite_shared_library(${name}): NAMESPACE is required")
  endif()
  add_library(${name} SHARED ${L_SOURCES})
  set_target_properties(${name} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  generate_export_header(${name} EXPORT_FILE_NAME ${CMAKE_CURRENT_BINARY_DIR}/${name}Export.h)
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_BINARY_DIR})
  target_link_libraries(${name} PRIVATE ${L_LIBS})
  if(SUITE_TESTS AND NOT SUITE_FUZZ)
    add_test(NAME ${name}_exports
      COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-exports.sh $<TARGET_FILE:${name}> ${L_NAMESPACE})
    set_tests_properties(${name}_exports PROPERTIES LABELS build)
  endif()
endfunction()
