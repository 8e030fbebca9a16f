// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/registry/Locations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The user's home folder. Without HOME (a program started by a service) Qt would answer "/",
// and the files would land in a folder that is nobody's; the password database knows better.
QString HomeFolder() {
    QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty()) {
        if (const passwd* user = getpwuid(getuid()); user && user->pw_dir && *user->pw_dir)
            home = QFile::decodeName(user->pw_dir);
    }
    if (home.isEmpty())
        home = QDir::homePath();
    home = QDir::cleanPath(home);
    return home == QLatin1String("/") ? QString() : home; // no "//.config"
}

} // namespace

QString UserConfigFolder() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base)) // a relative setting is to be ignored
        base = HomeFolder() + QStringLiteral("/.config");
    return base + QStringLiteral("/brookfetch");
}

QString UserDataFolder() {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = HomeFolder() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/brookfetch");
}

QString UserLoginName() {
    // The password database's name for who runs us; the environment only where it has none (a
    // user known to a container by number alone).
    if (const passwd* user = getpwuid(geteuid()); user && user->pw_name && *user->pw_name)
        return QFile::decodeName(user->pw_name);
    const QString name = qEnvironmentVariable("LOGNAME");
    return name.isEmpty() ? qEnvironmentVariable("USER") : name;
}

bool MakePrivateFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (info.isDir())
        return true;
    const QString parent = info.absolutePath();
    if (parent != info.absoluteFilePath() && !MakePrivateFolder(parent))
        return false;
    return ::mkdir(QFile::encodeName(folder).constData(), 0700) == 0 || errno == EEXIST;
}

QString SharedDataFolder(const QString& exePath) {
    return QDir::cleanPath(QFileInfo(exePath).absolutePath() +
                           QStringLiteral("/../share/brookfetch"));
}

bool IsInstalledLayout(const QString& exePath) {
    return QFileInfo(QFileInfo(exePath).absolutePath()).fileName() == QLatin1String("bin") &&
           QFileInfo(SharedDataFolder(exePath)).isDir();
}

bool FolderTakesNewFiles(const QString& folder) {
    return QFileInfo(folder).isWritable();
}
