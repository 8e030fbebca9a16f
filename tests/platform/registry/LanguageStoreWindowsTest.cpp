// SPDX-License-Identifier: GPL-3.0-or-later
// The language choice in Windows' own registry, as the earlier Windows program's start-up reads
// it: HKEY_CURRENT_USER "Software\Borland\Locales", value named by the executable's long path.
#include "platform/registry/LanguageStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <windows.h>

namespace {

// What the earlier program's start-up got: at most 5 bytes through the ANSI call.
struct AnsiValue {
    LONG Result = ERROR_FILE_NOT_FOUND;
    DWORD Type = 0;
    QByteArray Data;
};

AnsiValue ReadAnsi(const QByteArray& name) {
    AnsiValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, LocalesKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return value;
    char data[5] = {};
    DWORD size = sizeof data;
    value.Result = RegQueryValueExA(key, name.constData(), nullptr, &value.Type,
                                    reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    value.Data = QByteArray(data, value.Result == ERROR_SUCCESS ? static_cast<int>(size) : 0);
    return value;
}

class LanguageStoreWindows : public ::testing::Test {
protected:
    QTemporaryDir Programs;
    // A folder name with a space and more than eight letters has a short form of its own.
    QString Folder = Programs.filePath(QStringLiteral("Brook Fetch Programs"));
    QString Exe = Folder + QStringLiteral("/brookfetch.exe");

    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(Folder));
        QFile file(Exe);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    void TearDown() override { StoreLanguageCode(Exe, nullptr); }
};

TEST_F(LanguageStoreWindows, CodeIsStoredUnderTheLongBackslashedPathAsFourAnsiBytes) {
    ASSERT_TRUE(StoreLanguageCode(Exe, "deu"));
    const AnsiValue value = ReadAnsi(QDir::toNativeSeparators(Exe).toLocal8Bit());
    ASSERT_EQ(value.Result, ERROR_SUCCESS);
    EXPECT_EQ(value.Type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(value.Data, QByteArray("deu\0", 4));
    EXPECT_EQ(StoredLanguageCode(Exe), QStringLiteral("deu"));

    // Started through its short name the program still finds its own value.
    wchar_t shortName[MAX_PATH] = {};
    const std::wstring longName = QDir::toNativeSeparators(Exe).toStdWString();
    const DWORD length = GetShortPathNameW(longName.c_str(), shortName, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        EXPECT_EQ(StoredLanguageCode(QString::fromWCharArray(shortName, length)),
                  QStringLiteral("deu"));
    }

    ASSERT_TRUE(StoreLanguageCode(Exe, nullptr));
    EXPECT_EQ(ReadAnsi(QDir::toNativeSeparators(Exe).toLocal8Bit()).Result, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(StoredLanguageCode(Exe), std::nullopt);
    EXPECT_TRUE(StoreLanguageCode(Exe, nullptr)) << "removing what is not there is no failure";
}

TEST_F(LanguageStoreWindows, PathsOutsideTheAnsiCodePageKeepTheirOwnValue) {
    const QString other = Programs.filePath(QStringLiteral("Prüfstand Ωμέγα/brookfetch.exe"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(other).absolutePath()));
    ASSERT_TRUE(StoreLanguageCode(Exe, "fra"));
    ASSERT_TRUE(StoreLanguageCode(other, "plk"));
    EXPECT_EQ(StoredLanguageCode(Exe), QStringLiteral("fra"));
    EXPECT_EQ(StoredLanguageCode(other), QStringLiteral("plk"));
    ASSERT_TRUE(StoreLanguageCode(other, nullptr));
    EXPECT_EQ(StoredLanguageCode(other), std::nullopt);
}

} // namespace
