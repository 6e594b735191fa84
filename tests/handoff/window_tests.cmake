# The hand-off commands in the main window.
horonami_test(horonami_handoff_window_tests GUI SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/WindowFixtures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SendCommandTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SignatureOptionsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MailReaderWindowTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UnsendableSendTest.cpp
)
