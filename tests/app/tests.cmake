horonami_test(horonami_window_tests GUI SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/StartupTest.cpp
)
