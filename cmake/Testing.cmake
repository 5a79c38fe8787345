# zlx_add_test(NAME SOURCES... [LIBS libs...])
# One helper registers every test binary with CTest. Tests never need a display:
# QT_QPA_PLATFORM=offscreen is set for each of them.
find_package(GTest REQUIRED)
include(GoogleTest)

function(zlx_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE ZLX_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                                             ZLX_BINARY_DIR="${CMAKE_BINARY_DIR}")
  gtest_discover_tests(${name}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 30)
endfunction()
