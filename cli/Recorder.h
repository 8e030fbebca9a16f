#pragma once

#include "adapter/TarnAdapter.h"
#include "cli/Console.h"
#include "cli/Log.h"

#include <QString>
#include <functional>

namespace cli {

// Each connector operation (read, write, verify; each connector in production mode) and its
// record in the log: the record is appended on every way out of the operation, an internal
// failure of the link included, and a bench that keeps a log learns at once when a record could
// not be written.
class TRecorder {
public:
    explicit TRecorder(TConsole& console) : Console(console) {}

    // The log (not owned) and its name for messages; none: no records are kept.
    void LogTo(TLog* log, const QString& name);

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

    TLogRecord Record; // of the operation in hand
    QString Adapter;   // serial number and version of the adapter that last answered
    QString AdapterVersion;

private:
    TConsole& Console;
    TLog* Log = nullptr;
    QString LogName;
    bool Unrecorded = false;
};

} // namespace cli
