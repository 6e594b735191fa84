target_sources(horonami_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BodyText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CharCount.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CountLabel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Filters.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LimitCut.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LimitedCount.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PhoneModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SendImage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SignatureText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Vertical.cpp
)
