// SPDX-License-Identifier: GPL-3.0-or-later
// Where the Windows program keeps its settings: beside itself, unless an installer left the
// marker "installed" there or the folder takes no file; then in the roaming application data.
#include "platform/registry/Locations.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(LocationsWindows, PortableUnlessMarkedInstalledAndTheUsersFolderElse) {
    QTemporaryDir programs;
    const QString exe = programs.filePath(QStringLiteral("brookfetch.exe"));
    EXPECT_FALSE(IsInstalledLayout(exe));
    EXPECT_TRUE(FolderTakesNewFiles(programs.path()));
    EXPECT_EQ(QDir(programs.path()).entryList(QDir::Files | QDir::Hidden), QStringList())
        << "the probe leaves nothing behind";
    EXPECT_FALSE(FolderTakesNewFiles(programs.filePath(QStringLiteral("missing"))));

    QFile marker(programs.filePath(QStringLiteral("installed")));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    EXPECT_TRUE(IsInstalledLayout(exe));

    const QString appData = QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
    ASSERT_FALSE(appData.isEmpty());
    EXPECT_EQ(
        UserConfigFolder().compare(appData + QStringLiteral("/Brookfetch"), Qt::CaseInsensitive), 0)
        << UserConfigFolder().toStdString();
    EXPECT_EQ(SharedDataFolder(exe), programs.path());
    // The programming history stays on this computer.
    const QString localAppData = QDir::fromNativeSeparators(qEnvironmentVariable("LOCALAPPDATA"));
    EXPECT_EQ(
        UserDataFolder().compare(localAppData + QStringLiteral("/Brookfetch"), Qt::CaseInsensitive),
        0)
        << UserDataFolder().toStdString();
}
