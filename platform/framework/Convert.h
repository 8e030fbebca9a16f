// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <optional>

// String <-> number conversions as the parameter page and the command line use them.
// Both parsers raise EConvertError on text that is not a number.

// A decimal integer: optional sign, digits, surrounding spaces allowed; nothing else.
int StrToInt(const QString& text);

// A decimal number as both programs take one: an optional sign, digits with at most one decimal
// separator and digits on at least one side of it, blanks around it; no exponent, no group
// separator, nothing else. The separator, the signs and the digits are the locale's (ASCII
// digits are taken in every locale): the window reads the user's, the command line
// QLocale::c(). Nothing for any other text, or one too large to be a number.
std::optional<double> TextToDecimal(const QString& text, const QLocale& locale);

// TextToDecimal in the user's locale (QLocale default, which follows the system unless a caller
// sets another).
double StrToFloat(const QString& text);

// Fixed-point text with `digits` decimals and the locale's decimal separator, rounded
// half away from zero: 10.5 -> "10.5", 11 -> "11.0", 11.04 -> "11.0". A negative value
// that rounds to zero shows as zero ("0.0", not "-0.0").
QString FloatToStrFixed(double value, int digits);

// A time as both programs take one: hours, minutes and seconds of one or two digits each,
// between two colons ("01:30:00", or short "1:30:0"), hours at most 23, minutes and seconds at
// most 59, blanks around it allowed and nothing else. A typo such as "02:4O:00" or an extra
// part ("00:01:30:00") is no time: it must never be read as another time. False, with
// `seconds` untouched, for any other text.
bool TimeTextToSeconds(const QString& text, int& seconds);

// "01:05:07" for 3907 s, which TimeTextToSeconds takes back below a day; hours get more digits when
// they need them ("100:00:00").
QString SecondsToText(int seconds);

// A character a terminal or an editor would obey rather than show, or that a reader may drop
// unseen: control characters (C0, DEL, C1), the bidirectional controls that would turn the rest
// of a line around (U+202A..U+202E, U+2066..U+2069), the line and paragraph separators
// (U+2028, U+2029) and the byte order mark (U+FEFF). The one rule for what is printed and for
// the JSON the command line writes.
bool IsObeyedCharacter(char16_t u);

// A JSON string (with its quotes) that shows every character of `text` and obeys none: quotes
// and backslashes, each obeyed character and any unpaired surrogate are escaped (\n, \t,
// \u202e, ...). The one writer of JSON strings for the command line's output and the records
// the programs keep, so that a line of them is safe to print.
QByteArray JsonQuoted(const QString& text);

// A text that came from outside (a USB description or serial number, a port file, a file name)
// made safe to print on a terminal or show in a window: each obeyed character and the
// backslash become C-style escapes ("\n", "\x1b", "\u202e", "\\"), everything else stays as
// it is.
QString EscapeControlCharacters(const QString& text);

// A file name made safe to show in the same way, except for the system's own separator: the
// backslashes of a Windows name stay single (no Windows name holds a control character).
QString EscapeFileName(const QString& name);
