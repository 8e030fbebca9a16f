// SPDX-License-Identifier: GPL-3.0-or-later
// The programming history as a spreadsheet file (HistoryCsv.h).
#include "app/HistoryCsv.h"

#include <QLocale>
#include <QString>

namespace {

QByteArray CsvField(QString text) {
    // A spreadsheet runs a field that starts like a formula; a serial number or a user's name
    // comes from outside and must stay text.
    if (!text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front()))
        text.prepend(QLatin1Char('\''));
    return '"' + text.replace(QLatin1Char('"'), QLatin1String("\"\"")).toUtf8() + '"';
}

} // namespace

QString HistoryLocalTime(const QDateTime& time) {
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QByteArray HistoryCsv(const QList<THistoryEntry>& entries, char separator) {
    static const char* const keys[] = {
        "time",      "operation",    "result",          "message",
        "file",      "adapter_name", "adapter_version", "adapter_serial",
        "connector", "checksum",     "image",           "user",
        "computer",  "program"};
    QByteArray csv = "\xEF\xBB\xBF";
    for (const char* key : keys)
        csv += (key == keys[0] ? QByteArray() : QByteArray(1, separator)) + '"' + key + '"';
    csv += "\r\n";
    for (const THistoryEntry& entry : entries) {
        const QString fields[] = {HistoryLocalTime(entry.Time),
                                  entry.Operation,
                                  entry.Ok ? QStringLiteral("ok") : QStringLiteral("failed"),
                                  entry.Message,
                                  entry.File,
                                  entry.AdapterName,
                                  entry.AdapterVersion,
                                  entry.AdapterSerial,
                                  entry.Connector,
                                  entry.Checksum,
                                  QString::fromLatin1(entry.Image.toHex()),
                                  entry.User,
                                  entry.Computer,
                                  entry.Program};
        QByteArray line;
        for (const QString& field : fields)
            line += (line.isEmpty() ? QByteArray() : QByteArray(1, separator)) + CsvField(field);
        csv += line + "\r\n";
    }
    return csv;
}

char HistoryCsvSeparator() {
    return QLocale().decimalPoint() == QStringLiteral(",") ? ';' : ',';
}
