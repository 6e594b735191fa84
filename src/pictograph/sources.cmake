target_sources(horonami_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Definitions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DefinitionWriter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RegistrationEntry.cpp
)
# The code registration window and the keyword commands (their own library,
# which cannot reach the main window).
target_sources(horonami_pictograph_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PictographCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RegistrationWindow.cpp
)
