target_sources(horonami_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BodyEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CountingHandlers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ComposeCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FilterCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PreviewCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UnsendableMarks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VerticalCommands.cpp
)
