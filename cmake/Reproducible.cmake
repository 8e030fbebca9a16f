# SPDX-License-Identifier: GPL-3.0-or-later
# Two builds of one commit give the same bytes, whatever folder they are made in: nothing of the
# build's own paths or times goes into the programs. (scripts/reproducible checks it on the
# packages.)

# The release date comes from the changelog's newest entry, which names this version: the
# manual pages, the AppStream data and the time stamps of the built-in resources take it.
set(brookfetch_changelog ${PROJECT_SOURCE_DIR}/packaging/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${brookfetch_changelog})
file(STRINGS ${brookfetch_changelog} changelog_head LIMIT_COUNT 1)
file(STRINGS ${brookfetch_changelog} changelog_dates REGEX "^ -- .*>  ")
list(GET changelog_dates 0 changelog_date)
if(NOT changelog_head MATCHES "^brookfetch \\(${PROJECT_VERSION}\\)")
    message(WARNING "packaging/changelog has no entry for version ${PROJECT_VERSION} at the top")
endif()
string(REGEX MATCH ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9])" _ ${changelog_date})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month_index)
math(EXPR month "${month_index} + 1")
math(EXPR day "1${CMAKE_MATCH_1} - 100")
set(year ${CMAKE_MATCH_3})
if(month LESS 10)
    set(BROOKFETCH_RELEASE_DATE ${year}-0${month}-${CMAKE_MATCH_1})
else()
    set(BROOKFETCH_RELEASE_DATE ${year}-${month}-${CMAKE_MATCH_1})
endif()
# The same as seconds since 1970 (midnight UTC), counted from the civil date in years that start
# in March, so that the leap day comes last.
if(month GREATER 2)
    math(EXPR march_month "${month} - 3")
    set(march_year ${year})
else()
    math(EXPR march_month "${month} + 9")
    math(EXPR march_year "${year} - 1")
endif()
math(EXPR days "365 * ${march_year} + ${march_year} / 4 - ${march_year} / 100 + \
${march_year} / 400 + (153 * ${march_month} + 2) / 5 + ${day} - 1 - 719468")
math(EXPR BROOKFETCH_RELEASE_EPOCH "${days} * 86400")

# Debug information names source files relative to the source and build folders, and ccache
# takes an object made in another folder (the last map that matches wins, and a build folder
# often lies inside the source folder). A Debug build keeps the real paths for the debugger.
if(NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
    add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
        -ffile-prefix-map=${PROJECT_BINARY_DIR}=./build)
endif()
# Windows' linker writes the time of the link into every program's header unless told not to.
if(WIN32)
    add_link_options(-Wl,--no-insert-timestamp)
endif()

# rcc writes each resource file's time of change into the program: a checkout's times differ
# from folder to folder. brookfetch_fixed_time_resources(TARGET) gives the target's resources the
# release date instead.
get_target_property(brookfetch_rcc Qt6::rcc IMPORTED_LOCATION)
if(NOT brookfetch_rcc)
    get_target_property(brookfetch_rcc Qt6::rcc LOCATION)
endif()
set(brookfetch_fixed_time_rcc ${PROJECT_BINARY_DIR}/generated/rcc-fixed-time)
file(CONFIGURE OUTPUT ${brookfetch_fixed_time_rcc} CONTENT [=[#!/bin/sh
# rcc with every resource's time set to the release date (cmake/Reproducible.cmake).
SOURCE_DATE_EPOCH=@BROOKFETCH_RELEASE_EPOCH@ QT_RCC_SOURCE_DATE_OVERRIDE=@BROOKFETCH_RELEASE_EPOCH@ \
    exec "@brookfetch_rcc@" "$@"
]=] @ONLY)
file(CHMOD ${brookfetch_fixed_time_rcc} FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
function(brookfetch_fixed_time_resources target)
    set_target_properties(${target} PROPERTIES AUTORCC_EXECUTABLE ${brookfetch_fixed_time_rcc})
endfunction()
