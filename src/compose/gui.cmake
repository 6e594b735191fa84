# The compose commands on the main window's controls, through the narrow
# context the window hands over.
target_sources(horonami_compose_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BodyEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BodyKeys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ComposeCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CountCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FilterCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LimitHandling.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PreviewCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PreviewMirror.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VerticalCommands.cpp
)
