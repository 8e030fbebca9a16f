// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/process/Process.h"

#include <QString>
#include <QStringList>
#include <span>
#include <vector>

// The command line of brookfetch-cli as data: every option and every command is one row, and
// parsing, the checks of what goes together, the program's and each command's help, the
// lanes' arguments and the tests of the completion and the manual page all read these rows.
namespace cli {

class TCli;

// What the options of a command line chose.
struct TOptions {
    bool Help = false;
    bool Version = false;
    bool Quiet = false;
    bool Wait = false;
    bool Json = false;
    bool All = false;
    bool Force = false;    // sheet: replace an existing file that is not a PDF
    bool Csv = false;      // history: CSV for a spreadsheet
    bool DryRun = false;   // write: read the connector and say what the write changes, no more
    QString Trace;         // the trace's file; empty: BROOKFETCH_TRACE, else none; "-": standard
                           // error
    QString Serial;        // empty: the one adapter with the description
    QString Port;          // empty: any port
    QString Log;           // empty: no log; "-": standard output
    QString Paper;         // the sheet's paper, "a4" or "letter"; empty: the user's locale's
    QString Language;      // the sheet's language ("de", "deu"); empty: the user's locale's
    QString History;       // the programming history's file; empty: BROOKFETCH_HISTORY, else the
                           // user's own
    QString Since;         // history: from this day or time on (HistoryText.h); empty: all
    int Retries = 2;       // whole-transfer attempts after the first, for link failures
    bool Progress = false; // draw a progress bar (standard error is a terminal, not --quiet)

    bool operator==(const TOptions&) const = default;
};

enum TOptionBit : unsigned {
    OptHelp = 1u << 0,
    OptVersion = 1u << 1,
    OptQuiet = 1u << 2,
    OptTrace = 1u << 3,
    OptSerial = 1u << 4,
    OptPort = 1u << 5,
    OptWait = 1u << 6,
    OptJson = 1u << 7,
    OptAll = 1u << 8,
    OptLog = 1u << 9,
    OptRetries = 1u << 10,
    OptPaper = 1u << 11,
    OptLanguage = 1u << 12,
    OptForce = 1u << 13,
    OptHistory = 1u << 14,
    OptSince = 1u << 15,
    OptCsv = 1u << 16,
    OptDryRun = 1u << 17,
};

// One option. Exactly one of Switch, Text and Number says where its value goes.
struct TOptionSpec {
    TOptionBit Bit;
    char Short;        // 0: none
    const char* Long;  // "serial"
    const char* Value; // "SN"; nullptr for a switch
    const char* Help;  // one line
    bool TOptions::*Switch = nullptr;
    QString TOptions::*Text = nullptr;
    int TOptions::*Number = nullptr;
    int Low = 0, High = 0;      // the accepted numbers
    unsigned Excludes = 0;      // options that cannot go with it
    bool NeedsFileName = false; // "-" cannot stand for the file with it
    bool Anywhere = false;      // taken by every command, shown by those it matters to
    bool Lane = true;           // passed on to each lane of --all
};

// The operands a command takes after its name.
enum class TOperandKind {
    None,
    File,    // a .brk file, "-" for standard input or output
    Command, // a command's name (help)
};

struct TInvocation;

struct TCommandSpec {
    const char* Name;
    const char* Operands; // as the synopsis shows them: "FILE [NAME=VALUE...]"
    int MinOperands;
    int MaxOperands; // -1: any number
    TOperandKind First;
    bool Assignments;    // the operands after the first are NAME=VALUE
    unsigned Options;    // the options that matter to it (-h goes with every command)
    bool ImageOut;       // "-" writes a binary image to standard output
    bool InPlace;        // the file is changed where it is: "-" makes no sense
    const char* Summary; // one line for the program's help
    const char* Text;    // what it does, for its own help
    const char* Example;
    int (*Run)(TCli& cli, const TInvocation& invocation);
    bool Draws = false; // paints a document: the program needs Qt's GUI application for it
};

// A parsed command line.
struct TInvocation {
    const TCommandSpec* Command = nullptr;
    QStringList Operands;
    TOptions Options;

    QString File() const { return Operands.value(0); }
    QStringList Assignments() const { return Operands.mid(1); }
};

std::span<const TOptionSpec> OptionSpecs();
std::span<const TCommandSpec> CommandSpecs(); // in CommandTable.cpp
const TCommandSpec* FindCommand(const QString& name);

// Parses the arguments after the program's name. On a usage error returns false with
// `problem` saying what is wrong in one line. `outIsTerminal`: a binary image is not written to
// a terminal. Help and version need no command.
bool Parse(const QStringList& arguments, bool outIsTerminal, TInvocation& invocation,
           QString& problem);

// Whether the command the arguments (after the program's name) run paints a document, and so
// needs the GUI application; false for any other command and for a command line in error.
bool Draws(const QStringList& arguments);

// The program's help (--help, help) and a command's (help COMMAND, COMMAND --help).
QString ProgramHelp();
QString CommandHelp(const TCommandSpec& command);

// The arguments of a lane of --all: the same command and options for one adapter, chosen by
// its serial number (or its port, `byPort`), with `file` as the file. The program's name comes
// first.
QStringList LaneArguments(const TInvocation& invocation, bool byPort, const QString& adapter,
                          const QString& file);

} // namespace cli
