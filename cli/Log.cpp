// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Log.h"

#include "cli/ExitCode.h"
#include "cli/Json.h"
#include "cli/NativeName.h"

namespace cli {
namespace {

QByteArray Timestamp(const QDateTime& time) {
    const int offset = time.offsetFromUtc() / 60;
    const int minutes = offset < 0 ? -offset : offset;
    return time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")).toLatin1() +
           QString::asprintf("%c%02d:%02d", offset < 0 ? '-' : '+', minutes / 60, minutes % 60)
               .toLatin1();
}

} // namespace

bool TLog::Open(const QString& name, QTextStream& out, QString& error) {
    if (name == QLatin1String("-")) {
        Out = &out;
        return true;
    }
    if (std::string why; !File.Open(FilePath(name), why)) {
        error = QStringLiteral("cannot open the log %1 for appending: %2; nothing was done")
                    .arg(DisplayName(name), QString::fromLocal8Bit(why));
        return false;
    }
    return true;
}

bool TLog::Append(const TLogRecord& record) {
    const QByteArray line = Line(record, QDateTime::currentDateTime());
    if (Out != nullptr) {
        *Out << QString::fromUtf8(line) << '\n';
        Out->flush();
        return Out->status() == QTextStream::Ok;
    }
    return File.Append(std::string_view(line.constData(), static_cast<std::size_t>(line.size())));
}

QByteArray TLog::Line(const TLogRecord& record, const QDateTime& time) {
    const QByteArray result = record.Exit == ExitOk               ? QByteArray("ok")
                              : record.Exit == ExitContentDiffers ? QByteArray("differs")
                              : !record.Outcome.isEmpty()         ? record.Outcome.toLatin1()
                                                                  : QByteArray("failed");
    return "{\"time\":\"" + Timestamp(time) + "\",\"adapter\":" + JsonStringOrNull(record.Adapter) +
           ",\"adapter_version\":" + JsonStringOrNull(record.AdapterVersion) +
           ",\"operation\":" + JsonString(record.Operation) +
           ",\"file\":" + JsonStringOrNull(DisplayName(record.File)) + ",\"connector\":" +
           (record.Connector > 0 ? QByteArray::number(record.Connector) : QByteArray("null")) +
           ",\"result\":\"" + result + "\",\"exit\":" + QByteArray::number(record.Exit) +
           ",\"message\":" + JsonString(record.Message) +
           ",\"retries\":" + QByteArray::number(record.Retries) + ",\"image\":" +
           (record.Image.isEmpty() ? QByteArray("null") : '"' + record.Image.toHex() + '"') + '}';
}

} // namespace cli
