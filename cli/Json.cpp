#include "cli/Json.h"

namespace cli {
namespace {

// What a terminal or an editor would obey rather than show, or (the byte order mark) what a
// reader may drop unseen.
bool Obeyed(char16_t u) {
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || (u >= 0x202A && u <= 0x202E) ||
           (u >= 0x2066 && u <= 0x2069) || u == 0x2028 || u == 0x2029 || u == 0xFEFF;
}

} // namespace

QByteArray JsonString(const QString& text) {
    QString quoted = QStringLiteral("\"");
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        const bool paired =
            (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ||
            (text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate());
        switch (u) {
        case u'"':
            quoted += QLatin1String("\\\"");
            continue;
        case u'\\':
            quoted += QLatin1String("\\\\");
            continue;
        case u'\n':
            quoted += QLatin1String("\\n");
            continue;
        case u'\r':
            quoted += QLatin1String("\\r");
            continue;
        case u'\t':
            quoted += QLatin1String("\\t");
            continue;
        default:
            break;
        }
        if (Obeyed(u) || (text[i].isSurrogate() && !paired))
            quoted +=
                QStringLiteral("\\u%1").arg(static_cast<unsigned>(u), 4, 16, QLatin1Char('0'));
        else
            quoted += text[i];
    }
    return (quoted + QLatin1Char('"')).toUtf8();
}

QByteArray JsonStringOrNull(const QString& text) {
    return text.isEmpty() ? QByteArray("null") : JsonString(text);
}

QByteArray JsonObject(std::initializer_list<std::pair<const char*, QByteArray>> members) {
    QByteArray object = "{";
    for (const auto& [key, value] : members) {
        if (object.size() > 1)
            object += ',';
        object += JsonString(QLatin1String(key)) + ':' + value;
    }
    return object + '}';
}

} // namespace cli
