#pragma once

#include <QStringList>
#include <QTextStream>

namespace cli {

struct CommandShape;

// The command line of brookfetch-cli: parses the arguments, checks that command, operands
// and options fit together, and runs the command. Returns the exit code.
class TCli {
public:
    // Whether the program's standard output and error are terminals: the progress bar needs
    // one, a binary image must not go to one.
    TCli(QTextStream& out, QTextStream& err, bool outIsTerminal, bool errIsTerminal);

    int Run(const QStringList& arguments);

    static QString CommandsHelp();

private:
    int Usage(const QString& message);
    // What is wrong with the operands and options of a command, or empty.
    QString OperandProblem(const CommandShape& shape, const QStringList& operands, bool wait,
                           bool json) const;

    QTextStream& Out;
    QTextStream& Err;
    bool OutIsTerminal;
    bool ErrIsTerminal;
};

} // namespace cli
