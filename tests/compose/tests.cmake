horonami_test(horonami_compose_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/BodyTextTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CharCountTest.cpp
)
