// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file against what only Windows has: a file another program holds open.
#include "tests/platform/ini/IniFileFixture.h"

#include "platform/framework/Exceptions.h"

#include <QDir>
#include <windows.h>

// Another program (an editor, a backup or virus scanner) holds the file against reading but lets
// it be replaced: the copy a batch starts from cannot be made, so the batch must not go on from
// nothing and put a file with only its own keys in the old one's place.
TEST_F(IniFileTest, ABatchThatCannotCopyTheFileLeavesItByteForByte) {
    const QByteArray before = "; by hand\r\n[Properties]\r\nVersion=256\r\nOwner=lab 3\r\n"
                              "[Extra]\r\nKeep=yes\r\n";
    Put(before);
    const HANDLE held =
        CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(Path).utf16()),
                    GENERIC_READ, FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    TIniFile ini(Path);
    QString message;
    try {
        ini.Batch(
            [&] { ini.WriteInteger(QStringLiteral("MainForm"), QStringLiteral("MainTop"), 5); });
    } catch (const Exception& error) {
        message = error.Message;
    }
    CloseHandle(held);
    EXPECT_EQ(message, QStringLiteral("Unable to write to ") + Path);
    EXPECT_EQ(Get(), before);
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("settings.INI")})
        << "no copy is left beside it";
}
