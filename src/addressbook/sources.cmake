# Address book files (core) and the address book window with its openers (gui).
target_sources(horonami_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AddressBookFile.cpp
)
target_sources(horonami_addressbook_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AddressBookControls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AddressBookWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AddressBookCommands.cpp
)
