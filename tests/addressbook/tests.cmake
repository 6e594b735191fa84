horonami_test(horonami_addressbook_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/AddressBookFileTest.cpp
)
horonami_test(horonami_addressbook_window_tests GUI SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/AddressBookWindowTest.cpp
)
