// SPDX-License-Identifier: GPL-3.0-or-later
// The window program's start-up, from its command line to the end of its windows; shared by
// the program and the start-up benchmark, which measures exactly this.
#include "WindowProgram.h"
#include "BrookfetchVersion.h"
#include "app/Trace.h"
#include "model/Q47Validation.h"
#include "platform/framework/Application.h"
#include "ui/Accessibility.h"
#include "ui/Main.h"
#include "ui/Msg.h"
#include "ui/SingleWindow.h"
#include "ui/Startup.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

// --help and --version answer on the terminal, without a display; true when one did.
bool AnsweredOnTheTerminal(int argc, char* argv[]) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (!std::strcmp(argv[i], "-h") || !std::strcmp(argv[i], "--help")) {
            std::fputs("Usage: brookfetch [options] [FILE.brk]\n"
                       "Programs the configuration connector of the Q47 water sampler through "
                       "the USB adapter.\n"
                       "A FILE.brk given is opened once the window is up.\n"
                       "\n"
                       "Options:\n"
                       "  -h, --help     Show this help.\n"
                       "  -V, --version  Show the program's version.\n"
                       "  --trace FILE   Append every call of the adapter's driver and every "
                       "frame,\n"
                       "                 with its time, to FILE for a support person (- for "
                       "standard\n"
                       "                 error); BROOKFETCH_TRACE=FILE does the same.\n",
                       stdout);
            return true;
        }
        if (!std::strcmp(argv[i], "-V") || !std::strcmp(argv[i], "--version")) {
            std::printf("brookfetch %s\n", BrookfetchVersion);
            return true;
        }
    }
    return false;
}

// "--trace FILE" or "--trace=FILE", taken out of the arguments; what is left names the file to
// open. Nothing when it is not given, an empty name when its file is missing.
std::optional<QString> TakeTraceOption(QStringList& arguments) {
    std::optional<QString> trace;
    for (qsizetype i = 0; i < arguments.size();) {
        if (arguments[i] == QLatin1String("--trace")) {
            trace = arguments.value(i + 1);
            arguments.remove(i, std::min<qsizetype>(2, arguments.size() - i));
        } else if (arguments[i].startsWith(QLatin1String("--trace="))) {
            trace = arguments[i].mid(8);
            arguments.removeAt(i);
        } else {
            ++i;
        }
    }
    return trace;
}

// Starts the trace the command line or the environment asks for; what the user is to be told
// when it cannot be written, or nothing.
QString StartTraceAsked(const std::optional<QString>& option) {
    if (option && option->isEmpty())
        return QStringLiteral("The option --trace needs the name of a file: brookfetch --trace "
                              "FILE. Brookfetch runs without a trace.");
    const QString file = TraceFileChosen(option.value_or(QString()));
    if (file.isEmpty())
        return QString();
    // The trace's head names the program's version.
    QCoreApplication::setApplicationVersion(QString::fromLatin1(BrookfetchVersion));
    if (QString why; !StartTrace(file, why))
        return QStringLiteral("The trace cannot be written into %1: %2. Brookfetch runs without "
                              "a trace.")
            .arg(QDir::toNativeSeparators(file), why);
    return QString();
}

// Another start's request, once the main window is there to take it (an error box shown while
// the windows are made lets requests in before).
void Deliver(const QString& file) {
    if (!MainForm) {
        QTimer::singleShot(250, [file] { Deliver(file); });
        return;
    }
    Guarded([&file] { MainForm->OpenRequested(file); });
}

} // namespace

int RunWindowProgram(int argc, char* argv[], const std::function<void()>& shown) {
    if (AnsweredOnTheTerminal(argc, argv))
        return 0;
    std::optional<TDisplayGuard> display(std::in_place);
    QApplication qt(argc, argv);
    display.reset();
    accessibility::Install();
    // Names the desktop entry, so that a Wayland desktop shows its icon for the window.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brookfetch.Brookfetch"));
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const std::optional<QString> trace = TakeTraceOption(arguments);
    QString file;
    if (arguments.size() == 1 && IsConfigurationFileName(arguments[0]))
        file = QFileInfo(arguments[0]).absoluteFilePath();

    // One window per user and session: a window already running takes the file.
    TSingleWindow single;
    switch (single.Claim(file)) {
    case TSingleWindow::TClaim::HandedOver:
        return 0;
    case TSingleWindow::TClaim::NoAnswer:
        std::fputs("brookfetch: the window already running does not answer; opening another\n",
                   stderr);
        break;
    case TSingleWindow::TClaim::First:
        single.OnRequest = Deliver;
        break;
    }
    // The window works without its trace: a trace that cannot be written is told once it is up.
    const QString traceProblem = StartTraceAsked(trace);
    return RunWindows([file, shown, traceProblem] {
        if (!traceProblem.isEmpty())
            Application->MessageBox(traceProblem, MessageText(QStringLiteral("MsgWarning")), MB_OK);
        if (shown)
            shown();
        if (!file.isEmpty())
            MainForm->OpenNamedFile(file);
    });
}
