// SPDX-License-Identifier: GPL-3.0-or-later
// Configuration files: loading, saving and what a file that cannot be read or written leaves
// behind.
#include "model/Q47.h"
#include "platform/framework/NativePath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray DefaultFile() {
    QByteArray bytes = QByteArray::fromHex("DC050000"
                                           "0A0A0A84"
                                           "0308B1A8"
                                           "3C010000");
    bytes.append(110, '\0');
    bytes.append(QByteArray::fromHex("BCFD"));
    return bytes;
}

class Q47File : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Dir.isValid()); }

    QString Path(const QString& name) const { return Dir.filePath(name); }

    QString Write(const QString& name, const QByteArray& content) const {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(content), content.size());
        return file.fileName();
    }

    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList Entries() const {
        return QDir(Dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    // A parameter set that differs from the defaults everywhere, so a load shows.
    static TQ47 Changed() {
        TQ47 model;
        model.SetDeadTime(3600);
        model.SetPrePurge(20);
        model.SetAeration(30);
        model.SetPostPurge(40);
        model.SetSamplingInterval(1800);
        model.SetSamplesCount(24);
        model.SetAccuWarning(12.0);
        model.SetAccuOff(11.5);
        model.SetMaxSuctionTime(90);
        model.SetPurgesCount(3);
        model.SetVarMode(1);
        return model;
    }

    static void ExpectDefaults(const TQ47& model) {
        const TQ47 defaults;
        EXPECT_EQ(model.PumpPulses, defaults.PumpPulses);
        EXPECT_EQ(model.DeadTime, defaults.DeadTime);
        EXPECT_EQ(model.SamplingInterval, defaults.SamplingInterval);
        EXPECT_EQ(model.SamplesCount, defaults.SamplesCount);
        EXPECT_EQ(model.AccuWarning, defaults.AccuWarning);
        EXPECT_EQ(model.VarMode, defaults.VarMode);
    }

    QTemporaryDir Dir;
};

TEST_F(Q47File, SavingTheDefaultsWritesExactlyTheImage) {
    TQ47 model;
    model.LastError = TQ47::CommError;
    ASSERT_TRUE(model.SaveToFile(NativePath(Path("default.brk"))));
    EXPECT_EQ(model.LastError, TQ47::NoError);
    EXPECT_EQ(Read(Path("default.brk")), DefaultFile());
    EXPECT_EQ(Entries(), QStringList{"default.brk"});
}

TEST_F(Q47File, SaveAndLoadGiveBackTheParameterSet) {
    TQ47 saved = Changed();
    saved.SetAccuWarning(11.96); // stored unrounded, comes back as 12.0
    ASSERT_TRUE(saved.SaveToFile(NativePath(Path("set.brk"))));

    TQ47 loaded;
    loaded.LastError = TQ47::FileError;
    ASSERT_TRUE(loaded.LoadFromFile(NativePath(Path("set.brk"))));
    EXPECT_EQ(loaded.LastError, TQ47::NoError);
    EXPECT_EQ(loaded.DeadTime, 3600);
    EXPECT_EQ(loaded.PrePurge, 20);
    EXPECT_EQ(loaded.Aeration, 30);
    EXPECT_EQ(loaded.PostPurge, 40);
    EXPECT_EQ(loaded.SamplingInterval, 1800);
    EXPECT_FALSE(loaded.Continuous);
    EXPECT_EQ(loaded.SamplesCount, 24);
    EXPECT_EQ(loaded.AccuWarning, 12.0);
    EXPECT_EQ(loaded.AccuOff, 11.5);
    EXPECT_EQ(loaded.MaxSuctionTime, 90);
    EXPECT_EQ(loaded.PurgesCount, 3);
    EXPECT_EQ(loaded.VarMode, 1);
}

TEST_F(Q47File, LoadChecksLengthAndChecksum) {
    QByteArray pumpChanged = DefaultFile();
    pumpChanged[0] = char(0x10);
    pumpChanged[1] = char(0x27); // 10000 pulses, outside the checksum
    QByteArray badSum = DefaultFile();
    badSum[126] = char(0xBD);
    QByteArray changedField = DefaultFile();
    changedField[4] = char(0x0B);
    const struct {
        const char* Name;
        QByteArray Content;
        bool Loads;
        int LastError;
    } cases[] = {
        {"empty", QByteArray(), false, TQ47::CommError},
        {"127 bytes", DefaultFile().left(127), false, TQ47::CommError},
        {"200 bytes", DefaultFile() + QByteArray(72, '\x7F'), true, TQ47::NoError},
        {"wrong checksum", badSum, false, TQ47::CommError},
        {"field changed", changedField, false, TQ47::CommError},
        {"all zero", QByteArray(128, '\0'), false, TQ47::CommError},
        {"pump pulses changed", pumpChanged, true, TQ47::NoError},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TQ47 model = Changed();
        EXPECT_EQ(model.LoadFromFile(NativePath(Write("case.brk", c.Content))), c.Loads);
        EXPECT_EQ(model.LastError, c.LastError);
        if (c.Loads) {
            EXPECT_EQ(model.DeadTime, 0);
            EXPECT_EQ(model.PumpPulses, c.Content[0] == char(0x10) ? 10000 : 1500);
        } else {
            const TQ47 before = Changed();
            EXPECT_EQ(model.DeadTime, before.DeadTime);
            EXPECT_EQ(model.SamplesCount, before.SamplesCount);
            EXPECT_EQ(model.AccuOff, before.AccuOff);
            EXPECT_EQ(model.PumpPulses, before.PumpPulses);
        }
    }
}

// What the file layer refuses is a file access error; its own cases are tested with it.
TEST_F(Q47File, FilesThatCannotBeUsedAreFileAccessErrors) {
    ASSERT_TRUE(QDir(Dir.path()).mkdir("folder.brk"));
    for (const QString& path : {Path("missing.brk"), Path("folder.brk"), QString("/dev/zero")}) {
        SCOPED_TRACE(path.toStdString());
        TQ47 model = Changed();
        EXPECT_FALSE(model.LoadFromFile(NativePath(path)));
        EXPECT_EQ(model.LastError, TQ47::FileError);
        EXPECT_EQ(model.DeadTime, 3600);
    }
    for (const QString& path : {Path("nowhere/new.brk"), Path("folder.brk")}) {
        SCOPED_TRACE(path.toStdString());
        TQ47 model = Changed();
        model.Image[0] = 0;
        EXPECT_FALSE(model.SaveToFile(NativePath(path)));
        EXPECT_EQ(model.LastError, TQ47::FileError);
        // The image is rebuilt before the file is tried.
        EXPECT_EQ(model.Image[2], 0x10);
        EXPECT_EQ(model.Image[3], 0x0E);
    }
    EXPECT_EQ(Entries(), QStringList{"folder.brk"});
}

// A save that cannot write all 128 bytes (a full disk, here a file-size limit: EFBIG even for
// root, with SIGXFSZ ignored) is a communication error, as a short write of the file always
// was, and the old file stays whole.
TEST_F(Q47File, SaveOnAFullDiskIsACommunicationErrorAndKeepsTheOldFile) {
    TQ47 previous = Changed();
    ASSERT_TRUE(previous.SaveToFile(NativePath(Path("set.brk"))));
    const QByteArray before = Read(Path("set.brk"));
    rlimit saved = {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved;
    limit.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    TQ47 model;
    const bool written = model.SaveToFile(NativePath(Path("set.brk")));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    EXPECT_FALSE(written);
    EXPECT_EQ(model.LastError, TQ47::CommError);
    EXPECT_EQ(Read(Path("set.brk")), before);
}

} // namespace
