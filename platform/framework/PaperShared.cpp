// SPDX-License-Identifier: GPL-3.0-or-later
// The paper sizes both systems share: A4 or Letter by the user's locale.
#include "platform/framework/Paper.h"

#include <algorithm>
#include <iterator>

bool LetterTerritory(QLocale::Territory territory) {
    // CLDR's "US-Letter" territories.
    static constexpr QLocale::Territory Letter[] = {
        QLocale::Belize,       QLocale::Canada,      QLocale::Chile,      QLocale::Colombia,
        QLocale::CostaRica,    QLocale::Guatemala,   QLocale::Mexico,     QLocale::Nicaragua,
        QLocale::Panama,       QLocale::Philippines, QLocale::PuertoRico, QLocale::ElSalvador,
        QLocale::UnitedStates, QLocale::Venezuela,
    };
    return std::find(std::begin(Letter), std::end(Letter), territory) != std::end(Letter);
}
