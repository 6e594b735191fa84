horonami_test(horonami_window_tests GUI SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/AddressFieldTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StartupTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CountingTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HelpCommandsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScreenReaderTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UndoTest.cpp
)
horonami_test(horonami_settings_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/SettingsFormatTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsFileTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FolderLockTest.cpp
)
horonami_test(horonami_address_list_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/AddressListModelTest.cpp
)
target_link_libraries(horonami_address_list_tests PRIVATE Qt6::Test)
horonami_test(horonami_command_line_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/CommandLineTest.cpp
)
add_test(NAME command_line_needs_no_display
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/command-line.sh $<TARGET_FILE:horonami>)
