// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CommandLine.h"
#include "cli/Log.h"

#include <QStringList>
#include <QTextStream>
#include <memory>

namespace cli {

class TCommands;

// The command line of brookfetch-cli: parses the arguments (CommandLine.h), checks that
// command, operands and options fit together, opens the log and runs the command, on this
// adapter or in one lane per adapter. Returns the exit code.
class TCli {
public:
    // Whether the program's standard output and error are terminals: the progress bar needs
    // one, a binary image must not go to one.
    TCli(QTextStream& out, QTextStream& err, bool outIsTerminal, bool errIsTerminal);
    ~TCli();

    // The arguments with the program's name first.
    int Run(const QStringList& arguments);

    // For the commands' rows: the result stream and the commands over the adapter link, made
    // at their first use.
    QTextStream& Out() { return OutStream; }
    TCommands& Commands();

private:
    int Usage(const QString& message);
    int RunHere(const TInvocation& call); // on this adapter, not in lanes

    QTextStream& OutStream;
    QTextStream& Err;
    bool OutIsTerminal;
    bool ErrIsTerminal;
    TOptions Options;
    TLog Log;
    std::unique_ptr<TCommands> CommandsPtr;
};

} // namespace cli
