// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// Runs the window program: --help and --version on the terminal, else the windows in the
// language chosen for this executable until the main window closes (or hands its file to the
// window already running). `shown` runs once the main window is up, before a file given on
// the command line is opened. Returns the process's exit code.
int RunWindowProgram(int argc, char* argv[], const std::function<void()>& shown = {});
