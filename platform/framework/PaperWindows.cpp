// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/framework/Paper.h"

#include <windows.h>

TPaper UsualPaper() {
    // The regional settings' paper: 1 Letter, 5 Legal (a Letter country), 9 A4, ...
    DWORD size = 0;
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IPAPERSIZE | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<LPWSTR>(&size), sizeof(size) / sizeof(WCHAR)) == 0)
        return LetterTerritory(QLocale::system().territory()) ? TPaper::Letter : TPaper::A4;
    return size == 1 || size == 5 ? TPaper::Letter : TPaper::A4;
}
