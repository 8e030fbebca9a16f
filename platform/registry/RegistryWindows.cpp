// SPDX-License-Identifier: GPL-3.0-or-later
// The language code in the Windows registry itself. The value is named by the executable's full
// path in its long form, with backslashes, as Windows reports it: the name under which the
// earlier Windows program kept the choice, so a language chosen there carries over. Names go
// through the wide calls, so a path outside the ANSI code page works too.
#include "platform/registry/LanguageStore.h"

#include <QDir>
#include <windows.h>

namespace {

std::wstring ValueName(const QString& exePath) {
    const std::wstring path = QDir::toNativeSeparators(exePath).toStdWString();
    // A program started through a short (8.3) name may be told that name.
    const DWORD size = GetLongPathNameW(path.c_str(), nullptr, 0);
    if (size == 0)
        return path;
    std::wstring longPath(size, L'\0');
    const DWORD length = GetLongPathNameW(path.c_str(), longPath.data(), size);
    if (length == 0 || length >= size)
        return path;
    longPath.resize(length);
    return longPath;
}

} // namespace

bool StoreLanguageCode(const QString& exePath, const char* code) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, LocalesKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, &disposition) != ERROR_SUCCESS)
        return false;
    const std::wstring name = ValueName(exePath);
    LONG result;
    if (code) {
        // The three letters and their terminating zero: the registry keeps them in UTF-16
        // whichever call stores them, so this is the very value RegSetValueExA(..., 4) makes.
        const wchar_t letters[4] = {static_cast<wchar_t>(code[0]), static_cast<wchar_t>(code[1]),
                                    static_cast<wchar_t>(code[2]), L'\0'};
        result = RegSetValueExW(key, name.c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(letters), sizeof letters);
    } else {
        result = RegDeleteValueW(key, name.c_str());
        if (result == ERROR_FILE_NOT_FOUND) // nothing was stored: the default holds already
            result = ERROR_SUCCESS;
    }
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

std::optional<QString> StoredLanguageCode(const QString& exePath) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, LocalesKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    // At most five characters and a zero, as the start-up always read; a longer value is no code.
    wchar_t data[6] = {};
    DWORD size = sizeof data;
    LONG result = RegQueryValueExW(key, ValueName(exePath).c_str(), nullptr, nullptr,
                                   reinterpret_cast<BYTE*>(data), &size);
    if (result == ERROR_FILE_NOT_FOUND) {
        size = sizeof data;
        result = RegQueryValueExW(key, L"", nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
    }
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return std::nullopt;
    return LanguageCodeOf(QString::fromWCharArray(data, static_cast<int>(size / sizeof(wchar_t))));
}
