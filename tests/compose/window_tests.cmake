horonami_test(horonami_compose_window_tests GUI SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/BodyEditTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CountFilterCommandsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VerticalPreviewCommandsTest.cpp
)
