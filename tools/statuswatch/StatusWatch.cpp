// SPDX-License-Identifier: GPL-3.0-or-later
// The window program's start-up and windows, with the adapter panel of the status bar printed
// on standard output each time its text changes, so a script can follow what a user would see
// while adapters come and go. Runs until it is stopped (a signal); run it offscreen:
//
//   QT_QPA_PLATFORM=offscreen brookfetch-status-watch
//
// Its settings file goes where the program's would (beside it, or the user's folder).
#include "ui/Main.h"
#include "ui/Startup.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    return RunWindows([] {
        auto* poll = new QTimer(MainForm);
        auto* shown = new QString;
        QObject::connect(poll, &QTimer::timeout, MainForm, [shown] {
            const QString text = MainForm->StatusText(2);
            if (text == *shown)
                return;
            *shown = text;
            std::printf("adapter: %s\n", qPrintable(QString(text).replace('\n', ' ')));
            std::fflush(stdout);
        });
        poll->start(100);
    });
}
