// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/framework/Convert.h"

#include "platform/framework/Exceptions.h"

#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
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

std::optional<double> TextToDecimal(const QString& text, const QLocale& locale) {
    // Brought into the C locale's form character by character, so that the one pattern below
    // judges every locale alike: "1e1", "1.000" in German or "11,5" in English become no number.
    const QString separator = locale.decimalPoint();
    const QString zero = locale.zeroDigit();
    const QList<uint> zeroCode = zero.toUcs4();
    const QString trimmed = text.trimmed();
    QByteArray plain;
    for (qsizetype i = 0; i < trimmed.size();) {
        if (!separator.isEmpty() && QStringView(trimmed).sliced(i).startsWith(separator)) {
            plain += '.';
            i += separator.size();
            continue;
        }
        const char32_t c = QStringView(trimmed).sliced(i).toUcs4().value(0);
        i += QChar::requiresSurrogates(c) ? 2 : 1;
        if (c >= U'0' && c <= U'9')
            plain += char(c);
        else if (zeroCode.size() == 1 && c >= zeroCode[0] && c <= zeroCode[0] + 9)
            plain += char('0' + (c - zeroCode[0]));
        else if (c == U'+' || QString::fromUcs4(&c, 1) == locale.positiveSign())
            plain += '+';
        else if (c == U'-' || QString::fromUcs4(&c, 1) == locale.negativeSign())
            plain += '-';
        else
            return std::nullopt;
    }
    static const QRegularExpression form(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    if (!form.match(QString::fromLatin1(plain)).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(QString::fromLatin1(plain), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double StrToFloat(const QString& text) {
    if (const std::optional<double> value = TextToDecimal(text, QLocale()))
        return *value;
    throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
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

bool IsObeyedCharacter(char16_t u) {
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || (u >= 0x202A && u <= 0x202E) ||
           (u >= 0x2066 && u <= 0x2069) || u == 0x2028 || u == 0x2029 || u == 0xFEFF;
}

QByteArray JsonQuoted(const QString& text) {
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
        else if (IsObeyedCharacter(u))
            escaped +=
                QStringLiteral("\\u%1").arg(static_cast<unsigned>(u), 4, 16, QLatin1Char('0'));
        else
            escaped += c;
    }
    return escaped;
}

QString SecondsToText(int seconds) {
    return QString::asprintf("%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
}

bool TimeTextToSeconds(const QString& text, int& seconds) {
    static const QRegularExpression time(
        QStringLiteral("^\\s*([0-9]{1,2}):([0-9]{1,2}):([0-9]{1,2})\\s*$"));
    const QRegularExpressionMatch match = time.match(text);
    if (!match.hasMatch())
        return false;
    const int hours = match.capturedView(1).toInt();
    const int minutes = match.capturedView(2).toInt();
    const int secs = match.capturedView(3).toInt();
    if (hours > 23 || minutes > 59 || secs > 59)
        return false;
    seconds = hours * 3600 + minutes * 60 + secs;
    return true;
}

QString EscapeFileName(const QString& name) {
    QStringList parts = name.split(QDir::separator());
    for (QString& part : parts)
        part = EscapeControlCharacters(part);
    return parts.join(QDir::separator());
}
