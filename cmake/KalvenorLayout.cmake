# SPDX-License-Identifier: GPL-3.0-or-later
# The application's identity and its installed layout, fixed at configure time
# and handed to the program in the generated headers application.h and
# icon_sizes.h.
include(GNUInstallDirs)

set(KALVENOR_APP_ID local.kalvenor.kalvenor)
# Debian installs games into /usr/games: its build sets this to "games".
set(KALVENOR_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR} CACHE STRING
    "Folder for the game's program, relative to the install prefix")
set(KALVENOR_INSTALL_MODULEDIR ${CMAKE_INSTALL_LIBDIR}/kalvenor)
set(KALVENOR_INSTALL_CATALOGUEDIR ${CMAKE_INSTALL_DATADIR}/kalvenor/translations)

cmake_path(ABSOLUTE_PATH KALVENOR_INSTALL_BINDIR BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX}
           OUTPUT_VARIABLE KALVENOR_FULL_BINDIR)
cmake_path(ABSOLUTE_PATH KALVENOR_INSTALL_MODULEDIR BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX}
           OUTPUT_VARIABLE KALVENOR_FULL_MODULEDIR)
cmake_path(ABSOLUTE_PATH KALVENOR_INSTALL_CATALOGUEDIR BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX}
           OUTPUT_VARIABLE KALVENOR_FULL_CATALOGUEDIR)
file(RELATIVE_PATH KALVENOR_MODULE_FROM_PROGRAM ${KALVENOR_FULL_BINDIR} ${KALVENOR_FULL_MODULEDIR})
file(RELATIVE_PATH KALVENOR_CATALOGUES_FROM_PROGRAM ${KALVENOR_FULL_BINDIR} ${KALVENOR_FULL_CATALOGUEDIR})
# Where the build writes the desktop entry, the metadata and the manual page.
set(KALVENOR_DATA_DIR ${PROJECT_BINARY_DIR}/data)

# The sizes of the icon: drawn by the generators, embedded in the program and
# installed in the icon theme.
set(KALVENOR_ICON_SIZES 16 22 24 32 48 64 128 256)
list(JOIN KALVENOR_ICON_SIZES ", " KALVENOR_ICON_SIZE_LIST)

configure_file(${CMAKE_CURRENT_LIST_DIR}/application.h.in ${PROJECT_BINARY_DIR}/generated/application.h @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/icon_sizes.h.in ${PROJECT_BINARY_DIR}/generated/icon_sizes.h @ONLY)
add_library(kalvenor_generated INTERFACE)
target_include_directories(kalvenor_generated INTERFACE ${PROJECT_BINARY_DIR}/generated)
