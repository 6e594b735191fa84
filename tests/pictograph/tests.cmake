horonami_test(horonami_pictograph_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/DefinitionsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SearchTextsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RegistrationEntryTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DefinitionListModelTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EmojiSourcesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UnsendableTest.cpp
)
horonami_test(horonami_pictograph_window_tests GUI SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/PictographCommandsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RegistrationWindowTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictographSightTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RegistrationKeepsDataTest.cpp
)
target_link_libraries(horonami_pictograph_tests PRIVATE Qt6::Test)
# Checked against the system's file the built-in table and font come from.
target_compile_definitions(horonami_pictograph_tests PRIVATE
  HORONAMI_EMOJI_SOURCES="${HORONAMI_EMOJI_SOURCES}")
target_compile_definitions(horonami_pictograph_window_tests PRIVATE
  HORONAMI_EMOJI_SOURCES="${HORONAMI_EMOJI_SOURCES}")
