horonami_test(horonami_compose_window_tests GUI SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/BodyEditTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CountFilterCommandsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VerticalPreviewCommandsTest.cpp
)

# The compose commands on their own: linked without the main window's library.
add_executable(horonami_compose_alone_tests
  ${CMAKE_CURRENT_LIST_DIR}/ComposeAloneTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../support/gui_main.cpp)
target_link_libraries(horonami_compose_alone_tests PRIVATE
  horonami_compose_gui horonami_test_support Qt6::Test GTest::gtest)
gtest_discover_tests(horonami_compose_alone_tests DISCOVERY_MODE PRE_TEST
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# The preview's screen once more at twice the scale, where the font is drawn
# with twice the pixels.
add_test(NAME ComposeWindow.PreviewShowsThePhonesColumnsAndRowsAtScale2
  COMMAND horonami_compose_window_tests --gtest_filter=ComposeWindow.PreviewShowsThePhonesColumnsAndRows)
set_tests_properties(ComposeWindow.PreviewShowsThePhonesColumnsAndRowsAtScale2 PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2"
  PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] 1 test\\.")
