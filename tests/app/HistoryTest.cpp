// SPDX-License-Identifier: GPL-3.0-or-later
// The programming history: what an entry keeps, what a power cut and a second writer may do to
// the file, and a history that cannot be written.
#include "app/History.h"

#include "BrookfetchVersion.h"
#include "platform/files/Files.h"
#include "platform/framework/NativePath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <thread>

namespace {

class HistoryTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    QString Path = Dir.filePath(QStringLiteral("team/history.jsonl"));

    static THistoryEntry Written(const QString& file) {
        THistoryEntry entry;
        entry.Operation = QStringLiteral("write");
        entry.Ok = true;
        entry.File = file;
        entry.AdapterName = QStringLiteral("USB FETCHer Adapter");
        entry.AdapterVersion = QStringLiteral("1.05");
        entry.AdapterSerial = QStringLiteral("FT5XK2QA");
        entry.Connector = QStringLiteral("small");
        entry.Image = QByteArray(128, '\0');
        entry.Image[0] = '\xDC';
        entry.Image[1] = '\x05';
        return entry;
    }
    QByteArray Contents() const {
        QFile file(Path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};

TEST_F(HistoryTest, EntriesComeBackNewestFirstWithTheirChecksumAndAWordyFailure) {
    ASSERT_EQ(RecordHistory(Path, Written(QStringLiteral("/data/river.brk"))), QString());
    THistoryEntry failed;
    failed.Operation = QStringLiteral("read");
    // Quotes, a line break and a character that would turn a terminal's line around.
    failed.Message = QStringLiteral("the connector was pulled; \"plug\" it in\nagain \u202e");
    failed.File = QStringLiteral("/data/Ölbach.brk");
    ASSERT_EQ(RecordHistory(Path, failed), QString());

    const THistoryLoad loaded = LoadHistory(Path);
    EXPECT_EQ(loaded.Failure, QString());
    EXPECT_EQ(loaded.Damaged, 0);
    ASSERT_EQ(loaded.Entries.size(), 2);
    const THistoryEntry& read = loaded.Entries[0];
    EXPECT_EQ(read.Operation, QStringLiteral("read"));
    EXPECT_FALSE(read.Ok);
    EXPECT_EQ(read.Message, failed.Message);
    EXPECT_EQ(read.File, failed.File);
    EXPECT_TRUE(read.Image.isEmpty());
    EXPECT_TRUE(read.Checksum.isEmpty());
    const THistoryEntry& write = loaded.Entries[1];
    EXPECT_TRUE(write.Ok);
    EXPECT_EQ(write.Image, Written(QString()).Image);
    // Bytes 2 to 125 summed (all zero) and inverted, as the parameter sheet shows it.
    EXPECT_EQ(write.Checksum, QStringLiteral("0xFFFF"));
    EXPECT_EQ(write.AdapterSerial, QStringLiteral("FT5XK2QA"));
    EXPECT_FALSE(write.User.isEmpty());
    EXPECT_TRUE(write.Program.endsWith(QLatin1Char(' ') + QLatin1String(BrookfetchVersion)));
    EXPECT_LE(std::abs(write.Time.secsTo(QDateTime::currentDateTime())), 60);
    // One line each, printable as it is stored.
    EXPECT_EQ(Contents().count('\n'), 2);
    EXPECT_FALSE(Contents().contains("\xE2\x80\xAE"));
}

TEST_F(HistoryTest, ACutEntryIsSkippedAndCountedAndTheNextOneStartsOnALineOfItsOwn) {
    ASSERT_EQ(RecordHistory(Path, Written(QStringLiteral("/data/one.brk"))), QString());
    QFile file(Path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(HistoryLine(Written(QStringLiteral("/data/cut.brk"))).left(100)); // a power cut
    file.close();
    ASSERT_EQ(RecordHistory(Path, Written(QStringLiteral("/data/two.brk"))), QString());

    const THistoryLoad loaded = LoadHistory(Path);
    EXPECT_EQ(loaded.Damaged, 1);
    ASSERT_EQ(loaded.Entries.size(), 2);
    EXPECT_EQ(loaded.Entries[0].File, QStringLiteral("/data/two.brk"));
    EXPECT_EQ(loaded.Entries[1].File, QStringLiteral("/data/one.brk"));
}

TEST_F(HistoryTest, TheFilterTakesTimesAsInstantsWhateverTheirOffset) {
    THistoryEntry east = Written(QStringLiteral("/data/east.brk"));
    east.Time = QDateTime(QDate(2026, 3, 1), QTime(12, 0), Qt::OffsetFromUTC, 5 * 3600);
    THistoryEntry west = Written(QStringLiteral("/data/west.brk"));
    west.Time = QDateTime(QDate(2026, 3, 1), QTime(10, 0), Qt::OffsetFromUTC, -3600);
    west.Ok = false;
    ASSERT_EQ(RecordHistory(Path, east), QString());
    ASSERT_EQ(RecordHistory(Path, west), QString());

    THistoryFilter filter;
    filter.Since = QDateTime(QDate(2026, 3, 1), QTime(9, 0), Qt::UTC); // 07:00 UTC is before
    const THistoryLoad since = LoadHistory(Path, filter);
    ASSERT_EQ(since.Entries.size(), 1);
    EXPECT_EQ(since.Entries[0].File, QStringLiteral("/data/west.brk"));
    EXPECT_EQ(since.Entries[0].Time, west.Time);

    filter = THistoryFilter();
    filter.Ok = true;
    filter.Text = QStringLiteral("EAST");
    EXPECT_EQ(LoadHistory(Path, filter).Entries.size(), 1);
}

// Lines longer than what one read of the file brings are put together again.
TEST_F(HistoryTest, ALongHistoryLoadsWhole) {
    std::string bytes;
    for (int i = 0; i < 4000; ++i) {
        THistoryEntry entry = Written(QStringLiteral("/data/river-%1.brk").arg(i));
        entry.Time = QDateTime::currentDateTime();
        bytes += HistoryLine(entry).toStdString() + '\n';
    }
    ASSERT_TRUE(QDir().mkpath(QFileInfo(Path).absolutePath()));
    ASSERT_EQ(SaveWholeFile(NativePath(Path), bytes), TSaveResult::Saved);
    const THistoryLoad loaded = LoadHistory(Path);
    EXPECT_EQ(loaded.Damaged, 0);
    ASSERT_EQ(loaded.Entries.size(), 4000);
    EXPECT_EQ(loaded.Entries.front().File, QStringLiteral("/data/river-3999.brk"));
}

TEST_F(HistoryTest, TwoWritersAtOnceLoseNothing) {
    const auto writer = [this](const QString& who) {
        for (int i = 0; i < 200; ++i)
            EXPECT_EQ(RecordHistory(Path, Written(QStringLiteral("/%1/%2.brk").arg(who).arg(i))),
                      QString());
    };
    std::thread one(writer, QStringLiteral("one"));
    std::thread two(writer, QStringLiteral("two"));
    one.join();
    two.join();
    const THistoryLoad loaded = LoadHistory(Path);
    EXPECT_EQ(loaded.Damaged, 0);
    EXPECT_EQ(loaded.Entries.size(), 400);
    EXPECT_EQ(Contents().count('\n'), 400);
}

TEST_F(HistoryTest, AHistoryThatCannotBeWrittenOrReadSaysWhy) {
    QFile blocker(Dir.filePath(QStringLiteral("team")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    const QString why = RecordHistory(Path, Written(QString()));
    EXPECT_TRUE(why.startsWith(
        QStringLiteral("the history %1 cannot be written").arg(QDir::toNativeSeparators(Path))))
        << why.toStdString();
    EXPECT_TRUE(LoadHistory(Path).Failure.isEmpty()) << "nothing recorded yet is no failure";
    EXPECT_FALSE(LoadHistory(Dir.path()).Failure.isEmpty()) << "a folder is no history";
}

} // namespace
