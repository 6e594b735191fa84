horonami_test(horonami_compose_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/BodyTextTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CharCountTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FiltersTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LimitedCountTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PhoneModelTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SendImageTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VerticalTest.cpp
)
