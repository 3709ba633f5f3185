# SPDX-License-Identifier: GPL-3.0-or-later
# Qt's and GoogleTest's headers, parsed once per build instead of once for
# every file: reading Qt's widgets was most of a window file's compile time.
#
# Each set of headers is precompiled once, by a target of its own that has no
# code (kalvenor_pch_<set>), and every target that uses the set reuses that
# one precompiled form. A user therefore compiles with its owner's options
# (the project's warnings, sanitizers and standard apply to all alike) and
# with every macro its owner had; it may add macros the headers never look at
# (QT_WIDGETS_LIB, its own KALVENOR_* paths), not change ones they do.
# -Winvalid-pch, an error under KALVENOR_WERROR, says when a user strays.
#
# Only headers from outside the project go in: a change to one of the game's
# own headers still rebuilds only what includes it (KalvenorRoomUnits.cmake).
# Every file still includes what it uses; -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON
# builds without the sets and shows a missing include.

# Qt's headers that the window's files, the lettering, the sound module and
# the asset generators include most, and what those pull in.
set(KALVENOR_PCH_QT
  <QtCore/QByteArray>
  <QtCore/QCoreApplication>
  <QtCore/QDir>
  <QtCore/QFile>
  <QtCore/QFileInfo>
  <QtCore/QObject>
  <QtCore/QRegularExpression>
  <QtCore/QString>
  <QtCore/QStringList>
  <QtCore/QTimer>
  <QtGui/QAccessible>
  <QtGui/QAction>
  <QtGui/QColor>
  <QtGui/QImage>
  <QtGui/QKeyEvent>
  <QtGui/QLinearGradient>
  <QtGui/QPainter>
  <QtGui/QPainterPath>
  <QtWidgets/QAccessibleWidget>
  <QtWidgets/QApplication>
  <QtWidgets/QLabel>
  <QtWidgets/QMenu>
  <QtWidgets/QMenuBar>
  <QtWidgets/QWidget>
)

# The window tests (tests/ui) add Qt Test.
set(KALVENOR_PCH_QT_TEST ${KALVENOR_PCH_QT}
  <QtTest/QSignalSpy>
  <QtTest/QTest>
)

set(KALVENOR_PCH_GTEST
  <gtest/gtest.h>
)

# kalvenor_add_precompiled_headers(SET LINK libraries... [HEADERS_OF libraries...]
#                                   HEADERS headers...)
# makes kalvenor_pch_SET, which precompiles HEADERS with the options and
# macros that LINK gives, and the include folders of HEADERS_OF without their
# macros: every user of the set has LINK's macros, some lack HEADERS_OF's.
function(kalvenor_add_precompiled_headers set)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LINK;HEADERS_OF;HEADERS")
  set(owner kalvenor_pch_${set})
  set(source ${PROJECT_BINARY_DIR}/precompiled/${set}.cpp)
  file(CONFIGURE OUTPUT ${source} CONTENT
       "// The precompiled headers' own target: no code, only the headers (cmake/KalvenorPrecompiledHeaders.cmake).\n")
  add_library(${owner} OBJECT EXCLUDE_FROM_ALL ${source})
  target_link_libraries(${owner} PRIVATE ${arg_LINK})
  foreach(library IN LISTS arg_HEADERS_OF)
    target_include_directories(${owner} SYSTEM PRIVATE $<TARGET_PROPERTY:${library},INTERFACE_INCLUDE_DIRECTORIES>)
  endforeach()
  target_precompile_headers(${owner} PRIVATE ${arg_HEADERS})
endfunction()

# kalvenor_use_precompiled_headers(SET targets...): the targets' files start
# from SET's precompiled headers. A target that runs moc includes each moc
# file at the end of the source of its class, so moc's own collection of them
# is empty and skips the set: loading the set costs more than that file.
function(kalvenor_use_precompiled_headers set)
  foreach(target IN LISTS ARGN)
    target_precompile_headers(${target} REUSE_FROM kalvenor_pch_${set})
    get_target_property(automoc ${target} AUTOMOC)
    if(automoc)
      get_target_property(binary_dir ${target} BINARY_DIR)
      set_source_files_properties(${binary_dir}/${target}_autogen/mocs_compilation.cpp
        TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
    endif()
  endforeach()
endfunction()
