// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

// Which translation file the program starts with: a Qt .qm file named after the executable
// with a language code as extension, beside it (/opt/bf/brookfetch + "deu" ->
// /opt/bf/brookfetch.deu), else brookfetch.<code> in the installed tree's
// <exe folder>/../share/brookfetch/translations/ (/usr/bin/brookfetch ->
// /usr/share/brookfetch/translations/brookfetch.deu). Codes tried in order:
//   1. the code stored for this executable's full path (StoredLanguageCode);
//   2. the locale's three-letter Windows language abbreviation, in lower case ("deu");
//   3. its first two letters ("de");
//   4. the language's main code, whatever the country ("deu" for de_AT or de_CH).
// The first file that exists wins; an empty result means the built-in English texts.
QString TranslationFileFor(const QString& exePath, const QLocale& locale = QLocale::system());

// The file the locale alone picks (steps 2 to 4 above): what the language "<Default>" stands
// for. Empty: English.
QString LocaleTranslationFile(const QString& exePath, const QLocale& locale = QLocale::system());

// The language a code of a translation file stands for: "deu", "dea" and "de" are German.
// AnyLanguage for a code that is none of Windows' (case is ignored).
QLocale::Language LanguageOfCode(const QString& code);

// The Windows three-letter abbreviation (lower case) of a locale's language and country:
// German/Germany "deu", German/Austria "dea", English/United States "enu", Czech "csy",
// Polish "plk", Spanish/Spain "esp". Empty for a language without one (C locale included).
QString WindowsLanguageAbbreviation(const QLocale& locale);

// `path` with the extension of its file name replaced by `extension` (given with or
// without the dot); a name without an extension gets it appended.
QString ChangeFileExt(const QString& path, const QString& extension);
