// SPDX-License-Identifier: GPL-3.0-or-later
// The window program with two time stamps for bench_startup: the program's own start-up and
// windows, printing "probe shown <us>" once the main window's first paint is done and
// "probe tick <us>" after the first status tick (monotonic clock, on stderr), then closing the
// main window as a user would.
#include "FirstPaint.h"
#include "WindowProgram.h"
#include "ui/Main.h"

namespace {

// Watches from the moment the program makes its QApplication.
void WatchTheFirstPaint() {
    (new TFirstPaint())->setParent(QCoreApplication::instance());
}
Q_COREAPP_STARTUP_FUNCTION(WatchTheFirstPaint)

} // namespace

int main(int argc, char* argv[]) {
    return RunWindowProgram(argc, argv, [] {
        // Connected after the window's own handler, so it runs when the tick is done.
        QObject::connect(MainForm->Timer, &QTimer::timeout, MainForm, [] {
            static bool seen = false;
            if (seen)
                return;
            seen = true;
            ProbeLine("tick");
            QTimer::singleShot(0, MainForm, [] { MainForm->close(); });
        });
    });
}
