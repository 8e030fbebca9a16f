// SPDX-License-Identifier: GPL-3.0-or-later
// The window program: builds the windows in the language chosen for this executable and
// runs them until the main window closes.
//
//   brookfetch [FILE.brk]
//
// A configuration file given as the one argument (a double click on it, "Open with") is
// opened once the window is up, as File > Open would open it; other arguments are ignored.
// While a window runs in the user's desktop session, a start hands its file to that window and
// ends.
#include "WindowProgram.h"
#include "platform/registry/WineFocus.h"

int main(int argc, char* argv[]) {
    if (const std::optional<int> code = PreferDirectFocusUnderWine())
        return *code;
    return RunWindowProgram(argc, argv);
}
