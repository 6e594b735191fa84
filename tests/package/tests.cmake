# The installed program: its desktop entry and AppStream data validate, and
# the Debian package (built once as a fixture) carries the program, which
# starts from the unpacked files; the package built as the README says
# passes lintian. Labelled integration: they run the packaging tools, real
# processes and, for lintian, a build of their own.
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(package_dir ${CMAKE_BINARY_DIR}/package)

add_test(NAME desktop_entry_validates
  COMMAND desktop-file-validate ${packaging}/org.horonami.Horonami.desktop)
add_test(NAME appstream_metainfo_validates
  COMMAND appstreamcli validate --no-net ${packaging}/org.horonami.Horonami.metainfo.xml)
add_test(NAME debian_package_builds
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}
          ${CMAKE_CPACK_COMMAND} -G DEB -B ${package_dir})
add_test(NAME debian_package_holds_the_program
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-contents.sh ${package_dir})
add_test(NAME unpacked_program_starts
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/start-unpacked.sh ${package_dir})
add_test(NAME debian_package_passes_lintian
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/lintian-clean.sh ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR}/package-as-documented)
# A whole Release build on two cores.
set_tests_properties(debian_package_passes_lintian PROPERTIES TIMEOUT 3600)

set_tests_properties(desktop_entry_validates appstream_metainfo_validates debian_package_builds
                     debian_package_holds_the_program unpacked_program_starts debian_package_passes_lintian
                     PROPERTIES LABELS integration)
set_tests_properties(debian_package_builds PROPERTIES FIXTURES_SETUP debian_package)
set_tests_properties(debian_package_holds_the_program unpacked_program_starts
                     PROPERTIES FIXTURES_REQUIRED debian_package)
