// SPDX-License-Identifier: GPL-3.0-or-later
// brookfetch-cli: the connector programmer for scripts, batches and the command line.

#include "BrookfetchVersion.h"
#include "cli/Cli.h"
#include "cli/CommandLine.h"
#include "platform/framework/NativePath.h"
#include "platform/process/Process.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <memory>

namespace {

QtMessageHandler QtDefault = nullptr;

void QuietQt(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QtDefault(type, context, message);
}

} // namespace

int main(int argc, char* argv[]) {
    QtDefault = qInstallMessageHandler(nullptr);
    // Not QCoreApplication::arguments(), which decodes every argument as UTF-8 and so loses
    // the bytes of a file name that is not.
    QStringList arguments;
    for (const process::TNativeString& argument : process::Arguments(argc, argv))
        arguments << NativeText(argument);
    // Only a command that paints (the sheet) makes the GUI application, on a platform that
    // needs no display; every other command runs without one.
    std::unique_ptr<QCoreApplication> application;
    if (cli::Draws(arguments.mid(1))) {
        if (const char* platform = process::FileOnlyGuiPlatform())
            qputenv("QT_QPA_PLATFORM", platform);
        // Standard error carries the program's own lines, one per error; Qt's remarks about
        // its platform (no runtime folder, ...) are no error of the command.
        qInstallMessageHandler(QuietQt);
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("brookfetch-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(BrookfetchVersion));
    process::UseUtf8Console();
    // From here on a signal cannot cut a transfer or a save short: the command ends first.
    process::CatchStopRequests();

    QTextStream out(stdout);
    QTextStream err(stderr);
    cli::TCli cli(out, err, process::IsTerminal(process::TStream::Output),
                  process::IsTerminal(process::TStream::Error));
    const int code = cli.Run(arguments);
    out.flush();
    err.flush();
    return code;
}
