// brookfetch-cli: the connector programmer for scripts, batches and the command line.

#include "BrookfetchVersion.h"
#include "cli/Cli.h"
#include "cli/NativeName.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brookfetch-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(BrookfetchVersion));

    QTextStream out(stdout);
    QTextStream err(stderr);
    cli::TCli cli(out, err, ::isatty(STDOUT_FILENO) == 1, ::isatty(STDERR_FILENO) == 1);
    // Not QCoreApplication::arguments(), which decodes every argument as UTF-8 and so loses
    // the bytes of a file name that is not.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << cli::ArgumentText(QByteArray(argv[i]));
    const int code = cli.Run(arguments);
    out.flush();
    err.flush();
    return code;
}
