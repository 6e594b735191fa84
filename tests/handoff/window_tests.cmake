# The hand-off commands in the main window.
horonami_test(horonami_handoff_window_tests GUI SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/WindowFixtures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SendCommandTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SignatureOptionsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MailReaderWindowTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UnsendableSendTest.cpp
)

# The hand-off commands on their own: linked without the main window's library.
add_executable(horonami_handoff_alone_tests
  ${CMAKE_CURRENT_LIST_DIR}/HandoffAloneTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../support/gui_main.cpp)
target_link_libraries(horonami_handoff_alone_tests PRIVATE
  horonami_handoff_gui horonami_test_support GTest::gtest)
gtest_discover_tests(horonami_handoff_alone_tests DISCOVERY_MODE PRE_TEST
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
