# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts on a player's machine: the program, its sound
# module, its translation catalogues, the desktop entry and the AppStream
# metadata in every language, the icons and the manual page. Nothing else: no tools, no tests, no benchmarks.

# The build tree lays out the program and its sound module as the install
# does, so the program finds the module the same way in both.
get_target_property(program_dir kalvenor BINARY_DIR)
set_target_properties(kalvenor_sound PROPERTIES
  LIBRARY_OUTPUT_DIRECTORY ${program_dir}/${KALVENOR_MODULE_FROM_PROGRAM})
cmake_path(ABSOLUTE_PATH KALVENOR_CATALOGUES_FROM_PROGRAM BASE_DIRECTORY ${program_dir} NORMALIZE
           OUTPUT_VARIABLE KALVENOR_CATALOGUE_DIR)
target_include_directories(kalvenor_ui PUBLIC ${PROJECT_BINARY_DIR}/generated)

set(KALVENOR_DATA_DIR ${PROJECT_BINARY_DIR}/data)
# In English here; translations/ merges the other languages in.
configure_file(data/kalvenor.desktop.in ${KALVENOR_DATA_DIR}/english/${KALVENOR_APP_ID}.desktop @ONLY)
configure_file(data/kalvenor.metainfo.xml.in ${KALVENOR_DATA_DIR}/english/${KALVENOR_APP_ID}.metainfo.xml @ONLY)
add_subdirectory(translations)
configure_file(data/kalvenor.6.in ${KALVENOR_DATA_DIR}/kalvenor.6 @ONLY)

install(TARGETS kalvenor RUNTIME DESTINATION ${KALVENOR_INSTALL_BINDIR})
install(TARGETS kalvenor_sound LIBRARY DESTINATION ${KALVENOR_INSTALL_MODULEDIR})
install(FILES ${KALVENOR_CATALOGUES} DESTINATION ${KALVENOR_INSTALL_CATALOGUEDIR})
install(FILES ${KALVENOR_DATA_DIR}/${KALVENOR_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KALVENOR_DATA_DIR}/${KALVENOR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KALVENOR_DATA_DIR}/kalvenor.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# The icon sizes come from the header the window and the generators share.
file(STRINGS ui/icon_sizes.h size_line REGEX "kIconSizes\\{")
string(REGEX MATCHALL "[0-9]+" icon_sizes "${size_line}")
set(icon_theme ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
foreach(pixels IN LISTS icon_sizes)
  install(FILES assets/icon-${pixels}.png DESTINATION ${icon_theme}/${pixels}x${pixels}/apps
          RENAME ${KALVENOR_APP_ID}.png)
endforeach()
install(FILES assets/icon.svg DESTINATION ${icon_theme}/scalable/apps RENAME ${KALVENOR_APP_ID}.svg)

add_subdirectory(tests/package)
