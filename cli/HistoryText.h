// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/History.h"
#include "app/HistoryCsv.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

// The programming history on the command line: which history, --since, and the entries as a
// table, CSV or JSON Lines.
namespace cli {

struct TOptions;

// The history chosen: --history, else the environment's BROOKFETCH_HISTORY; empty for the user's
// own (HistoryPath, app/History.h).
QString HistoryChoice(const TOptions& options);

// One line an entry, under a head line: time (local), operation, result, checksum, adapter's
// serial number, user@computer, and the file with what went wrong after a failure.
void PrintHistoryTable(QTextStream& out, const QList<THistoryEntry>& entries);

// A stored line with every character a terminal would obey escaped (the program's own lines hold
// none: this is for lines written by hand).
QByteArray PrintableJsonLine(const QByteArray& line);

} // namespace cli
