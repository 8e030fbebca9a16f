#include "cli/Log.h"

#include "cli/ExitCode.h"
#include "cli/NativeName.h"

namespace cli {
namespace {

QByteArray JsonString(const QString& text) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'"' || u == u'\\')
            quoted += QStringLiteral("\\") + c;
        else if (u < 0x20)
            quoted +=
                QStringLiteral("\\u%1").arg(static_cast<unsigned>(u), 4, 16, QLatin1Char('0'));
        else
            quoted += c;
    }
    return (quoted + QLatin1Char('"')).toUtf8();
}

QByteArray JsonTextOrNull(const QString& text) {
    return text.isEmpty() ? QByteArray("null") : JsonString(text);
}

QByteArray Timestamp(const QDateTime& time) {
    const int offset = time.offsetFromUtc() / 60;
    const int minutes = offset < 0 ? -offset : offset;
    return time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")).toLatin1() +
           QString::asprintf("%c%02d:%02d", offset < 0 ? '-' : '+', minutes / 60, minutes % 60)
               .toLatin1();
}

} // namespace

bool TLog::Open(const QString& name, QString& error) {
    if (std::string why; !File.Open(FilePath(name), why)) {
        error = QStringLiteral("cannot open the log %1 for appending: %2; nothing was done")
                    .arg(DisplayName(name), QString::fromLocal8Bit(why));
        return false;
    }
    return true;
}

bool TLog::Append(const TLogRecord& record) {
    const QByteArray line = Line(record, QDateTime::currentDateTime());
    return File.Append(std::string_view(line.constData(), static_cast<std::size_t>(line.size())));
}

QByteArray TLog::Line(const TLogRecord& record, const QDateTime& time) {
    const char* result = record.Exit == ExitOk               ? "ok"
                         : record.Exit == ExitContentDiffers ? "differs"
                                                             : "failed";
    return "{\"time\":\"" + Timestamp(time) + "\",\"adapter\":" + JsonTextOrNull(record.Adapter) +
           ",\"adapter_version\":" + JsonTextOrNull(record.AdapterVersion) +
           ",\"operation\":" + JsonString(record.Operation) +
           ",\"file\":" + JsonTextOrNull(DisplayName(record.File)) + ",\"connector\":" +
           (record.Connector > 0 ? QByteArray::number(record.Connector) : QByteArray("null")) +
           ",\"result\":\"" + result + "\",\"exit\":" + QByteArray::number(record.Exit) +
           ",\"message\":" + JsonString(record.Message) +
           ",\"retries\":" + QByteArray::number(record.Retries) + ",\"image\":" +
           (record.Image.isEmpty() ? QByteArray("null") : '"' + record.Image.toHex() + '"') + '}';
}

} // namespace cli
