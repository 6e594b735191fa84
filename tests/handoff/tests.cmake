# Tests of the hand-off to Becky.
horonami_test(horonami_handoff_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/MailRecordTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SendWarningsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MailboxTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MailboxReaderTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MailListModelTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MailCountsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HandOffTest.cpp
)
