# The program's icon, drawn from packaging/horonami.svg in the sizes icon
# themes use: installed into the hicolor theme under the desktop entry's
# name, and built into the program in the sizes of a window's icon as the
# stand-in for a theme without it (a build folder or a portable copy).
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_svg ${PROJECT_SOURCE_DIR}/packaging/horonami.svg)
set(icon_dir ${CMAKE_CURRENT_BINARY_DIR}/icons)
set(icon_root ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
set(icon_pngs)
set(built_in_pngs)
foreach(size 16 24 32 48 64 128 256)
  set(png ${icon_dir}/${size}/${HORONAMI_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_dir}/${size}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${icon_svg}
    DEPENDS ${icon_svg}
    COMMENT "Drawing the ${size}px icon")
  list(APPEND icon_pngs ${png})
  if(size LESS_EQUAL 64)
    list(APPEND built_in_pngs ${png})
  endif()
  install(FILES ${png} DESTINATION ${icon_root}/${size}x${size}/apps)
endforeach()
add_custom_target(horonami_icons ALL DEPENDS ${icon_pngs})
install(FILES ${icon_svg} DESTINATION ${icon_root}/scalable/apps RENAME ${HORONAMI_APP_ID}.svg)

qt_add_resources(horonami program_icon PREFIX /icons BASE ${icon_dir} FILES ${built_in_pngs})
target_compile_definitions(horonami PRIVATE HORONAMI_APP_ID="${HORONAMI_APP_ID}")
