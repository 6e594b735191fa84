target_sources(horonami_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Definitions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DefinitionWriter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RegistrationEntry.cpp
)
target_sources(horonami_pictograph_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PictographMenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictographCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RegistrationWindow.cpp
)
