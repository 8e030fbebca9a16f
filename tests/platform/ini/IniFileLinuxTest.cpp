// What only our own reader and writer promise, on Linux: a pipe in the file's place is never
// opened, and a write the disk cannot take leaves the old file whole.
#include "tests/platform/ini/IniFileFixture.h"

#include "platform/framework/Exceptions.h"
#include "tests/platform/ini/FileSizeLimit.h"

#include <QDir>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

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
