target_sources(horonami_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BodyEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CountingHandlers.cpp
)
