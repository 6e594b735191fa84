horonami_test(horonami_addressbook_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/AddressBookFileTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GroupNameTest.cpp
)
horonami_test(horonami_addressbook_window_tests GUI SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/BookWindowHelpers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AddressBookWindowTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AddressBookClosingTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AddressBookKeepsDataTest.cpp
)
