# SPDX-License-Identifier: GPL-3.0-or-later
cmake_minimum_required(VERSION 3.25)
# The layers as docs/architecture.md draws them, checked on the sources: every call of the
# operating system stands in platform/ (the simulator's pseudo-terminal and USB/IP servers on
# Linux aside), only the windows themselves and the programs' main routines include ui/, and
# only the simulator includes sim/ (the programs never contain its firmware). The parameter
# sheet (sheet/) paints with Qt Gui for the windows and the command line alike: only they and
# the programs include it, it uses no widget, and neither does the command line; the layers
# below them use Qt Core at most.
# Tests, benchmarks, tools and fuzz targets are scaffolding around the programs and may reach
# the system directly.
#   cmake -DROOT=<source folder> -P CheckLayers.cmake
set(checked adapter app cli Library model programs sheet sim ui)
set(exempt sim/PtyServer.h sim/PtyServer.cpp sim/SimMain.cpp sim/StopPipe.cpp sim/UsbIpServer.h
    sim/UsbIpServer.cpp)

set(system_headers "#include <(unistd|fcntl|signal|csignal|poll|spawn|termios|pty|dirent|pwd|grp|dlfcn|windows|io|direct|shellapi|winsock2?)\\.?h?>|#include <sys/")
set(system_calls "(^|[^A-Za-z0-9_.>])(realpath|mkostemp|mkstemp|fsync|fdatasync|fork|posix_spawn|isatty|sigaction|pipe2?|waitpid|openat|getuid|geteuid|CreateFileW|CreateProcessW|LoadLibraryW?|SetConsoleCtrlHandler) *\\(|::(open|close|read|write|rename|unlink|stat|lstat|kill|raise|signal) *\\(|std::(raise|signal) *\\(")

# Qt's widgets and print support (which needs them), and Qt Gui.
set(widget_headers "#include <Q(t?Widgets|t?PrintSupport|Widget|Application|Dialog|MainWindow|Label|MessageBox|FileDialog|PrintDialog|Printer|PrinterInfo)[>/]")
set(gui_headers "#include <Q(t?Gui|GuiApplication|Painter|Font|FontMetrics|FontMetricsF|Image|Pixmap|Icon|Color|PdfWriter|PagedPaintDevice|PageLayout|PageSize)[>/]")

set(found "")
foreach(folder ${checked})
    file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.h)
    foreach(source ${sources})
        if(source IN_LIST exempt)
            continue()
        endif()
        file(STRINGS ${ROOT}/${source} lines)
        set(number 0)
        foreach(line IN LISTS lines)
            math(EXPR number "${number} + 1")
            if(line MATCHES "^[ \t]*//")
                continue()
            endif()
            if(line MATCHES "${system_headers}" OR line MATCHES "${system_calls}")
                string(APPEND found "  ${source}:${number}: ${line}\n")
            endif()
            if((line MATCHES "#include \"ui/" AND NOT folder MATCHES "^(ui|programs)$") OR
               (line MATCHES "#include \"sim/" AND NOT folder STREQUAL "sim") OR
               (line MATCHES "#include \"sheet/" AND NOT folder MATCHES "^(sheet|ui|cli|programs)$") OR
               (line MATCHES "${widget_headers}" AND folder MATCHES "^(sheet|cli)$") OR
               (line MATCHES "${gui_headers}" AND folder MATCHES "^(adapter|app|model|Library|sim)$"))
                string(APPEND found "  ${source}:${number}: ${line}\n")
            endif()
        endforeach()
    endforeach()
endforeach()
if(found)
    message(FATAL_ERROR "System calls, window, sheet, simulator or Qt Gui headers outside their layers:\n${found}"
        "Move the call into platform/ (one file per system) and call that.")
endif()
