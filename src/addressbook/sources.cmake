# Address book files (core) and the address book window (its own library,
# which cannot reach the main window).
target_sources(horonami_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AddressBookFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GroupName.cpp
)
target_sources(horonami_addressbook_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AddressBookControls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AddressBookWindow.cpp
)
