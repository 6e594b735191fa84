# Window tests of finding Becky at start-up and of re-running discovery.
horonami_test(horonami_becky_window_tests GUI SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/BeckyStartupTest.cpp
)
