// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// The language chosen for an executable, kept per user where Windows programs of its kind keep
// it: under HKEY_CURRENT_USER "Software\Borland\Locales", a value named by the executable's
// full path holding a three-letter code. On Windows these are the registry's own calls; on
// Linux the same values live in a per-user file (LanguageStoreFile, LanguageStorePosix.cpp).

// The key that keeps the language codes, below HKEY_CURRENT_USER.
inline constexpr const char* LocalesKey = "Software\\Borland\\Locales";

// Stores `code` (three letters, e.g. "deu") as this executable's value, or removes the value
// when `code` is null: the key is opened (made when missing), the value set or deleted, the key
// closed. False when the key cannot be opened or made, or the value cannot be changed; removing
// a value that is not there is no failure.
bool StoreLanguageCode(const QString& exePath, const char* code);

// The language code stored for this executable (value named by its full path; when there
// is none, the key's default value): at most the first 5 characters, up to a zero. None when
// nothing usable is stored; only letters make a code, in lower case.
std::optional<QString> StoredLanguageCode(const QString& exePath);

// The code a stored value holds: its characters up to the first zero, at most five, in lower
// case; none unless they are letters, because the code becomes a file name's extension.
std::optional<QString> LanguageCodeOf(const QString& stored);

// Linux: the file that keeps the values, $XDG_CONFIG_HOME/brookfetch/registry.ini (else
// ~/.config/brookfetch/registry.ini). It need not exist.
QString LanguageStoreFile();
