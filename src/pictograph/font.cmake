# The pictograph font and the table of pictographs and standard emoji are
# made at build time from Debian's files and built into the program as
# resources: Unicode's EmojiSources.txt (unicode-data) and the colour emoji
# font (fonts-noto-color-emoji), cut down by python3-fonttools.
set(HORONAMI_EMOJI_SOURCES /usr/share/unicode/EmojiSources.txt
    CACHE FILEPATH "Unicode's EmojiSources.txt (Debian package unicode-data)")
set(HORONAMI_EMOJI_FONT /usr/share/fonts/truetype/noto/NotoColorEmoji.ttf
    CACHE FILEPATH "The colour emoji font (Debian package fonts-noto-color-emoji)")
# Debian's interpreter, which has python3-fonttools.
find_program(HORONAMI_PYTHON3 python3 HINTS /usr/bin REQUIRED)

set(pictograph_dir ${CMAKE_CURRENT_BINARY_DIR}/pictograph)
set(pictograph_font ${pictograph_dir}/pictographs.ttf)
add_custom_command(
  OUTPUT ${pictograph_font}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${pictograph_dir}
  COMMAND ${HORONAMI_PYTHON3} ${PROJECT_SOURCE_DIR}/scripts/pictograph_font.py
          ${HORONAMI_EMOJI_SOURCES} ${HORONAMI_EMOJI_FONT} ${pictograph_font}
  DEPENDS ${PROJECT_SOURCE_DIR}/scripts/pictograph_font.py ${HORONAMI_EMOJI_SOURCES} ${HORONAMI_EMOJI_FONT}
  COMMENT "Making the pictograph font"
  VERBATIM)
configure_file(${HORONAMI_EMOJI_SOURCES} ${pictograph_dir}/EmojiSources.txt COPYONLY)

qt_add_resources(horonami_core emoji_sources
  PREFIX /pictograph BASE ${pictograph_dir} FILES ${pictograph_dir}/EmojiSources.txt)
qt_add_resources(horonami_pictograph_gui pictograph_font
  PREFIX /pictograph BASE ${pictograph_dir} FILES ${pictograph_font})
