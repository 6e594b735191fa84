# The hand-off commands of the main window: send and draft, signature,
# sending options and the draft and log list.
target_sources(horonami_handoff_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/HandoffCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MailReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SendCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SendingOptions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SignatureCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AccountMailboxes.cpp
)
