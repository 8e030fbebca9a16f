// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/HistoryText.h"

#include "cli/CommandLine.h"
#include "platform/framework/Convert.h"

#include <QRegularExpression>
#include <algorithm>

namespace cli {
namespace {

// A stored text as the terminal is to show it: each character it would obey as \uXXXX. The
// rest stays as it is, backslashes too: the programs store names as they show them
// (C:\Sites\river.brk, a Linux name's stray byte as \xff).
QString Printable(const QString& text) {
    QString printable;
    printable.reserve(text.size());
    for (const QChar c : text) {
        if (IsObeyedCharacter(c.unicode()))
            printable += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            printable += c;
    }
    return printable;
}

QString OrDash(const QString& text) {
    return text.isEmpty() ? QStringLiteral("-") : Printable(text);
}

} // namespace

QString HistoryChoice(const TOptions& options) {
    return options.History.isEmpty() ? qEnvironmentVariable("BROOKFETCH_HISTORY") : options.History;
}

void PrintHistoryTable(QTextStream& out, const QList<THistoryEntry>& entries) {
    const auto row = [](const THistoryEntry& entry) {
        QString what = Printable(entry.File);
        if (!entry.Ok && !entry.Message.isEmpty())
            what += (what.isEmpty() ? QString() : QStringLiteral(": ")) + Printable(entry.Message);
        QString who = OrDash(entry.User);
        if (!entry.Computer.isEmpty())
            who += QLatin1Char('@') + Printable(entry.Computer);
        return QStringList{HistoryLocalTime(entry.Time),
                           OrDash(entry.Operation),
                           entry.Ok ? QStringLiteral("ok") : QStringLiteral("failed"),
                           OrDash(entry.Checksum),
                           OrDash(entry.AdapterSerial),
                           who,
                           what.isEmpty() ? QStringLiteral("-") : what};
    };
    const QStringList head{QStringLiteral("time"),    QStringLiteral("operation"),
                           QStringLiteral("result"),  QStringLiteral("checksum"),
                           QStringLiteral("adapter"), QStringLiteral("user"),
                           QStringLiteral("file")};
    // The widths first, then line by line: a long history is never held twice as text.
    QList<qsizetype> widths(head.size() - 1, 0);
    const auto widen = [&widths](const QStringList& cells) {
        for (qsizetype column = 0; column < widths.size(); ++column)
            widths[column] = std::max(widths[column], cells[column].size());
    };
    widen(head);
    for (const THistoryEntry& entry : entries)
        widen(row(entry));
    const auto print = [&](const QStringList& cells) {
        for (qsizetype column = 0; column < widths.size(); ++column)
            out << cells[column].leftJustified(widths[column]) << "  ";
        out << cells.back() << '\n';
    };
    print(head);
    for (const THistoryEntry& entry : entries)
        print(row(entry));
}

QByteArray PrintableJsonLine(const QByteArray& line) {
    // Valid JSON holds such characters only in strings, where \uXXXX stands for them; a tab only
    // between its parts, where a blank does as well.
    return Printable(QString::fromUtf8(line).replace(QLatin1Char('\t'), QLatin1Char(' '))).toUtf8();
}

} // namespace cli
