# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DFROM=<folder> -DTO=<folder> -P LinkBeside.cmake
# Every entry of FROM appears in TO as a symbolic link, so that the programs started from TO run
# beside what TO holds of its own (the simulated FTD2XX.DLL).
file(MAKE_DIRECTORY ${TO})
file(GLOB entries RELATIVE ${FROM} ${FROM}/*)
foreach(entry ${entries})
    if(NOT EXISTS ${TO}/${entry} AND NOT IS_SYMLINK ${TO}/${entry})
        file(CREATE_LINK ${FROM}/${entry} ${TO}/${entry} SYMBOLIC)
    endif()
endforeach()
