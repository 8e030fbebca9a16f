# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-building for 64-bit Windows with Debian's MinGW-w64 (posix threads, so std::thread and
# std::mutex work). Used for Qt, libjpeg-turbo and GoogleTest by scripts/windows-setup and for
# Brookfetch itself by scripts/windows-build. BROOKFETCH_WINDOWS_PREFIX names the folder holding
# the cross-built libraries; programs (moc, rcc, uic, lrelease) are the build machine's own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

# try_compile() runs this file again in a project of its own: pass the prefix along.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES BROOKFETCH_WINDOWS_PREFIX)
if(NOT BROOKFETCH_WINDOWS_PREFIX AND DEFINED ENV{BROOKFETCH_WINDOWS_PREFIX})
    set(BROOKFETCH_WINDOWS_PREFIX $ENV{BROOKFETCH_WINDOWS_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${BROOKFETCH_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
