// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "adapter/TarnAdapter.h"
#include "cli/Console.h"
#include "cli/Log.h"

#include <QString>
#include <functional>

namespace cli {

// Each connector operation (read, write, verify; each connector in production mode) and its
// record in the log and its entry in the programming history: both are appended on every way
// out of the operation, an internal failure of the link included. A bench that keeps a log
// learns at once when a record could not be written; a history that cannot be written is a
// warning, and the operation's outcome stands.
class TRecorder {
public:
    explicit TRecorder(TConsole& console) : Console(console) {}

    // The log (not owned) and its name for messages; none: no records are kept.
    void LogTo(TLog* log, const QString& name);
    // The programming history's file (app/History.h); empty: no entries are kept.
    void HistoryTo(const QString& path) { HistoryPath = path; }

    // Runs one operation. Its code, or 2 when it succeeded but its record could not be written
    // (LogFailed() then says so, and the console has said it); an internal failure ends it with
    // code 1.
    int Run(const QString& operation, const QString& file, int connector,
            const std::function<int()>& run);
    bool LogFailed() const { return Unrecorded; }
    // "the log bench.log: cannot write ..." for a message naming what has no record.
    QString LogFailure(const QString& what) const;

    // One line on the console that is also the operation's message in its record.
    int Fail(int code, const QString& message);
    void Succeeded(const QString& message);
    // The serial number and version of the adapter that answered, for the records.
    void NoteAdapter(const TTarnDevice& device);
    // The memory of the connector the operation in hand found, for its history entry.
    void NoteConnector(const TTarnDevice& device);

    TLogRecord Record; // of the operation in hand
    QString Adapter;   // serial number and version of the adapter that last answered
    QString AdapterVersion;
    QString AdapterName; // its description

private:
    // Adds the operation that just ended to the history; says so when it cannot.
    void KeepHistory();

    TConsole& Console;
    TLog* Log = nullptr;
    QString LogName;
    bool Unrecorded = false;
    QString HistoryPath;
    QString Connector; // "small" or "large" once the operation in hand found one
};

} // namespace cli
