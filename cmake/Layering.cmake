# horonami_layer(TARGET FOLDER dir [USES dir...])
# Every folder of src/core and src/gui is a layer. Before TARGET builds,
# every header and source under src/<dir> is scanned; an #include of a
# header from any other layer than the USES ones stops the build with the
# offending file and line.
file(GLOB horonami_layers LIST_DIRECTORIES true RELATIVE ${PROJECT_SOURCE_DIR}/src
     ${PROJECT_SOURCE_DIR}/src/core/* ${PROJECT_SOURCE_DIR}/src/gui/*)

function(horonami_layer target)
  cmake_parse_arguments(L "" "FOLDER" "USES" ${ARGN})
  set(forbidden ${horonami_layers})
  list(REMOVE_ITEM forbidden ${L_FOLDER} ${L_USES})
  string(MAKE_C_IDENTIFIER "${target}_layering_${L_FOLDER}" check)
  add_custom_target(${check}
    COMMAND ${CMAKE_COMMAND}
      -DFOLDER=${PROJECT_SOURCE_DIR}/src/${L_FOLDER}
      "-DFORBIDDEN=${forbidden}"
      -P ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
    COMMENT "Checking that src/${L_FOLDER} includes only its own layer and: ${L_USES}"
    VERBATIM)
  add_dependencies(${target} ${check})
endfunction()
