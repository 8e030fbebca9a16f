#include "cli/Json.h"

#include "platform/framework/Convert.h"

namespace cli {

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
        if (IsObeyedCharacter(u) || (text[i].isSurrogate() && !paired))
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
