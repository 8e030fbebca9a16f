// SPDX-License-Identifier: GPL-3.0-or-later
// The programming history as a spreadsheet file, for the window's Export and the command line.
#pragma once

#include "app/History.h"

#include <QByteArray>
#include <QList>
#include <QString>

// An entry's time in this computer's time, as --since takes it and a spreadsheet takes for a
// time: "2026-12-10 04:58:12".
QString HistoryLocalTime(const QDateTime& time);

// UTF-8 with a byte order mark (which tells a spreadsheet the encoding), a head line with the
// keys of the stored lines, every field quoted, lines ended by CR LF (RFC 4180); the time in
// local time in the form a spreadsheet takes for a time. A field that a spreadsheet would take
// for a formula (=, +, -, @ first) starts with an apostrophe. `separator` is the comma of RFC
// 4180 for programs; a spreadsheet opened by a person in a country that writes decimal commas
// expects a semicolon (HistoryCsvSeparator).
QByteArray HistoryCsv(const QList<THistoryEntry>& entries, char separator = ',');

// The separator a spreadsheet of the user's locale splits a file opened from the desktop at.
char HistoryCsvSeparator();
