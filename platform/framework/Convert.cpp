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
        else if ((u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069))
            escaped += QStringLiteral("\\u%1").arg(static_cast<unsigned>(u), 4, 16);
        else
            escaped += c;
    }
    return escaped;
}

namespace {

// A number at the start of a time part, read as the C library reads one: white space, a
// sign, digits up to the first other character; no digits give 0. Saturates instead of
// overflowing, so any length of digits is safe.
long LeadingNumber(QStringView part) {
    qsizetype i = 0;
    const qsizetype n = part.size();
    while (i < n && (part[i] == u' ' || (part[i] >= u'\t' && part[i] <= u'\r')))
        ++i;
    bool negative = false;
    if (i < n && (part[i] == u'+' || part[i] == u'-')) {
        negative = part[i] == u'-';
        ++i;
    }
    constexpr long Limit = 1000000000L;
    long value = 0;
    for (; i < n && part[i] >= u'0' && part[i] <= u'9'; ++i)
        value = std::min(Limit, value * 10 + (part[i].unicode() - u'0'));
    return negative ? -value : value;
}

} // namespace

namespace {

bool Digits(QStringView text, qsizetype most) {
    if (text.isEmpty() || text.size() > most)
        return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// h:m:s of digits alone.
bool PlainTime(QStringView text) {
    const qsizetype first = text.indexOf(u':');
    const qsizetype second = first < 0 ? -1 : text.indexOf(u':', first + 1);
    return second > 0 && Digits(text.first(first), 5) &&
           Digits(text.sliced(first + 1, second - first - 1), 2) &&
           Digits(text.sliced(second + 1), 2);
}

} // namespace

QString SecondsToText(int seconds) {
    return QString::asprintf("%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
}

bool TimeTextToSeconds(const QString& text, int& seconds, TTimeReading reading) {
    // Times are short; anything longer than a line of 79 characters is no time at all.
    if (text.size() > 79)
        return false;
    const bool strict = reading == TTimeReading::Strict;
    const QStringView copy = strict ? QStringView(text).trimmed() : QStringView(text);
    // The strict reading takes only what the lenient one reads as the same numbers.
    if (strict && !PlainTime(copy))
        return false;
    const qsizetype n = copy.size();
    qsizetype pos = 0;
    // Hours and minutes: the next run of characters other than ':', after any ':'.
    const auto nextPart = [&](QStringView& part) {
        while (pos < n && copy[pos] == u':')
            ++pos;
        if (pos >= n)
            return false;
        const qsizetype start = pos;
        while (pos < n && copy[pos] != u':')
            ++pos;
        part = copy.mid(start, pos - start);
        return true;
    };
    QStringView hoursPart, minutesPart;
    if (!nextPart(hoursPart) || !nextPart(minutesPart))
        return false;
    // Seconds: all that follows the one ':' ending the minutes.
    if (pos + 1 >= n)
        return false;
    const long hours = LeadingNumber(hoursPart);
    const long minutes = LeadingNumber(minutesPart);
    const long secs = LeadingNumber(copy.mid(pos + 1));
    // The page's times lie within a day; the command line reads back any time it prints.
    if (hours < 0 || (!strict && hours > 23) || minutes < 0 || minutes > 59 || secs < 0 ||
        secs > 59)
        return false;
    seconds = static_cast<int>(hours * 3600 + minutes * 60 + secs);
    return true;
}

QString EscapeFileName(const QString& name) {
    QStringList parts = name.split(QDir::separator());
    for (QString& part : parts)
        part = EscapeControlCharacters(part);
    return parts.join(QDir::separator());
}
