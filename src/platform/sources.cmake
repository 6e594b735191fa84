target_sources(horonami_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ControlCharacters.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Cp932.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WidthFold.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgramFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsFormat.cpp
)
# The Qt implementations of the platform seams and the widget helpers every
# window shares.
target_sources(horonami_platform_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/LineFields.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QtDialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QtDesktop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Twips.cpp
)

# An installed copy finds its readme relative to its own folder, so that the
# package's prefix (/usr) and a local install (/usr/local) both work.
file(RELATIVE_PATH horonami_readme_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${HORONAMI_INSTALL_DATADIR}/readme.txt)
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/ProgramFolder.cpp APPEND PROPERTY COMPILE_DEFINITIONS
  HORONAMI_INSTALLED_BIN_FOLDER="${CMAKE_INSTALL_FULL_BINDIR}"
  HORONAMI_README_FROM_BIN_FOLDER="${horonami_readme_from_bin}")
