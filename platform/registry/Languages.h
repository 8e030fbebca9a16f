// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <iterator>

// One language of the program: a row of Languages.def, which the build reads too.
struct TLanguage {
    const char* Code; // "deu": the translation file's extension, what the language store keeps
    const char* File; // "de": translations/brookfetch_de.ts
    const char* Name; // "Deutsch", UTF-8
    QLocale::Language Language;
};

// In LanguageId order: Languages[n - 1] is LanguageId n; LanguageId 0, "<Default>", has none.
inline constexpr TLanguage Languages[] = {
#define LANGUAGE(code, file, name, language) {#code, #file, name, QLocale::language},
#include "platform/registry/Languages.def"
#undef LANGUAGE
};
inline constexpr int LanguageIdCount = static_cast<int>(std::size(Languages)) + 1;

// The row of a LanguageId; null for 0 and for an index outside the table.
inline const TLanguage* LanguageOfId(int languageId) {
    if (languageId < 1 || languageId >= LanguageIdCount)
        return nullptr;
    return &Languages[languageId - 1];
}
