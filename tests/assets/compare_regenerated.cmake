# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the generator into a scratch folder and checks that it writes the
# committed files: the same names, the same pixels and the same samples
# (kalvenor-compare-assets), whatever bytes the PNG library packs them into.
#   cmake -DGENERATOR=... -DCOMPARE=... -DCOMMITTED=.../assets -DSCRATCH=... -P compare_regenerated.cmake

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

execute_process(COMMAND ${COMPARE} ${SCRATCH} ${COMMITTED} ${generated}
                RESULT_VARIABLE result OUTPUT_VARIABLE changed)
if(NOT result EQUAL 0)
  string(REPLACE "\n" " " changed "${changed}")
  message(FATAL_ERROR "regenerated files differ from the committed ones (run `make assets`): ${changed}")
endif()
list(LENGTH generated count)
message(STATUS "${count} regenerated files match the committed ones")
