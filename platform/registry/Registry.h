#pragma once

#include "platform/registry/LanguageStore.h"

#include <QString>
#include <cstdint>
#include <optional>

// The Win32 registry calls the language choice needs, over a per-user store file:
//   $XDG_CONFIG_HOME/brookfetch/registry.ini   (else ~/.config/brookfetch/registry.ini)
// read afresh at each call. Each key is a section "[HKEY_CURRENT_USER\Software\...]"; each
// value one line
//   <name, percent-encoded>=<type, decimal>:<data, hexadecimal>
// e.g. "/opt/brookfetch/brookfetch=1:64657500" for "deu" and its zero byte as REG_SZ.
// Names may hold any byte ("/", "=", spaces, non-ASCII); the empty name is the key's
// default value. Key names match without regard to case, as in Windows; value names match
// exactly, because the executable paths they carry are case-sensitive here. Every change is
// on disk (written aside, then renamed over the store) before the call returns; a lock file
// beside the store keeps two running programs from losing each other's changes.

using LONG = std::int32_t;
using DWORD = std::uint32_t;
using BYTE = std::uint8_t;
using REGSAM = DWORD;
using LPCSTR = const char*;
using LPSTR = char*;
using LPDWORD = DWORD*;
using LPBYTE = BYTE*;

struct HKEY__;
using HKEY = HKEY__*;
using PHKEY = HKEY*;

struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

// The predefined root; the other roots are not kept.
extern HKEY const HKEY_CURRENT_USER;

enum : LONG {
    ERROR_SUCCESS = 0,
    ERROR_FILE_NOT_FOUND = 2,
    ERROR_ACCESS_DENIED = 5,
    ERROR_INVALID_HANDLE = 6,
    ERROR_INVALID_PARAMETER = 87,
    ERROR_MORE_DATA = 234,
};
enum : DWORD { REG_NONE = 0, REG_SZ = 1, REG_EXPAND_SZ = 2, REG_BINARY = 3, REG_DWORD = 4 };
enum : DWORD { REG_OPTION_NON_VOLATILE = 0 };
enum : DWORD { REG_CREATED_NEW_KEY = 1, REG_OPENED_EXISTING_KEY = 2 };
enum : REGSAM {
    KEY_QUERY_VALUE = 0x0001,
    KEY_SET_VALUE = 0x0002,
    KEY_READ = 0x20019,
    KEY_WRITE = 0x20006,
    KEY_ALL_ACCESS = 0xF003F
};

// Opens the key below HKEY_CURRENT_USER, creating it (and the store) when needed. Fails with
// a non-zero code when the store cannot be read, created or written.
LONG RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPSTR lpClass, DWORD dwOptions,
                     REGSAM samDesired, LPSECURITY_ATTRIBUTES lpSecurityAttributes, PHKEY phkResult,
                     LPDWORD lpdwDisposition);
// Opens an existing key; ERROR_FILE_NOT_FOUND when there is none.
LONG RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult);
LONG RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData,
                    DWORD cbData);
// Win32 rules: lpData null asks only for type and size; a buffer too small gives
// ERROR_MORE_DATA with the size needed in *lpcbData.
LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                      LPBYTE lpData, LPDWORD lpcbData);
// ERROR_FILE_NOT_FOUND when the value does not exist.
LONG RegDeleteValueA(HKEY hKey, LPCSTR lpValueName);
LONG RegCloseKey(HKEY hKey);

// Where the store lives for the current environment.
QString RegistryStorePath();
