#include "cli/Cli.h"

#include "cli/Commands.h"
#include "cli/ExitCode.h"
#include "cli/Help.h"
#include "cli/Lanes.h"
#include "cli/Log.h"
#include "platform/framework/Exceptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace cli {

// What a command takes.
struct CommandShape {
    const char* Name;
    int MinOperands;
    int MaxOperands; // -1: any number
    bool Wait;       // --wait allowed
    bool Json;       // --json allowed
    bool Image;      // --log and --all allowed: the command moves a connector's image
};

namespace {

// More than a few attempts only keeps a failing connector on the bench longer.
constexpr int MaxRetries = 20;

const CommandShape Shapes[] = {
    {"status", 0, 0, false, true, false}, {"read", 1, 1, true, false, true},
    {"write", 1, 1, true, false, true},   {"verify", 1, 1, false, false, true},
    {"show", 0, 1, false, true, false},   {"new", 1, -1, false, false, false},
    {"set", 2, -1, false, false, false},
};

const CommandShape* FindShape(const QString& command) {
    for (const CommandShape& shape : Shapes) {
        if (command == QLatin1String(shape.Name))
            return &shape;
    }
    return nullptr;
}

int Dispatch(TCommands& commands, const QString& command, const QString& file,
             const QStringList& assignments, bool wait) {
    try {
        if (command == QLatin1String("status"))
            return commands.Status();
        if (command == QLatin1String("read"))
            return wait ? commands.ReadEach(file) : commands.Read(file);
        if (command == QLatin1String("write"))
            return wait ? commands.WriteEach(file) : commands.Write(file);
        if (command == QLatin1String("verify"))
            return commands.Verify(file);
        if (command == QLatin1String("show"))
            return commands.Show(file);
        if (command == QLatin1String("new"))
            return commands.New(file, assignments);
        return commands.Set(file, assignments);
    } catch (const Exception& failure) {
        // An internal failure of the link or the UART: the transfer did not complete.
        return commands.Fail(ExitCommunicationError,
                             QStringLiteral("internal error: %1; unplug the adapter, plug it in "
                                            "again and retry")
                                 .arg(failure.Message));
    }
}

} // namespace

TCli::TCli(QTextStream& out, QTextStream& err, bool outIsTerminal, bool errIsTerminal)
    : Out(out), Err(err), OutIsTerminal(outIsTerminal), ErrIsTerminal(errIsTerminal) {}

QString TCli::CommandsHelp() {
    return QStringLiteral(
        "Commands:\n"
        "  status                  the adapter's description and version, the connector\n"
        "  read FILE               read the connector into FILE (- for standard output)\n"
        "  write FILE              write FILE into the connector and verify it\n"
        "  verify FILE             compare the connector with FILE\n"
        "  show [FILE]             the parameters of FILE, or of the connector\n"
        "  new FILE [NAME=VALUE...]\n"
        "                          a file with the default parameters, changed as given\n"
        "  set FILE NAME=VALUE...  change parameters of FILE (all or nothing)\n"
        "  help [COMMAND]          the synopsis, options and an example of a command\n"
        "FILE may be - for standard input or output.\n"
        "\n"
        "Parameters: PumpPulses (read-only), DeadTime=hh:mm:ss, PrePurge, Aeration,\n"
        "PostPurge (seconds), SamplingInterval=hh:mm:ss, Continuous=\"Acc. to Samples Count\"\n"
        "or Continuous, SamplesCount, AccuWarning, AccuOff (volts, e.g. 11.0),\n"
        "MaxSuctionTime (seconds), PurgesCount, VarMode=Disabled, \"0 - 20mA\" or \"4 - 20mA\".\n"
        "A refused value names the parameter and its accepted range.\n"
        "\n"
        "Exit codes: 0 success, 1 communication error, 2 file access error,\n"
        "3 parameter out of range or malformed, 4 no adapter or no connector (or an adapter\n"
        "in use by another program), 5 the connector's content differs, 64 usage error.\n");
}

int TCli::Usage(const QString& message) {
    Err << "brookfetch-cli: " << message << "; see brookfetch-cli --help\n";
    Err.flush();
    return ExitUsage;
}

QString TCli::OperandProblem(const CommandShape& shape, const QStringList& operands, bool wait,
                             bool json) const {
    const QString command = QLatin1String(shape.Name);
    if (operands.size() < shape.MinOperands)
        return QStringLiteral("%1 needs %2")
            .arg(command, shape.MinOperands == 2 ? QStringLiteral("FILE NAME=VALUE...")
                                                 : QStringLiteral("FILE"));
    if (shape.MaxOperands >= 0 && operands.size() > shape.MaxOperands)
        return QStringLiteral("too many operands for %1: %2")
            .arg(command, operands.mid(shape.MaxOperands).join(QLatin1Char(' ')));
    if (wait && !shape.Wait)
        return QStringLiteral("--wait goes with read or write only");
    if (json && !shape.Json)
        return QStringLiteral("--json goes with show or status only");
    for (const QString& assignment : operands.mid(1)) {
        if (!assignment.contains(QLatin1Char('=')))
            return QStringLiteral("\"%1\" is not an assignment NAME=VALUE").arg(assignment);
    }
    const QString file = operands.value(0);
    // An empty FILE would make show read the connector instead.
    if (!operands.isEmpty() && file.isEmpty())
        return QStringLiteral("an empty file name");
    if (file != QLatin1String("-"))
        return QString();
    if (command == QLatin1String("set"))
        return QStringLiteral("set changes a file in place; use new - to write to standard "
                              "output");
    if (wait)
        return QStringLiteral("--wait needs a file name, not -");
    if (OutIsTerminal && (command == QLatin1String("read") || command == QLatin1String("new")))
        return QStringLiteral("the 128-byte image is not written to a terminal; redirect "
                              "standard output, e.g. > file.brk");
    return QString();
}

int TCli::Run(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Reads, writes and verifies the configuration connector of the Q47\n"
                       "water sampler through the USB adapter, and edits .brk files."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QStringLiteral("Show this help; with a command, that command's help."));
    const QCommandLineOption version({QStringLiteral("V"), QStringLiteral("version")},
                                     QStringLiteral("Show the program's version."));
    const QCommandLineOption quiet({QStringLiteral("q"), QStringLiteral("quiet")},
                                   QStringLiteral("No progress bar and no messages on success."));
    const QCommandLineOption trace(
        QStringLiteral("trace"),
        QStringLiteral("Print every frame exchanged with the adapter, in hex, on standard error."));
    const QCommandLineOption serial(
        QStringLiteral("serial"),
        QStringLiteral("Use the adapter with serial number SN (when several are attached)."),
        QStringLiteral("SN"));
    const QCommandLineOption wait(
        QStringLiteral("wait"),
        QStringLiteral("With read or write: production mode, one connector after another "
                       "until interrupted."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("With show or status: one JSON object."));
    const QCommandLineOption log(
        QStringLiteral("log"),
        QStringLiteral("With read, write or verify: append a JSON line per connector to FILE."),
        QStringLiteral("FILE"));
    const QCommandLineOption all(
        QStringLiteral("all"),
        QStringLiteral("With read, write or verify: every attached adapter at once, one lane "
                       "per adapter."));
    const QCommandLineOption retries(
        QStringLiteral("retries"),
        QStringLiteral("Start a transfer that failed on the link again, up to N more times "
                       "(default 2)."),
        QStringLiteral("N"), QStringLiteral("2"));
    parser.addOptions({help, version, quiet, trace, serial, wait, json, retries, log, all});
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QStringLiteral("status, read, write, verify, show, new, set, help"));
    parser.addPositionalArgument(QStringLiteral("operands"), QStringLiteral("FILE, NAME=VALUE"),
                                 QStringLiteral("[operands...]"));

    if (!parser.parse(arguments)) {
        // Qt's "Unknown option 'x'." in the form of this program's other messages.
        QString text = parser.errorText();
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
        if (!text.isEmpty())
            text[0] = text[0].toLower();
        return Usage(text);
    }
    QStringList operands = parser.positionalArguments();
    // "help write" and "write --help" describe that command.
    const bool helpCommand = operands.value(0) == QLatin1String("help");
    if (helpCommand && operands.size() > 2)
        return Usage(QStringLiteral("help takes one command"));
    const QString described = operands.value(helpCommand ? 1 : 0);
    if ((helpCommand || parser.isSet(help)) && FindShape(described) != nullptr) {
        Out << CommandHelp(described);
        Out.flush();
        return ExitOk;
    }
    if (helpCommand && !described.isEmpty())
        return Usage(QStringLiteral("unknown command \"%1\"").arg(described));
    if (helpCommand || parser.isSet(help)) {
        // Qt names the program by its full path; the user types its name.
        QString text = parser.helpText();
        const qsizetype usageEnd = text.indexOf(QLatin1String(" [options]"));
        if (text.startsWith(QLatin1String("Usage: ")) && usageEnd > 0)
            text.replace(7, usageEnd - 7, QCoreApplication::applicationName());
        Out << text << '\n' << CommandsHelp();
        Out.flush();
        return ExitOk;
    }
    if (parser.isSet(version)) {
        Out << "brookfetch-cli " << QCoreApplication::applicationVersion() << '\n';
        Out.flush();
        return ExitOk;
    }

    if (operands.isEmpty())
        return Usage(QStringLiteral("no command given"));
    const QString command = operands.takeFirst();
    const CommandShape* shape = FindShape(command);
    if (shape == nullptr)
        return Usage(QStringLiteral("unknown command \"%1\"").arg(command));
    const QString file = operands.value(0);
    const QStringList assignments = operands.mid(1);
    if (const QString problem =
            OperandProblem(*shape, operands, parser.isSet(wait), parser.isSet(json));
        !problem.isEmpty())
        return Usage(problem);
    if (parser.isSet(serial) && parser.value(serial).isEmpty())
        return Usage(QStringLiteral("--serial needs a serial number"));
    if (parser.isSet(log) && !shape->Image)
        return Usage(QStringLiteral("--log goes with read, write or verify only"));
    if (parser.isSet(log) && parser.value(log).isEmpty())
        return Usage(QStringLiteral("--log needs a file name"));
    if (parser.isSet(all) && !shape->Image)
        return Usage(QStringLiteral("--all goes with read, write or verify only"));
    if (parser.isSet(all) && parser.isSet(serial))
        return Usage(QStringLiteral("--all and --serial exclude each other"));
    if (parser.isSet(all) && file == QLatin1String("-"))
        return Usage(QStringLiteral("--all needs a file name, not -"));
    bool retriesValid = false;
    const int retryCount = parser.value(retries).toInt(&retriesValid);
    if (!retriesValid || retryCount < 0 || retryCount > MaxRetries)
        return Usage(QStringLiteral("--retries needs a whole number 0..%1").arg(MaxRetries));

    TOptions options;
    options.Quiet = parser.isSet(quiet);
    options.Trace = parser.isSet(trace);
    options.Wait = parser.isSet(wait);
    options.Json = parser.isSet(json);
    options.Serial = parser.value(serial);
    options.Retries = retryCount;
    // The trace's lines and a bar redrawn in place do not share a terminal well.
    options.Progress = ErrIsTerminal && !options.Quiet && !options.Trace;

    if (parser.isSet(all))
        return RunLanes({command, file, options, parser.value(log)}, Out, Err);

    TCommands commands(options, Out, Err);
    TLog logFile;
    if (parser.isSet(log)) {
        // Before any transfer: a bench run whose record cannot be kept does not start.
        if (QString error; !logFile.Open(parser.value(log), error))
            return commands.Fail(ExitFileError, error);
        commands.LogTo(&logFile);
    }
    return Dispatch(commands, command, file, assignments, options.Wait);
}

} // namespace cli
