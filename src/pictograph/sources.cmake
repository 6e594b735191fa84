target_sources(horonami_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Definitions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DefinitionWriter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RegistrationEntry.cpp
)
# The code registration window (its own library, which cannot reach the main
# window).
target_sources(horonami_pictograph_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/RegistrationWindow.cpp
)
target_sources(horonami_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PictographMenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictographCommands.cpp
)
