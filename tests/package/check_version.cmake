# SPDX-License-Identifier: GPL-3.0-or-later
# The project's version is the newest one in NEWS, in the AppStream releases
# and in the Debian changelog.
#   cmake -DVERSION=... -DSOURCE=... -DMETAINFO=... -P check_version.cmake
cmake_minimum_required(VERSION 3.25)

file(STRINGS ${SOURCE}/NEWS news REGEX "^Kalvenor [0-9]" LIMIT_COUNT 1)
file(READ ${METAINFO} metainfo)
string(REGEX MATCH "<release version=\"([^\"]+)\"" release "${metainfo}")
set(release "${CMAKE_MATCH_1}")
file(STRINGS ${SOURCE}/debian/changelog changelog LIMIT_COUNT 1)
string(REGEX MATCH "\\(([^)-]+)" changelog "${changelog}")
set(changelog "${CMAKE_MATCH_1}")

foreach(place news release changelog)
  if(NOT "${${place}}" MATCHES "^(Kalvenor )?${VERSION}( |$)")
    message(FATAL_ERROR "${place} names version '${${place}}', the project is ${VERSION}")
  endif()
endforeach()
