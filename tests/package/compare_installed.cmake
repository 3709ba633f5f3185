# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch DESTDIR and checks that exactly the files
# of the expected list arrive, relative to the prefix; @BINDIR@ and
# @MODULEDIR@ in the list stand for the configured folders, and a line with
# @LANGUAGE@ stands for one line for each language of translations/.
#   cmake -DBUILD=... -DSCRATCH=... -DPREFIX=... -DBINDIR=... -DMODULEDIR=... -DLANGUAGES=...
#         -DEXPECTED=... -P compare_installed.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${SCRATCH} ${CMAKE_COMMAND} --install ${BUILD}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(root ${SCRATCH}${PREFIX})
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${root} ${SCRATCH}/*)
list(SORT installed)
file(STRINGS ${EXPECTED} expected)
list(TRANSFORM expected REPLACE "@BINDIR@" "${BINDIR}")
list(TRANSFORM expected REPLACE "@MODULEDIR@" "${MODULEDIR}")
foreach(line IN LISTS expected)
  if(line MATCHES "@LANGUAGE@")
    list(REMOVE_ITEM expected "${line}")
    foreach(language IN LISTS LANGUAGES)
      string(REPLACE "@LANGUAGE@" "${language}" one "${line}")
      list(APPEND expected "${one}")
    endforeach()
  endif()
endforeach()
list(SORT expected)
if(NOT installed STREQUAL expected)
  set(extra ${installed})
  list(REMOVE_ITEM extra ${expected})
  set(missing ${expected})
  list(REMOVE_ITEM missing ${installed})
  message(FATAL_ERROR "installed files differ from ${EXPECTED}\nnot listed: ${extra}\nnot installed: ${missing}")
endif()
list(LENGTH installed count)
message(STATUS "${count} files installed, as listed")
