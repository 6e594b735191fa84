# Mailbox records, their writer and reader, the signature and sending options.
target_sources(horonami_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/MailRecord.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Mailbox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SendWarnings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MailboxReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MailCounts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MailListModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HandOff.cpp
)
