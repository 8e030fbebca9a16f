# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build (cross-built with MinGW-w64 by scripts/windows-build): every program and
# test lands in bin/, beside what it needs to run there or under Wine: Qt's libraries and
# plugins, the compiler's runtime libraries, the translations and qt.conf.

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(brookfetch_program_dir ${CMAKE_BINARY_DIR}/bin)
# windows.h only as much as we use, and without its min and max macros.
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX)

# lrelease and lupdate are the build machine's; the Windows Qt has no tools of its own.
if(NOT TARGET Qt6::lrelease)
    find_program(brookfetch_lrelease lrelease PATHS /usr/lib/qt6/bin NO_DEFAULT_PATH REQUIRED)
    find_program(brookfetch_lupdate lupdate PATHS /usr/lib/qt6/bin NO_DEFAULT_PATH REQUIRED)
    add_executable(Qt6::lrelease IMPORTED)
    set_target_properties(Qt6::lrelease PROPERTIES IMPORTED_LOCATION ${brookfetch_lrelease})
    add_executable(Qt6::lupdate IMPORTED)
    set_target_properties(Qt6::lupdate PROPERTIES IMPORTED_LOCATION ${brookfetch_lupdate})
endif()

# brookfetch_windows_program(TARGET NAME DESCRIPTION): the icon, the version Explorer shows and
# the manifest (common controls 6, per-monitor DPI, UTF-8 "A" calls) of one program.
string(REGEX REPLACE "^0+([0-9])" "\\1" BROOKFETCH_VERSION_MINOR "${PROJECT_VERSION_MINOR}")
function(brookfetch_windows_program target program description)
    set(BROOKFETCH_PROGRAM ${program})
    set(BROOKFETCH_DESCRIPTION ${description})
    set(BROOKFETCH_ICON ${PROJECT_SOURCE_DIR}/packaging/windows/brookfetch.ico)
    set(BROOKFETCH_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${program}.manifest)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.manifest.in
        ${BROOKFETCH_MANIFEST} @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in
        ${CMAKE_CURRENT_BINARY_DIR}/${program}.rc @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${program}.rc)
endfunction()

# What the programs need beside them: copied at every build, only when changed.
get_target_property(brookfetch_qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(brookfetch_qt_bin ${brookfetch_qt_core} DIRECTORY)
get_filename_component(brookfetch_qt_prefix ${brookfetch_qt_bin} DIRECTORY)
# Every Qt library the build found: print support for the window's File, Print; Qt Test for the
# journeys' input events (never packaged: scripts/windows-package takes what the programs
# import).
set(brookfetch_runtime_files)
foreach(module Core Gui Widgets Network PrintSupport Test)
    if(TARGET Qt6::${module})
        get_target_property(library Qt6::${module} IMPORTED_LOCATION_RELEASE)
        list(APPEND brookfetch_runtime_files ${library})
    endif()
endforeach()
# libssp serves the stack guard.
foreach(library libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll libssp-0.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library}
        OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}")
        find_file(found_${library} ${library} PATHS /usr/${CMAKE_CXX_LIBRARY_ARCHITECTURE}
            /usr/x86_64-w64-mingw32/lib NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
        set(found ${found_${library}})
    endif()
    list(APPEND brookfetch_runtime_files ${found})
endforeach()
# The offscreen platform serves the tests; the Vista style is the one Windows users know.
set(brookfetch_runtime_plugins
    platforms/qwindows.dll platforms/qoffscreen.dll styles/qwindowsvistastyle.dll)
# Qt's own translations of its dialogs' words, for every language we have.
file(GLOB brookfetch_qt_translations /usr/share/qt6/translations/qtbase_*.qm)

set(copy_commands)
foreach(file ${brookfetch_runtime_files})
    list(APPEND copy_commands COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file}
        ${brookfetch_program_dir}/)
endforeach()
foreach(plugin ${brookfetch_runtime_plugins})
    get_filename_component(folder ${plugin} DIRECTORY)
    list(APPEND copy_commands
        COMMAND ${CMAKE_COMMAND} -E make_directory ${brookfetch_program_dir}/${folder}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${brookfetch_qt_prefix}/plugins/${plugin}
            ${brookfetch_program_dir}/${folder}/)
endforeach()
list(APPEND copy_commands
    COMMAND ${CMAKE_COMMAND} -E make_directory ${brookfetch_program_dir}/translations
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${brookfetch_qt_translations}
        ${brookfetch_program_dir}/translations/
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
        ${PROJECT_SOURCE_DIR}/packaging/windows/qt.conf ${brookfetch_program_dir}/)
add_custom_target(brookfetch_windows_runtime ALL ${copy_commands}
    COMMENT "Putting Qt and the compiler's runtime beside the programs" VERBATIM)

# The folder of the simulated FTD2XX.DLL (sim/): the programs appear there too, so that started
# from there they find the simulated driver as they would find FTDI's. Called at the end of the
# top-level list, when every program is known.
set(brookfetch_simulated_dir ${CMAKE_BINARY_DIR}/simulated-driver)
function(brookfetch_windows_simulated_folder)
    get_property(programs GLOBAL PROPERTY brookfetch_windows_programs)
    add_custom_target(brookfetch_simulated_folder ALL
        COMMAND ${CMAKE_COMMAND} -DFROM=${brookfetch_program_dir} -DTO=${brookfetch_simulated_dir}
            -P ${PROJECT_SOURCE_DIR}/cmake/LinkBeside.cmake
        COMMENT "Linking the programs beside the simulated FTD2XX.DLL" VERBATIM)
    add_dependencies(brookfetch_simulated_folder brookfetch_windows_runtime
        brookfetch_simulated_ftd2xx ${programs})
endfunction()
