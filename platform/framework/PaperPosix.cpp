// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/framework/Paper.h"

#include <QString>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <langinfo.h>

namespace {

// The locale the environment names for LC_PAPER, as POSIX orders the variables.
QString PaperLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"})
        if (const char* value = std::getenv(variable); value != nullptr && *value != '\0')
            return QString::fromLocal8Bit(value);
    return QString();
}

bool IsPlainC(const char* name) {
    return name == nullptr || std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0 ||
           std::strncmp(name, "C.", 2) == 0;
}

} // namespace

TPaper UsualPaper() {
    // The application object has taken the environment's locale (setlocale(LC_ALL, "")); an
    // installed locale knows its paper, 279 mm high for Letter.
    if (!IsPlainC(std::setlocale(LC_PAPER, nullptr))) {
        const auto height =
            static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_HEIGHT)));
        return height == 279 ? TPaper::Letter : TPaper::A4;
    }
    // A locale that is not installed still names its country (en_US.UTF-8).
    QString name = PaperLocaleName();
    name = name.left(name.indexOf(QLatin1Char('.')));
    if (name.isEmpty())
        return TPaper::A4;
    return LetterTerritory(QLocale(name).territory()) ? TPaper::Letter : TPaper::A4;
}
