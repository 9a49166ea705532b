# tarnik_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One GoogleTest executable; each test case becomes its own ctest test, discovered before it runs.
if(TARNIK_TESTS)
  enable_testing()
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()

function(tarnik_add_test name)
  if(NOT TARNIK_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${T_LIBS} tarnik_testsupport GTest::gtest GTest::gmock
                                        GTest::gtest_main)
  add_dependencies(${name} tarnik_share)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                       PROPERTIES ENVIRONMENT
                       "TARNIK_TEST_PROGDIR=${TARNIK_STAGE_DIR};TARNIK_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
endfunction()
