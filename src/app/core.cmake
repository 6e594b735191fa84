# Logic of the application shell that needs no window.
target_sources(horonami_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PresetFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BeckyEnvironment.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FolderLock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AddressListModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp
)
