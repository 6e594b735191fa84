target_sources(horonami_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AddressBookOpeners.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AddressList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BeckySetup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClickableFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CodeMenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EmojiCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HelpCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainControls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadmeWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RegistrationOpener.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Startup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TabStopDelegate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowLayout.cpp
)
