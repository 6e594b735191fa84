# The layering check itself: a folder that includes a higher layer fails it,
# one that does not passes.
add_test(NAME Layering.RefusesAnIncludeOfAHigherLayer
  COMMAND ${CMAKE_COMMAND} -DFOLDER=${CMAKE_CURRENT_LIST_DIR}/offender -DFORBIDDEN=gui/app
          -P ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake)
set_tests_properties(Layering.RefusesAnIncludeOfAHigherLayer PROPERTIES
  PASS_REGULAR_EXPRESSION "Reaches.cpp:   #  include \"gui/app/MainWindow.h\"")
add_test(NAME Layering.AcceptsIncludesOfLowerLayers
  COMMAND ${CMAKE_COMMAND} -DFOLDER=${CMAKE_CURRENT_LIST_DIR}/clean -DFORBIDDEN=gui/app\;gui/handoff
          -P ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake)
