horonami_test(horonami_pictograph_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/DefinitionsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RegistrationEntryTest.cpp
)
horonami_test(horonami_pictograph_window_tests GUI SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/PictographCommandsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RegistrationWindowTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RegistrationKeepsDataTest.cpp
)
