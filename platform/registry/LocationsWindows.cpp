// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/registry/Locations.h"

#include <QDir>
#include <QFileInfo>
#include <QUuid>
#include <shlobj.h>
#include <windows.h>

#include <lmcons.h> // after windows.h, which it needs

QString UserConfigFolder() {
    // The roaming application data folder, as the system knows it; %APPDATA% names the same.
    QString base;
    PWSTR folder = nullptr;
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &folder) == S_OK)
        base = QDir::fromNativeSeparators(QString::fromWCharArray(folder));
    CoTaskMemFree(folder);
    if (base.isEmpty())
        base = QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
    return base + QStringLiteral("/Brookfetch");
}

QString UserDataFolder() {
    QString base;
    PWSTR folder = nullptr;
    if (SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_DEFAULT, nullptr, &folder) == S_OK)
        base = QDir::fromNativeSeparators(QString::fromWCharArray(folder));
    CoTaskMemFree(folder);
    if (base.isEmpty())
        base = QDir::fromNativeSeparators(qEnvironmentVariable("LOCALAPPDATA"));
    return base + QStringLiteral("/Brookfetch");
}

QString UserLoginName() {
    wchar_t name[UNLEN + 1] = {};
    DWORD size = UNLEN + 1;
    if (GetUserNameW(name, &size) && size > 1)
        return QString::fromWCharArray(name, static_cast<qsizetype>(size - 1));
    return qEnvironmentVariable("USERNAME");
}

bool MakePrivateFolder(const QString& folder) {
    // Below the user's profile a new folder is the user's own already.
    return QDir().mkpath(folder);
}

QString SharedDataFolder(const QString& exePath) {
    return QFileInfo(exePath).absolutePath();
}

bool IsInstalledLayout(const QString& exePath) {
    return QFileInfo(QFileInfo(exePath).absolutePath() + QStringLiteral("/installed")).isFile();
}

bool FolderTakesNewFiles(const QString& folder) {
    // Only trying tells: the folder's access list decides (Program Files takes no file from a
    // user), not its read-only attribute, which Windows ignores for folders.
    const QString probe =
        folder + QStringLiteral("/.brookfetch-") + QUuid::createUuid().toString(QUuid::Id128);
    const HANDLE file = CreateFileW(
        reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(probe).utf16()), GENERIC_WRITE, 0,
        nullptr, CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}
