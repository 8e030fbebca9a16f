// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/registry/WineFocus.h"

#include <string>
#include <windows.h>

namespace {

// Set in the run a start makes of itself, so that it never makes another.
constexpr wchar_t Restarted[] = L"BROOKFETCH_WINE_FOCUS_SET";

// Runs this program again with the same command line and waits for it to end.
std::optional<int> RunAgain() {
    SetEnvironmentVariableW(Restarted, L"1");
    std::wstring commandLine = GetCommandLineW();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process))
        return std::nullopt; // this start goes on as it is
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

} // namespace

std::optional<int> PreferDirectFocusUnderWine() {
    // Wine's ntdll exports its version; Windows' does not.
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (!ntdll || !GetProcAddress(ntdll, "wine_get_version"))
        return std::nullopt;
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::nullopt;
    std::wstring exe(path, length);
    exe.erase(0, exe.find_last_of(L"\\/") + 1);
    const std::wstring keyName = L"Software\\Wine\\AppDefaults\\" + exe + L"\\X11 Driver";
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, keyName.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return std::nullopt;
    bool set = false;
    if (RegQueryValueExW(key, L"UseTakeFocus", nullptr, nullptr, nullptr, nullptr) ==
        ERROR_FILE_NOT_FOUND) {
        static const wchar_t no[] = L"N";
        set = RegSetValueExW(key, L"UseTakeFocus", 0, REG_SZ, reinterpret_cast<const BYTE*>(no),
                             sizeof no) == ERROR_SUCCESS;
    }
    RegCloseKey(key);
    if (!set || GetEnvironmentVariableW(Restarted, nullptr, 0) != 0)
        return std::nullopt;
    return RunAgain();
}
