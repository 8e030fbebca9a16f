#include "platform/framework/Convert.h"

#include "platform/framework/Exceptions.h"

#include <QLocale>
#include <charconv>
#include <cmath>

namespace {

[[noreturn]] void NotAnInteger(const QString& text) {
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

} // namespace

int StrToInt(const QString& text) {
    const QByteArray digits = text.trimmed().toLatin1();
    const char* first = digits.constData();
    const char* last = first + digits.size();
    if (first != last && *first == '+') {
        ++first;
        // "+-5" would otherwise pass as -5.
        if (first != last && *first == '-')
            NotAnInteger(text);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(first, last, value, 10);
    if (first == last || error != std::errc() || end != last)
        NotAnInteger(text);
    return value;
}

double StrToFloat(const QString& text) {
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

QString FloatToStrFixed(double value, int digits) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString text = locale.toString(value, 'f', digits);
    // A small negative value that rounds to zero shows as zero, not as "-0.0".
    const QString zero = locale.toString(0.0, 'f', digits);
    if (text == locale.negativeSign() + zero)
        return zero;
    return text;
}

QString EscapeControlCharacters(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
        case u'\\':
            escaped += QLatin1String("\\\\");
            continue;
        case u'\n':
            escaped += QLatin1String("\\n");
            continue;
        case u'\r':
            escaped += QLatin1String("\\r");
            continue;
        case u'\t':
            escaped += QLatin1String("\\t");
            continue;
        default:
            break;
        }
        if (u < 0x20 || (u >= 0x7F && u < 0xA0))
            escaped +=
                QStringLiteral("\\x%1").arg(static_cast<unsigned>(u), 2, 16, QLatin1Char('0'));
        else
            escaped += c;
    }
    return escaped;
}
