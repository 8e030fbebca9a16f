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
