# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts on a player's machine: the program, its sound
# module, its translation catalogues, the desktop entry and the AppStream
# metadata in every language, the icons and the manual page. Nothing else: no
# tools, no tests, no benchmarks.

install(TARGETS kalvenor RUNTIME DESTINATION ${KALVENOR_INSTALL_BINDIR})
install(TARGETS kalvenor_sound LIBRARY DESTINATION ${KALVENOR_INSTALL_MODULEDIR})
install(FILES ${KALVENOR_CATALOGUES} DESTINATION ${KALVENOR_INSTALL_CATALOGUEDIR})
install(FILES ${KALVENOR_DATA_DIR}/${KALVENOR_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KALVENOR_DATA_DIR}/${KALVENOR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KALVENOR_DATA_DIR}/kalvenor.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(icon_theme ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
foreach(pixels IN LISTS KALVENOR_ICON_SIZES)
  install(FILES assets/icon-${pixels}.png DESTINATION ${icon_theme}/${pixels}x${pixels}/apps
          RENAME ${KALVENOR_APP_ID}.png)
endforeach()
install(FILES assets/icon.svg DESTINATION ${icon_theme}/scalable/apps RENAME ${KALVENOR_APP_ID}.svg)
