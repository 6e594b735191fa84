target_sources(horonami_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Cp932.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WidthFold.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgramFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsFormat.cpp
)
target_sources(horonami_widgets PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/QtDialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QtDesktop.cpp
)
