// SPDX-License-Identifier: GPL-3.0-or-later
// Any text in the command line's JSON (status, list, show, the log): the line parses back to the
// same text, and not one byte of it is a control character, DEL, a C1 control, a bidirectional
// control or a line separator that a terminal or an editor would obey.

#include "cli/Json.h"
#include "cli/Log.h"
#include "fuzz/InputTexts.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool Unpaired(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return true;
    }
    return false;
}

// Valid UTF-8 holding nothing that a terminal or an editor obeys.
void CheckBytes(const QByteArray& line) {
    if (QString::fromUtf8(line).toUtf8() != line)
        std::abort();
    for (const char32_t code : QString::fromUtf8(line).toUcs4()) {
        if (code < 0x20 || (code >= 0x7F && code <= 0x9F) || (code >= 0x202A && code <= 0x202E) ||
            (code >= 0x2066 && code <= 0x2069) || code == 0x2028 || code == 0x2029)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const QString& text : InputTexts(data, size)) {
        const QByteArray object = cli::JsonObject({{"text", cli::JsonString(text)}});
        CheckBytes(object);
        QJsonParseError error;
        const QJsonDocument parsed = QJsonDocument::fromJson(object, &error);
        if (error.error != QJsonParseError::NoError || !parsed.isObject())
            std::abort();
        if (!Unpaired(text) && parsed.object().value(QStringLiteral("text")).toString() != text)
            std::abort();

        cli::TLogRecord record;
        record.Adapter = text;
        record.Operation = QStringLiteral("read");
        record.File = text;
        record.Message = text;
        record.Image = QByteArray(reinterpret_cast<const char*>(data),
                                  static_cast<qsizetype>(std::min<std::size_t>(size, 128)));
        const QByteArray line = cli::TLog::Line(record, QDateTime::fromMSecsSinceEpoch(0));
        CheckBytes(line);
        const QJsonDocument logged = QJsonDocument::fromJson(line, &error);
        if (error.error != QJsonParseError::NoError || logged.object().size() != 11)
            std::abort();
    }
    return 0;
}
