# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the generator into a scratch folder and checks that it writes exactly
# the committed files, byte for byte.
#   cmake -DGENERATOR=... -DCOMMITTED=.../assets -DSCRATCH=... -P compare_regenerated.cmake

file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${GENERATOR} assets ${SCRATCH} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the generator failed: ${result}")
endif()

file(GLOB generated RELATIVE ${SCRATCH} ${SCRATCH}/*)
file(GLOB committed RELATIVE ${COMMITTED} ${COMMITTED}/*.png ${COMMITTED}/*.wav ${COMMITTED}/*.qrc ${COMMITTED}/*.svg)
list(SORT generated)
list(SORT committed)
if(NOT generated STREQUAL committed)
  message(FATAL_ERROR "generated files differ in name from the committed ones:\n"
                      "generated: ${generated}\ncommitted: ${committed}")
endif()

set(changed "")
foreach(name IN LISTS generated)
  file(SHA256 ${SCRATCH}/${name} fresh)
  file(SHA256 ${COMMITTED}/${name} kept)
  if(NOT fresh STREQUAL kept)
    list(APPEND changed ${name})
  endif()
endforeach()
if(changed)
  message(FATAL_ERROR "regenerated files differ from the committed ones (run `make assets`): ${changed}")
endif()
list(LENGTH generated count)
message(STATUS "${count} regenerated files match the committed ones")
