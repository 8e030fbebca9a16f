// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// The programming history: every read, write and verify of a connector that either program
// made, one entry each, so that the question "what went into connector 12 last spring, and who
// wrote it" has an answer. It is a file of JSON Lines (one self-contained object a line) that is
// only ever appended to, line by line, each line on disk before the program goes on: a power cut
// loses at most the entry being written, and the next entry starts on a line of its own. A
// history that cannot be written never undoes or holds up a transfer; the caller says why.
//
//     THistoryEntry entry;
//     entry.Operation = QStringLiteral("write");
//     entry.Ok = true;
//     entry.Image = ...;
//     if (const QString why = RecordHistory(HistoryPath(setting), entry); !why.isEmpty())
//         ... tell the user, and go on ...
//     const THistoryLoad loaded = LoadHistory(HistoryPath(setting), {.Since = lastMonth});

// One transfer.
struct THistoryEntry {
    QDateTime Time;         // when it ended, in local time with its offset from UTC
    QString Operation;      // "read", "write" or "verify"
    bool Ok = false;        // it went well (a verify: the connector matched)
    QString Message;        // what went wrong, as the program told the user; empty when Ok
    QString File;           // the file read into, written from or compared with; empty: none
    QString AdapterName;    // the adapter's USB description; these three empty when none answered
    QString AdapterVersion; // its firmware version, "1.05"
    QString AdapterSerial;
    QString Connector; // the connector's memory, "small" or "large"; empty when none was found
    QByteArray Image;  // the 128 bytes read, written or found; empty when there were none
    QString Checksum;  // of the image, as the parameter sheet shows it: "0xFD40"
    QString User;      // the user's login name
    QString Computer;  // the computer's name
    QString Program;   // the program and its version, "brookfetch-cli 4.00"
    QByteArray Line;   // the entry's line as stored, without its line feed, when a load keeps it
};
// Moved as bytes when a list of a hundred thousand of them grows, as its Qt members are.
Q_DECLARE_TYPEINFO(THistoryEntry, Q_RELOCATABLE_TYPE);

// Which entries a load gives: all by default.
struct THistoryFilter {
    QDateTime Since;        // none before this time; invalid: from the first
    QDateTime Until;        // none at or after this time; invalid: up to the last
    QString Operation;      // "read", "write" or "verify"; empty: any
    std::optional<bool> Ok; // only those that went well, or only those that failed
    QString Text;           // found, in any case, in the file, the adapter's serial number
                            // or name, the checksum, the message, the user or the computer
    bool KeepLines = false; // keep each entry's Line (a copy of the file in memory)

    bool Matches(const THistoryEntry& entry) const;
};

struct THistoryLoad {
    QList<THistoryEntry> Entries; // the newest first (the last appended first)
    int Damaged = 0;              // lines that hold no entry (one cut by a power cut, say), skipped
    QString Failure; // why the history could not be read; empty when it was, or is not there yet
};

// The history's file: `chosen` (the window's setting, the command line's --history or
// BROOKFETCH_HISTORY) when it is not empty, history.jsonl in it when it names a folder; else
// history.jsonl in the user's data folder (UserDataFolder, platform/registry/Locations.h).
QString HistoryPath(const QString& chosen = QString());

// Appends one entry. What it leaves empty is filled in: the time (now), the checksum (from a
// 128-byte image), the user, the computer and the program. The folder is made when it is
// missing. Empty when the entry is on disk; otherwise why not, in a few words for a warning:
// "the history /home/ann/.local/share/brookfetch/history.jsonl cannot be written: No space left
// on device".
QString RecordHistory(const QString& path, THistoryEntry entry);

// A time the history is asked from (--since, the window's date filter): a day YYYY-MM-DD (from
// its start) or a time YYYY-MM-DDTHH:MM[:SS] (a blank may stand for the T), local time. Nothing
// for any other text; an empty text is no limit (an invalid time).
std::optional<QDateTime> HistorySince(const QString& text);

// Every entry the filter lets through, the newest first. A line that holds no entry is skipped
// and counted; a history that is not there yet is an empty one.
THistoryLoad LoadHistory(const QString& path, const THistoryFilter& filter = {});

// An entry's line as RecordHistory stores it, without its line feed: the keys time (ISO 8601 with
// the offset from UTC), operation, result ("ok" or "failed"), message, file, adapter_name,
// adapter_version, adapter_serial, connector, checksum, image (hex), user, computer and program;
// an empty text is null. The entry is stored as given: nothing is filled in.
QByteArray HistoryLine(const THistoryEntry& entry);

// The entry a stored line holds; nothing for a line that holds none.
std::optional<THistoryEntry> ParseHistoryLine(const QByteArray& line);
