# SPDX-License-Identifier: GPL-3.0-or-later
cmake_minimum_required(VERSION 3.25)
# Fails when a tracked C++ file (*.cpp, *.h) is not formatted by the project's .clang-format,
# naming the files; `clang-format -i FILE` mends one. Skipped (exit code 77) only where
# clang-format is missing on a system without dpkg: on Debian, scripts/setup installs it.
#   cmake -DROOT=<source folder> -DCLANG_FORMAT=<clang-format> -P CheckFormat.cmake
if(NOT CLANG_FORMAT OR NOT EXISTS "${CLANG_FORMAT}")
    find_program(dpkg_query dpkg-query)
    if(dpkg_query)
        message(FATAL_ERROR "clang-format is missing: scripts/setup installs it (clang-format-14)")
    endif()
    message("SKIPPED: clang-format is missing on this system; install clang-format 14 to check "
        "the formatting of the C++ files")
    cmake_language(EXIT 77)
endif()

# The files git tracks; a tree without git (an unpacked source archive) gives every C++ file
# of the source folders.
find_program(git git)
set(files "")
if(git AND EXISTS "${ROOT}/.git")
    execute_process(COMMAND ${git} ls-files -- "*.cpp" "*.h" WORKING_DIRECTORY ${ROOT}
        OUTPUT_VARIABLE listed RESULT_VARIABLE status OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(status EQUAL 0)
        string(REPLACE "\n" ";" files "${listed}")
    endif()
endif()
if(NOT files)
    file(GLOB_RECURSE files RELATIVE ${ROOT} ${ROOT}/*.cpp ${ROOT}/*.h)
    list(FILTER files EXCLUDE REGEX "^(build[^/]*|\\.[^/]*)/")
endif()
# A file deleted but not yet committed is not looked for.
list(FILTER files EXCLUDE REGEX "^$")
set(present "")
foreach(file ${files})
    if(EXISTS "${ROOT}/${file}")
        list(APPEND present ${file})
    endif()
endforeach()
set(files ${present})
list(LENGTH files count)
if(count EQUAL 0)
    message(FATAL_ERROR "no C++ files found below ${ROOT}")
endif()

execute_process(COMMAND ${CLANG_FORMAT} --version OUTPUT_VARIABLE version
    OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CLANG_FORMAT} --style=file --dry-run --Werror ${files}
    WORKING_DIRECTORY ${ROOT} RESULT_VARIABLE status ERROR_VARIABLE complaints)
if(NOT status EQUAL 0)
    string(REGEX MATCHALL "[^\n:]+:[0-9]+:[0-9]+: (warning|error)" places "${complaints}")
    set(unformatted "")
    foreach(place ${places})
        string(REGEX REPLACE ":[0-9]+:[0-9]+: (warning|error)$" "" file "${place}")
        list(APPEND unformatted ${file})
    endforeach()
    list(REMOVE_DUPLICATES unformatted)
    list(JOIN unformatted "\n  " unformatted)
    message(FATAL_ERROR "Not formatted by .clang-format (${version}):\n  ${unformatted}\n"
        "Run clang-format -i on each of them.")
endif()
message("${count} C++ files formatted by .clang-format (${version})")
