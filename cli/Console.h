// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTextStream>

namespace cli {

// What the program says, and where: results on standard output, errors, warnings and notes one
// line each on standard error, notes and success lines only when not --quiet. A line that
// cannot be written (a closed pipe, a full disk) is lost, never the end of the program.
class TConsole {
public:
    TConsole(QTextStream& out, QTextStream& err, bool quiet) : Out(out), Err(err), Quiet(quiet) {}

    // "brookfetch-cli: message" on standard error; returns `code`.
    int Fail(int code, const QString& message);
    void Warn(const QString& text);    // "brookfetch-cli: warning: ...", quiet or not
    void Note(const QString& text);    // informational, unless quiet
    void Success(const QString& text); // a success line on standard output, unless quiet
    void Result(const QString& text);  // a result line on standard output, always

    QTextStream& Out;
    QTextStream& Err;
    const bool Quiet;
    QString LastFailure; // the message of the latest Fail
};

} // namespace cli
