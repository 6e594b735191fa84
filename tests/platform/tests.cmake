horonami_test(horonami_platform_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Cp932Test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WidthFoldTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextFileTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgramFolderTest.cpp
)
