// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/AdapterLink.h"
#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/Log.h"
#include "cli/Recorder.h"
#include "cli/Transfer.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <memory>

class TQ47;

namespace cli {

// The commands of brookfetch-cli over one adapter link: the wiring of the console, the link
// and its session, the transfers, the records and production mode. Each command returns the
// program's exit code; results go to `out`, errors (one line each) and the progress bar to
// `err`.
class TCommands {
public:
    TCommands(const TOptions& options, QTextStream& out, QTextStream& err);
    ~TCommands();

    // Each read, write and verify (each connector in production mode) appends its record to
    // this log (not owned), named `name` in messages.
    void LogTo(TLog* log, const QString& name) { Recorder.LogTo(log, name); }

    int Status();
    int List();
    int Read(const QString& file);
    int Write(const QString& file);
    int Verify(const QString& file);
    int Show(const QString& file); // empty: the connector
    int New(const QString& file, const QStringList& assignments);
    int Set(const QString& file, const QStringList& assignments);
    // The parameter sheet of a file as a PDF; needs the GUI application.
    int Sheet(const QString& file, const QString& out);
    // The programming history (--since, --json, --csv), oldest first.
    int History();
    // Production mode (TProduction): read saves each connector into the next free numbered
    // file, write puts the same file into every connector.
    int ReadEach(const QString& file);
    int WriteEach(const QString& file);

    // One line on the error stream, prefixed with the program's name; returns `code`.
    int Fail(int code, const QString& message) { return Recorder.Fail(code, message); }
    // What the command in hand had done when a stop request came, for the line that ends the
    // program: "interrupted; the connector was read into site.brk first".
    QString Interrupted() const;

private:
    // Loads a file and checks every parameter as the parameter page does; else says why.
    int LoadForWriting(TQ47& model, const QString& file);
    // Reads the connector into `held` before a write of `model` and says on standard output
    // what the write changes there, or why that is not known; `always`: also when --quiet. The
    // read's exit code; `detail` says why it failed.
    int ReadBeforeWrite(const TQ47& model, TQ47& held, bool always, QString& detail);
    // write --dry-run: the read and the lines of a write, recorded as a read; nothing is written.
    int DryRun(const QString& file);
    void Done(const QString& what) { Completed = what; }

    TOptions Options;
    TConsole Console;
    TAdapterLink Link;
    TRecorder Recorder;
    TConnectorTransfer Transfer;
    QString Completed; // what the command has done that a stop does not undo
    QString Undone;    // what it has not done, said when stopped before it was done
};

} // namespace cli
