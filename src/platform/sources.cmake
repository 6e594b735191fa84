target_sources(horonami_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Cp932.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WidthFold.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgramFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsFormat.cpp
)
# The Qt implementations of the platform seams and the widget helpers every
# window shares.
target_sources(horonami_platform_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/QtDialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QtDesktop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Twips.cpp
)
