# SPDX-License-Identifier: GPL-3.0-or-later
# Each room of the game's libraries compiles as one unit: its files are
# joined into one source, so the Qt templates they all use are instantiated,
# optimised and described for the debugger once per room instead of once per
# file. A room is a source folder (ui/reader/, ui/sea/, game/src/, ...); a
# library's files at its root make a room of their own.
#
# A change to one header rebuilds the rooms whose files include it, and only
# those; a change to one file rebuilds its room. -DKALVENOR_ROOM_UNITS=OFF
# compiles file by file: quicker when one file is edited again and again, and
# with -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON it shows an include that a file
# lacks and a room-mate's include had hidden.
option(KALVENOR_ROOM_UNITS "Compile each room of the game's libraries as one unit" ON)

# kalvenor_compile_by_room(targets...)
function(kalvenor_compile_by_room)
  if(NOT KALVENOR_ROOM_UNITS)
    return()
  endif()
  foreach(target IN LISTS ARGN)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_MODE GROUP)
    get_target_property(sources ${target} SOURCES)
    foreach(source IN LISTS sources)
      get_filename_component(room "${source}" DIRECTORY)
      if(room STREQUAL "")
        set(room ${target})
      endif()
      string(MAKE_C_IDENTIFIER "${room}" room)
      set_source_files_properties(${source} TARGET_DIRECTORY ${target} PROPERTIES UNITY_GROUP ${room})
    endforeach()
  endforeach()
endfunction()
