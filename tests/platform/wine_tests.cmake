# Tests of the Wine registry and path mapping.
horonami_test(horonami_wine_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/WineRegistryTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WinePathsTest.cpp
)
