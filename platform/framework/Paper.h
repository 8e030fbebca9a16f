// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

// The paper a printed page takes by default.
enum class TPaper { A4, Letter };

// The user's usual paper: Letter where the user's locale says so (the United States, Canada,
// Mexico and a few countries more), A4 everywhere else. Linux: the locale's LC_PAPER, or, where
// that locale is not installed, the country of its name; Windows: the user's regional settings.
TPaper UsualPaper();

// Whether a country uses Letter (its CLDR paper size), for a locale that says nothing else.
bool LetterTerritory(QLocale::Territory territory);
