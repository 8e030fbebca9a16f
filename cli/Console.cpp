// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Console.h"

namespace cli {
namespace {

const QString ProgramName = QStringLiteral("brookfetch-cli");

} // namespace

int TConsole::Fail(int code, const QString& message) {
    LastFailure = message;
    Out.flush(); // what came before stays before
    Err << ProgramName << ": " << message << '\n';
    Err.flush();
    return code;
}

void TConsole::Warn(const QString& text) {
    Err << ProgramName << ": warning: " << text << '\n';
    Err.flush();
}

void TConsole::Note(const QString& text) {
    if (Quiet)
        return;
    Err << text << '\n';
    Err.flush();
}

void TConsole::Success(const QString& text) {
    if (!Quiet)
        Result(text);
}

void TConsole::Result(const QString& text) {
    Out << text << '\n';
    Out.flush();
}

} // namespace cli
