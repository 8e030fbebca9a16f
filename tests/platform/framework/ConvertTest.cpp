// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers and times as the user types and reads them.
#include "platform/framework/Convert.h"
#include "platform/framework/Exceptions.h"

#include <QDir>
#include <QLocale>
#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(StrToInt, AcceptsDecimalIntegersWithSignAndSurroundingSpaces) {
    const struct {
        const char* Text;
        int Value;
    } table[] = {
        {"0", 0},
        {"42", 42},
        {"+42", 42},
        {"-42", -42},
        {"  17 ", 17},
        {"\t900\n", 900},
        {"007", 7},
        {"2147483647", std::numeric_limits<int>::max()},
        {"-2147483648", std::numeric_limits<int>::min()},
    };
    for (const auto& row : table)
        EXPECT_EQ(StrToInt(QString::fromLatin1(row.Text)), row.Value) << row.Text;
}

TEST(StrToInt, RejectsEverythingElseAsAConversionError) {
    for (const char* text :
         {"", "   ", "+", "-", "12a", "a12", "1 2", "1.0", "1,0", "0x10", "+-5", "-+5", "--5",
          "++5", "- 5", "2147483648", "-2147483649", "99999999999999999999", "1e3"}) {
        try {
            StrToInt(QString::fromLatin1(text));
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.Message, QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
    }
    // Digits beyond Latin-1 are not decimal text here.
    EXPECT_THROW(StrToInt(QStringLiteral("\u0661\u0662")), EConvertError);
    EXPECT_THROW(StrToInt(QStringLiteral("12\u20AC")), EConvertError);
}

// Runs with the user's locale set to the one given, and puts the previous one back.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) : Saved(QLocale()) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(Saved); }

private:
    QLocale Saved;
};

struct FloatLocale {
    const char* Name;
    QLocale::Language Language;
    QLocale::Territory Territory;
    const char* Separator;
    const char* Other;
};

class StrToFloatIn : public testing::TestWithParam<FloatLocale> {};

TEST_P(StrToFloatIn, TakesTheLocalesSeparatorOnly) {
    const FloatLocale& locale = GetParam();
    LocaleScope scope(QLocale(locale.Language, locale.Territory));
    const QString sep = QString::fromLatin1(locale.Separator);
    const QString other = QString::fromLatin1(locale.Other);

    EXPECT_EQ(StrToFloat("10" + sep + "5"), 10.5);
    EXPECT_EQ(StrToFloat(" 11" + sep + "04 "), 11.04);
    EXPECT_EQ(StrToFloat("-0" + sep + "1"), -0.1);
    EXPECT_EQ(StrToFloat("12"), 12.0);
    EXPECT_EQ(StrToFloat(sep + "5"), 0.5);

    for (const QString& text :
         {"10" + other + "5", "1" + other + "000", QString(), QString("x"), "10" + sep + "5V",
          "1" + sep + "2" + sep + "3", QString("inf"), QString("nan"), QString("1e999"),
          QString("1e1"), "1" + sep + "5E0", QString("0x1A"), "1" + sep + "5 V"}) {
        try {
            StrToFloat(text);
            ADD_FAILURE() << "accepted '" << text.toStdString() << "'";
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.Message,
                      QStringLiteral("'%1' is not a valid floating point value").arg(text));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Locales, StrToFloatIn,
    testing::Values(FloatLocale{"German", QLocale::German, QLocale::Germany, ",", "."},
                    FloatLocale{"English", QLocale::English, QLocale::UnitedStates, ".", ","}),
    [](const testing::TestParamInfo<FloatLocale>& info) { return std::string(info.param.Name); });

// A locale that writes its own digits reads them back, ASCII digits as well.
TEST(StrToFloat, TakesTheLocalesOwnDigits) {
    LocaleScope scope(QLocale(QLocale::Arabic, QLocale::Egypt));
    const QString shown = FloatToStrFixed(10.5, 1);
    ASSERT_NE(shown, QStringLiteral("10.5"));
    EXPECT_EQ(StrToFloat(shown), 10.5);
    EXPECT_EQ(StrToFloat(QStringLiteral("12") + QLocale().decimalPoint() + QStringLiteral("5")),
              12.5);
}

TEST(FloatToStrFixed, OneDecimalRoundedHalfAwayFromZero) {
    LocaleScope scope(QLocale(QLocale::English, QLocale::UnitedStates));
    const struct {
        double Value;
        const char* Text;
    } table[] = {
        {10.5, "10.5"}, {11.0, "11.0"}, {11.04, "11.0"},      {11.05, "11.1"},
        {15.6, "15.6"}, {0.25, "0.3"},  {0.0, "0.0"},         {-0.25, "-0.3"},
        {-0.04, "0.0"}, {-0.0, "0.0"},  {12345.6, "12345.6"},
    };
    for (const auto& row : table)
        EXPECT_EQ(FloatToStrFixed(row.Value, 1), QString::fromLatin1(row.Text)) << row.Value;
    EXPECT_EQ(FloatToStrFixed(2.0 / 3.0, 3), QStringLiteral("0.667"));
}

TEST(FloatToStrFixed, WritesTheLocalesSeparatorAndReadsBack) {
    LocaleScope scope(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(FloatToStrFixed(10.5, 1), QStringLiteral("10,5"));
    EXPECT_EQ(FloatToStrFixed(12345.0, 1), QStringLiteral("12345,0")); // no group separator
    for (int tenths = 0; tenths <= 156; ++tenths)
        EXPECT_EQ(StrToFloat(FloatToStrFixed(tenths / 10.0, 1)), tenths / 10.0);
}

TEST(EscapeControlCharacters, LeavesTextAloneAndEscapesWhatATerminalWouldObey) {
    EXPECT_EQ(EscapeControlCharacters(QStringLiteral("USB FETCHer Adapter \u00e4")),
              QStringLiteral("USB FETCHer Adapter \u00e4"));
    EXPECT_EQ(EscapeControlCharacters(QStringLiteral("A\x1b[2J\n\r\t\\\x7f\u009b\u202egpj.exe")),
              QStringLiteral("A\\x1b[2J\\n\\r\\t\\\\\\x7f\\x9b\\u202egpj.exe"));
    // The separators a terminal breaks lines at and the mark a reader drops, as in JSON.
    EXPECT_EQ(EscapeControlCharacters(QStringLiteral("a\u2028b\u2029c\ufeffd")),
              QStringLiteral("a\\u2028b\\u2029c\\ufeffd"));
    // In a file name the system's separator stays single: C:\Sites\river.brk on Windows.
    const QString s = QDir::separator();
    EXPECT_EQ(EscapeFileName("C:" + s + "Sites\t" + s + "river\u202e.brk"),
              "C:" + s + "Sites\\t" + s + "river\\u202e.brk");
}

TEST(TimeText, SecondsAreShownAsTwoDigitHoursMinutesAndSeconds) {
    const std::pair<int, const char*> table[] = {{0, "00:00:00"},     {900, "00:15:00"},
                                                 {3907, "01:05:07"},  {54000, "15:00:00"},
                                                 {65535, "18:12:15"}, {360000, "100:00:00"}};
    for (const auto& [seconds, text] : table)
        EXPECT_EQ(SecondsToText(seconds), text) << seconds;
}

// Both programs read a time alike. A typo or an extra part must be refused, never read as
// another time ("02:4O:00" once became 02:04:00 on the connector).
TEST(TimeText, OnlyHoursMinutesAndSecondsOfDigitsWithinADayAreATime) {
    const std::pair<QString, int> valid[] = {{"1:2:3", 3723},      {"01:02:03", 3723},
                                             {"23:59:59", 86399},  {"0:0:0", 0},
                                             {" 01:30:00 ", 5400}, {"1:5:7", 3907}};
    for (const auto& [text, expected] : valid) {
        int seconds = -1;
        EXPECT_TRUE(TimeTextToSeconds(text, seconds)) << text.toStdString();
        EXPECT_EQ(seconds, expected) << text.toStdString();
    }
    const QString invalid[] = {"02:4O:00",
                               "00:01:30:00",
                               "1:2:x",
                               "1:2:3:4",
                               "::1:2:3",
                               "1::2:3",
                               "1:2::3",
                               "+1:2:3",
                               "1:2:3 s",
                               "1: 2:3",
                               "h:m:s",
                               "",
                               "12:30",
                               "1:2:",
                               "24:00:00",
                               "1:60:00",
                               "1:00:60",
                               "-1:00:00",
                               "100:00:00",
                               "001:00:00",
                               QString::fromUtf8("\u0661:0:0"),
                               QString(100000, QLatin1Char('9')),
                               "1:2:3" + QString(100000, QLatin1Char(':'))};
    for (const QString& text : invalid) {
        int seconds = 1234;
        EXPECT_FALSE(TimeTextToSeconds(text, seconds)) << text.left(20).toStdString();
        EXPECT_EQ(seconds, 1234) << text.left(20).toStdString();
    }
}

} // namespace
