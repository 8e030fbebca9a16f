// SPDX-License-Identifier: GPL-3.0-or-later
// What only our own reader and writer promise, on Linux: every byte a write does not change stays
// as it was (Windows rewrites the lines it keeps: CR LF ends, no blank lines, no blanks around
// "=", and Wine cuts text before the first section at a NUL, which Windows keeps), comments are
// no keys, a pipe in the file's place is never opened, and a write the disk cannot take leaves
// the old file whole.
#include "tests/platform/ini/IniFileFixture.h"

#include "platform/framework/Exceptions.h"
#include "tests/platform/ini/FileSizeLimit.h"

#include <QDir>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

TEST_F(IniFileTest, OurWriterKeepsEveryByteItDoesNotChange) {
    const QByteArray before = "; settings of the sampler programmer\n"
                              "\n"
                              "[mainform]\n"
                              "  maintop = 12\n"
                              "# not a comment for us, just a line\n"
                              "\n"
                              "; the other section\n"
                              "[ Other ]\r"
                              "MainTop=99";
    Put(before);
    TIniFile ini(Path);
    ini.WriteInteger("MainForm", "MAINTOP", 5);
    // A new key goes after the section's last entry, before the blank line and the comment
    // that introduce the next section; a last line gets its line end, the file's first one.
    ini.WriteInteger("mainFORM", "MainLeft", 8);
    ini.WriteInteger("other", "MainLeft", 9);
    QByteArray expected = before;
    expected.replace("  maintop = 12\n", "  maintop = 5\n");
    expected.replace("just a line\n", "just a line\nMainLeft=8\n");
    expected += "\nMainLeft=9\n";
    EXPECT_EQ(Get(), expected);

    // Bytes before the first section, NULs among them, stay as they are.
    const QByteArray data("Data \0 before \0 first \0 section", 31);
    Put(data);
    TIniFile(Path).WriteString("section1", "key1", "string1");
    EXPECT_EQ(Get(), data + "\n[section1]\nkey1=string1\n");
}

// Wine takes U+FEFF at the start of a value for a blank and drops it.
TEST_F(IniFileTest, AByteOrderMarkIsOneOnlyAtTheStartOfTheFile) {
    const QString mark(QChar(0xFEFF));
    TIniFile fresh(Dir.filePath("fresh.INI"));
    fresh.WriteString("section1", mark + "name", mark + "value");
    EXPECT_EQ(fresh.ReadString("section1", mark + "name", "default"), mark + "value");
}

TEST_F(IniFileTest, CommentsAndTextBeforeTheFirstSectionAreNoKeysForUs) {
    // Windows reads both: ";K" as a key of "S", and "K" as a key of the section "".
    Put("K=1\n[S]\n;K=2\n");
    TIniFile ini(Path);
    EXPECT_EQ(ini.ReadInteger("", "K", -1), -1);
    EXPECT_FALSE(ini.ValueExists("S", ";K"));
}

TEST_F(IniFileTest, PipeInTheFilesPlaceIsNotWaitedFor) {
    // A writer stands ready with a section, so a change that did open the pipe would read it
    // and replace the pipe instead of hanging; neither the change nor a read may open it.
    const QByteArray fifo = QFile::encodeName(Path);
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
    std::thread writer([&fifo] {
        const int end = open(fifo.constData(), O_WRONLY);
        if (end >= 0) {
            EXPECT_EQ(write(end, "[S]\nK=5\n", 8), 8);
            close(end);
        }
    });
    TIniFile ini(Path);
    EXPECT_THROW(ini.WriteInteger("S", "K", 1), Exception);
    EXPECT_EQ(ini.ReadInteger("S", "K", 3), 3);
    const int reader = open(fifo.constData(), O_RDONLY | O_NONBLOCK); // lets the writer go
    writer.join();
    close(reader);
    struct stat status = {};
    ASSERT_EQ(stat(fifo.constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

TEST_F(IniFileTest, WriteThatDoesNotFitLeavesTheOldFileWhole) {
    const QByteArray before = "; comment\n[S]\nK=1\n";
    Put(before);
    TIniFile ini(Path);
    QString message;
    {
        FileSizeLimit full(static_cast<rlim_t>(before.size() + 2));
        try {
            ini.WriteString("S", "K", "a value longer than the disk allows");
        } catch (const Exception& error) {
            message = error.Message;
        }
    }
    EXPECT_EQ(message, QStringLiteral("Unable to write to ") + Path);
    EXPECT_EQ(Get(), before);
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("settings.INI")});
}

} // namespace
