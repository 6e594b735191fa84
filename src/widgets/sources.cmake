# Widget helpers every window shares: twips geometry and control names.
target_sources(horonami_widgets PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Twips.cpp
)
