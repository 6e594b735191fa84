target_sources(horonami_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BodyText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CharCount.cpp
)
target_sources(horonami_gui PRIVATE
)
