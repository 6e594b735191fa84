# horonami_forbid_includes(TARGET FOLDER dir FORBIDDEN dir...)
# Before TARGET builds, every header and source under src/<dir> is scanned;
# an #include of a header from one of the FORBIDDEN folders stops the build
# with the offending file and line.
function(horonami_forbid_includes target)
  cmake_parse_arguments(L "" "FOLDER" "FORBIDDEN" ${ARGN})
  set(check ${target}_layering_${L_FOLDER})
  add_custom_target(${check}
    COMMAND ${CMAKE_COMMAND}
      -DFOLDER=${PROJECT_SOURCE_DIR}/src/${L_FOLDER}
      "-DFORBIDDEN=${L_FORBIDDEN}"
      -P ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
    COMMENT "Checking that src/${L_FOLDER} includes nothing from: ${L_FORBIDDEN}"
    VERBATIM)
  add_dependencies(${target} ${check})
endfunction()
