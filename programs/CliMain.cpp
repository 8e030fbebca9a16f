// brookfetch-cli: the connector programmer for scripts, batches and the command line.

#include "BrookfetchVersion.h"
#include "cli/Cli.h"
#include "platform/framework/NativePath.h"
#include "platform/process/Process.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brookfetch-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(BrookfetchVersion));
    process::UseUtf8Console();
    // From here on a signal cannot cut a transfer or a save short: the command ends first.
    process::CatchStopRequests();

    QTextStream out(stdout);
    QTextStream err(stderr);
    cli::TCli cli(out, err, process::IsTerminal(process::TStream::Output),
                  process::IsTerminal(process::TStream::Error));
    // Not QCoreApplication::arguments(), which decodes every argument as UTF-8 and so loses
    // the bytes of a file name that is not.
    QStringList arguments;
    for (const process::TNativeString& argument : process::Arguments(argc, argv))
        arguments << NativeText(argument);
    const int code = cli.Run(arguments);
    out.flush();
    err.flush();
    return code;
}
