target_sources(horonami_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Definitions.cpp
)
target_sources(horonami_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PictographMenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictographCommands.cpp
)
