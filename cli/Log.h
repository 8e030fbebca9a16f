// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/files/Files.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTextStream>

namespace cli {

// One connector operation as the log keeps it.
struct TLogRecord {
    QString Adapter;        // the adapter's serial number; empty when none answered
    QString AdapterVersion; // its firmware version, "1.05"
    QString Operation;      // read, write, verify
    QString File;
    int Connector = 0; // its number in production mode; 0 outside it
    int Exit = 0;      // the program's exit code for this operation
    QString Message;   // the result line or the error, as printed
    // What a failed write left on the connector ("mixed", "unverified"), which the result then
    // says instead of "failed"; empty otherwise.
    QString Outcome;
    int Retries = 0;
    QByteArray Image; // the 128 bytes as read or as written; empty when none were
};

// The record of a production bench (--log FILE): one JSON object per connector operation, one
// line each, appended. Each line is on disk before the next operation begins, so a crash or a
// power cut loses at most the connector in hand, and each line goes out in one write on a
// file opened for appending, so lanes that share the file never mix their lines.
class TLog {
public:
    // Opens the file for appending, creating it if needed; false with `error` saying why. A
    // symbolic link or another user's file is refused (TAppendFile). "-" is `out`, the
    // program's standard output, where the records go between the result lines.
    bool Open(const QString& name, QTextStream& out, QString& error);
    bool IsOpen() const { return File.IsOpen() || Out != nullptr; }
    // False when the line could not be written completely or flushed to disk.
    bool Append(const TLogRecord& record);

    // The line of a record, without its line feed: keys time (ISO 8601 with the offset from
    // UTC), adapter, adapter_version, operation, file, connector, result (ok, failed, differs,
    // mixed or unverified), exit, message, retries, image (hex).
    static QByteArray Line(const TLogRecord& record, const QDateTime& time);

private:
    TAppendFile File;
    QTextStream* Out = nullptr;
};

} // namespace cli
