// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Cli.h"

#include "app/Trace.h"
#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "cli/Lanes.h"
#include "cli/NativeName.h"
#include "platform/framework/Exceptions.h"
#include "platform/process/Process.h"

#include <QCoreApplication>

namespace cli {

TCli::TCli(QTextStream& out, QTextStream& err, bool outIsTerminal, bool errIsTerminal)
    : OutStream(out), Err(err), OutIsTerminal(outIsTerminal), ErrIsTerminal(errIsTerminal) {}

TCli::~TCli() = default;

TCommands& TCli::Commands() {
    if (!CommandsPtr) {
        CommandsPtr = std::make_unique<TCommands>(Options, OutStream, Err);
        if (Log.IsOpen())
            CommandsPtr->LogTo(&Log, Options.Log);
    }
    return *CommandsPtr;
}

int TCli::Usage(const QString& message) {
    Err << "brookfetch-cli: " << message << "; see brookfetch-cli --help\n";
    Err.flush();
    return ExitUsage;
}

int TCli::Run(const QStringList& arguments) {
    TInvocation call;
    if (QString problem; !Parse(arguments.mid(1), OutIsTerminal, call, problem))
        return Usage(problem);
    if (call.Command == nullptr) { // --version
        OutStream << "brookfetch-cli " << QCoreApplication::applicationVersion() << '\n';
        OutStream.flush();
        return ExitOk;
    }
    // A trace asked for in the environment is taken as if the option had asked for it: the
    // lanes of --all are given files of their own.
    call.Options.Trace = TraceFileChosen(call.Options.Trace);
    Options = call.Options;
    if (!Options.Trace.isEmpty()) {
        if (QString why; !StartTrace(Options.Trace, why))
            return TConsole(OutStream, Err, Options.Quiet)
                .Fail(ExitFileError,
                      QStringLiteral("cannot open the trace %1 for appending: %2; nothing was done")
                          .arg(DisplayName(Options.Trace), why));
    }
    // The trace's lines and a bar redrawn in place do not share a terminal well.
    Options.Progress = ErrIsTerminal && !Options.Quiet && Options.Trace != QLatin1String("-");

    const int code = Options.All ? RunLanes(call, OutStream, Err) : RunHere(call);
    // A stop is honoured here, once the command is done: its transfer has ended, its file has
    // been saved and its record written. Production mode has ended its run by itself.
    if (process::StopRequested() && !Options.Wait) {
        if (!Options.All)
            Commands().Fail(code, Commands().Interrupted());
        OutStream.flush();
        Err.flush();
        process::EndAsRequested(code);
    }
    return code;
}

int TCli::RunHere(const TInvocation& call) {
    if (!Options.Log.isEmpty()) {
        // Before any transfer: a bench run whose record cannot be kept does not start.
        if (QString error; !Log.Open(Options.Log, OutStream, error))
            return Commands().Fail(ExitFileError, error);
    }
    try {
        return call.Command->Run(*this, call);
    } catch (const Exception& failure) {
        // An internal failure of the link or the UART outside a recorded operation (status,
        // show, list): the exchange did not complete.
        return Commands().Fail(ExitCommunicationError,
                               QStringLiteral("internal error: %1; unplug the adapter, plug it "
                                              "in again and retry")
                                   .arg(failure.Message));
    }
}

} // namespace cli
