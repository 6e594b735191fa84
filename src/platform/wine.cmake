# Wine registry and path mapping.
target_sources(horonami_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/WineRegistry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WinePaths.cpp
)

# A Windows build reads the real registry instead.
if(WIN32)
  target_sources(horonami_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/WindowsRegistry.cpp)
endif()
