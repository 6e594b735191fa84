target_sources(horonami_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Definitions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SearchTexts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DefinitionWriter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RegistrationEntry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PaletteEntries.cpp
)
# The code registration window and the keyword commands (their own library,
# which cannot reach the main window).
target_sources(horonami_pictograph_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PictographCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RegistrationWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictographFont.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictographPalette.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UnsendableMarks.cpp
)
# Pictographs and standard emoji, and the characters code page 932 lacks.
target_sources(horonami_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/EmojiSources.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UnsendableCharacters.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UnsendableOffer.cpp
)
include(${CMAKE_CURRENT_LIST_DIR}/font.cmake)
