# SPDX-License-Identifier: GPL-3.0-or-later
# Every text the sources mark for translation is translated in every shipped
# language, dialogs that no window test opens included: a scratch copy of
# each .ts file is brought up to date with the sources as the
# update-translations target would, and must have nothing left unfinished;
# the same for each .po file against the desktop entry and the metainfo. Only
# the game's name stays as it is.
#   cmake -DLUPDATE= -DLRELEASE= -DXGETTEXT= -DMSGMERGE= -DMSGATTRIB= -DSOURCES=
#         -DENGLISH="desktop;metainfo" -DCATALOGUES= -DSCRATCH= -P check_catalogues.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
set(faults)

file(GLOB ts_files ${CATALOGUES}/kalvenor_*.ts)
foreach(ts IN LISTS ts_files)
  cmake_path(GET ts FILENAME name)
  file(COPY_FILE ${ts} ${SCRATCH}/${name})
  execute_process(COMMAND ${LUPDATE} -silent -locations none ${SOURCES} -ts ${SCRATCH}/${name}
                  RESULT_VARIABLE result)
  execute_process(COMMAND ${LRELEASE} ${SCRATCH}/${name} -qm ${SCRATCH}/${name}.qm
                  OUTPUT_VARIABLE report RESULT_VARIABLE released)
  if(NOT result EQUAL 0 OR NOT released EQUAL 0 OR NOT report MATCHES " 0 unfinished\\)"
     OR report MATCHES "untranslated")
    list(APPEND faults "${name}: ${report}")
  endif()
endforeach()

execute_process(COMMAND ${XGETTEXT} --no-location -o ${SCRATCH}/kalvenor.pot ${ENGLISH} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "xgettext failed on ${ENGLISH}")
endif()
file(GLOB po_files ${CATALOGUES}/*.po)
foreach(po IN LISTS po_files)
  cmake_path(GET po FILENAME name)
  execute_process(COMMAND ${MSGMERGE} --quiet -o ${SCRATCH}/${name} ${po} ${SCRATCH}/kalvenor.pot)
  execute_process(COMMAND ${MSGATTRIB} --no-obsolete --untranslated ${SCRATCH}/${name} OUTPUT_VARIABLE untranslated)
  execute_process(COMMAND ${MSGATTRIB} --no-obsolete --only-fuzzy ${SCRATCH}/${name} OUTPUT_VARIABLE fuzzy)
  string(REGEX MATCHALL "\nmsgid \"[^\n]*" open "${untranslated}${fuzzy}")
  list(REMOVE_ITEM open "\nmsgid \"\"" "\nmsgid \"Kalvenor\"")
  if(open)
    list(APPEND faults "${name}: untranslated or fuzzy ${open}")
  endif()
endforeach()

list(LENGTH ts_files languages)
if(faults OR languages EQUAL 0)
  message(FATAL_ERROR "catalogues behind the sources:\n${faults}")
endif()
message(STATUS "${languages} languages translate every text")
