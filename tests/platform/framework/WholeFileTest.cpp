#include "platform/framework/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Status {
    mode_t Mode;
    uid_t Owner;
};

Status StatusOf(const QString& path) {
    struct stat info {};
    EXPECT_EQ(stat(QFile::encodeName(path).constData(), &info), 0);
    return {info.st_mode & 07777, info.st_uid};
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A saved file is the same file to its owner afterwards: read-only stays read-only, even when
// root saved it (Qt's copy would come back writable), and it still belongs to whom it did.
TEST(WholeFile, AReplacedFileKeepsItsModeAndOwner) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept"));
    const bool root = geteuid() == 0;
    for (const mode_t mode : {mode_t(0640), mode_t(0604), mode_t(0751), mode_t(0444)}) {
        SCOPED_TRACE(mode);
        QFile::remove(path);
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("old contents, longer than the new");
        }
        ASSERT_EQ(chmod(QFile::encodeName(path).constData(), mode), 0);
        const bool writable = root || (mode & 0200);
        EXPECT_EQ(SaveWholeFile(path, QByteArray("new")),
                  writable ? TSaveResult::Saved : TSaveResult::NotOpened);
        EXPECT_EQ(Contents(path),
                  writable ? QByteArray("new") : "old contents, longer than the new");
        EXPECT_EQ(StatusOf(path).Mode, mode);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"kept"});
    }
    // Only root can save another user's file in its own folder.
    if (root) {
        ASSERT_EQ(chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
        ASSERT_EQ(SaveWholeFile(path, QByteArray("root's")), TSaveResult::Saved);
        EXPECT_EQ(StatusOf(path).Owner, 65534u);
        EXPECT_EQ(StatusOf(path).Mode, 0444u);
    }
}

} // namespace
