// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// Under Wine, the window program asks Wine's X11 driver to hand the keyboard to its windows
// directly instead of through the window manager's take-focus messages. With those messages,
// a window manager that gives the focus back while a system dialog (Open, Save As, Print) is
// closing finds the main window still disabled by the dialog; Wine then keeps the keyboard
// nowhere, and the window ignores Alt+F and Ctrl+S until it is clicked. The option is Wine's
// own per-program setting (under HKCU\Software\Wine\AppDefaults); a value the user set stands.
// Wine reads it when its display driver loads, before the program's first line runs, so the
// start that sets it runs the program once more with the same command line and returns that
// run's exit code (the caller ends with it); otherwise it returns nothing and the start goes on.
// Nothing happens on Windows itself or on Linux.
std::optional<int> PreferDirectFocusUnderWine();
