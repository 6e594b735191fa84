# The child windows drawn whole, built without the main window.
horonami_test(horonami_drawn_whole_tests GUI SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ChildWindowsDrawnWholeTest.cpp
)
