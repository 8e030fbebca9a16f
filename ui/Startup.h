#pragma once

#include <functional>

// Qt ends a program it can give no display with an abort and a page about reinstalling it.
// While this object lives (around the making of the QApplication), such an end prints one line
// saying what the window program needs and exits with 1 instead; Qt's other messages of that
// time are held and passed on when the object goes.
class TDisplayGuard {
public:
    TDisplayGuard();
    ~TDisplayGuard();
    TDisplayGuard(const TDisplayGuard&) = delete;
    TDisplayGuard& operator=(const TDisplayGuard&) = delete;
};

// The window program from start to end, inside the running QApplication: the application
// title, the translation, the four windows in their order, the main window shown and the
// event loop until it closes. `started` runs once from the event loop after the main window
// has been shown and has begun its first data set; an error it raises is shown as any
// handler's. Returns the main routine's exit code, 0.
int RunWindows(const std::function<void()>& started = {});
