# Japanese input through ibus and mozc on an X server, in a session of its
# own (run-with-mozc.sh). Labelled integration: it needs the desktop packages
# and runs real processes.
add_executable(horonami_input_method_tests
  ${CMAKE_CURRENT_LIST_DIR}/MozcInputTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../handoff/WindowFixtures.cpp
)
target_include_directories(horonami_input_method_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(horonami_input_method_tests PRIVATE horonami_window_support GTest::gtest)
add_test(NAME horonami_input_method_tests
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/run-with-mozc.sh $<TARGET_FILE:horonami_input_method_tests>)
set_tests_properties(horonami_input_method_tests PROPERTIES LABELS integration TIMEOUT 180)
