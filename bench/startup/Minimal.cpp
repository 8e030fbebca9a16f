// SPDX-License-Identifier: GPL-3.0-or-later
// The yardsticks for bench_startup: an empty Qt Widgets main window, or with --texts one that
// shows what every program window shows (a menu bar, a tool bar, a status bar and a line of
// text), which is what makes Qt read the system's fonts. Either reports when its first paint is
// done the same way bench_startup_probe does, then quits.
#include "FirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    TFirstPaint firstPaint([] { QCoreApplication::quit(); });
    QMainWindow window;
    if (argc > 1 && std::strcmp(argv[1], "--texts") == 0) {
        QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
        for (const char* item : {"&New", "&Open...", "&Save", "E&xit"})
            file->addAction(QString::fromLatin1(item));
        window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
        QToolBar* tools = window.addToolBar(QStringLiteral("Tools"));
        tools->addAction(QStringLiteral("New"));
        tools->addAction(QStringLiteral("Read"));
        window.statusBar()->addWidget(new QLabel(QStringLiteral("Adapter OK")));
        window.setCentralWidget(new QLabel(QStringLiteral("Water sampler")));
    }
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
