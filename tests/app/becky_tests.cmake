# Tests of Becky discovery and the Becky record.
horonami_test(horonami_becky_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/BeckyEnvironmentTest.cpp
)
