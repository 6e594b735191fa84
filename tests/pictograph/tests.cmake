horonami_test(horonami_pictograph_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/DefinitionsTest.cpp
)
horonami_test(horonami_pictograph_window_tests GUI SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/PictographCommandsTest.cpp
)
