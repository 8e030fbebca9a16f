#pragma once

#include "cli/AdapterLink.h"
#include "cli/CommandLine.h"
#include "cli/HexTrace.h"
#include "cli/Log.h"
#include "cli/Progress.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <memory>

class TQ47;

namespace cli {

// The commands of brookfetch-cli over one adapter link. Each returns the program's exit
// code; results go to `out`, errors (one line each), the progress bar and the trace to `err`.
class TCommands {
public:
    TCommands(const TOptions& options, QTextStream& out, QTextStream& err);
    ~TCommands();

    // Each read, write and verify (each connector in production mode) appends its record to
    // this log (not owned), when one is given.
    void LogTo(TLog* log) { Log = log; }

    int Status();
    int Read(const QString& file);
    int Write(const QString& file);
    int Verify(const QString& file);
    int Show(const QString& file); // empty: the connector
    int New(const QString& file, const QStringList& assignments);
    int Set(const QString& file, const QStringList& assignments);

    // Production mode: wait for a connector, program it, report it, wait until it is pulled,
    // again and again until RequestStop(). Read saves each connector into the next free
    // numbered file (NumberedName); write puts the same file into every connector.
    int ReadEach(const QString& file);
    int WriteEach(const QString& file);

    // Ends a production run after the connector in hand; safe to call from a signal handler.
    static void RequestStop();
    static bool StopRequested();
    // SIGINT and SIGTERM request a stop from now on (a signal ignored when the program started
    // stays ignored); the signal that came, or 0.
    static void CatchStopSignals();
    static int CaughtStopSignal();

    // One line on the error stream, prefixed with the program's name; returns `code`.
    int Fail(int code, const QString& message);

private:
    enum class Job { Read, Write };
    // How one attempt at a connector transfer ended.
    enum class Attempt { Done, LinkFailed, Differs };

    int ReadOne(const QString& file);
    int WriteOne(const QString& file);
    int VerifyOne(const QString& file);
    // Runs one connector operation and appends its record to the log, if there is one. The
    // exit code is the operation's, or 2 when the record could not be written.
    int Logged(const QString& operation, const QString& file, int connector,
               const std::function<int()>& run);
    void Succeeded(const QString& message); // the success line, also for the log
    void NoteAdapter(); // the serial number and version of the adapter that answered
    int Production(Job job, const QString& file);
    // Adapter answers and a small-memory connector is plugged in; else says why (and, for
    // read and write, that --wait would wait for a connector).
    int FindConnector(bool mayWait);
    bool Transfer(const QStringList& phases, const std::function<bool()>& transfer);
    // Runs `once` until it is done. After a link failure the whole transfer starts again, up to
    // Options.Retries more times; a connector or adapter that went away ends it at once. A
    // difference ends it with exit code 5 (the message in `detail` is then the caller's),
    // after one more attempt when `againOnDifference`. Otherwise `detail` says what failed.
    int Retrying(const QString& doing, const QString& why, bool againOnDifference,
                 const std::function<Attempt()>& once, QString& detail);
    // Reads the connector into `connector` and compares it with `expected`; a difference counts
    // only when a second read agrees with the first.
    Attempt Compare(const std::uint8_t* expected, std::uint8_t* connector, const QString& phase);
    // The connector transfers with their retries; ExitOk, or a failure with `detail`.
    int ReadConnector(TQ47& model, QString& detail);
    int WriteConnector(TQ47& model, QString& detail);
    // Loads a file and checks every parameter as the parameter page does; else says why.
    int LoadForWriting(TQ47& model, const QString& file);
    // After a failed transfer: "the adapter stopped answering", "the connector was pulled",
    // or empty when both are still there.
    QString WhatWentAway();
    int ProgramOne(Job job, TQ47& source, const QString& file, int number, QString& detail);
    void WaitUntilPulled();         // until the adapter says no connector, or a stop
    void Note(const QString& text); // informational, on the error stream unless quiet
    void Warn(const QString& text); // on the error stream, quiet or not
    bool Pause(int milliseconds);   // false when a stop was requested meanwhile

    TOptions Options;
    QTextStream& Out;
    QTextStream& Err;
    TAdapterLink Link;
    std::unique_ptr<THexTrace> Trace;
    TProgress Progress;
    TLog* Log = nullptr;
    TLogRecord Record; // of the operation in hand
    QString Adapter;   // serial number and version of the adapter that last answered
    QString AdapterVersion;
};

} // namespace cli
