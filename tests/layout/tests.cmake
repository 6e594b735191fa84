# The windows drawn whole: the main window and each child window.
horonami_test(horonami_drawn_whole_tests GUI SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ChildWindowsDrawnWholeTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainWindowDrawnWholeTest.cpp
)
