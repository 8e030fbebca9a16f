#include "model/Q47.h"
#include "tests/model/FailDevice.h"
#include "tests/support/Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

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
    ASSERT_TRUE(model.SaveToFile(Path("default.brk")));
    EXPECT_EQ(model.LastError, TQ47::NoError);
    EXPECT_EQ(Read(Path("default.brk")), DefaultFile());
    EXPECT_EQ(Entries(), QStringList{"default.brk"});
}

TEST_F(Q47File, SaveAndLoadGiveBackTheParameterSet) {
    TQ47 saved = Changed();
    saved.SetAccuWarning(11.96); // stored unrounded, comes back as 12.0
    ASSERT_TRUE(saved.SaveToFile(Path("set.brk")));

    TQ47 loaded;
    loaded.LastError = TQ47::FileError;
    ASSERT_TRUE(loaded.LoadFromFile(Path("set.brk")));
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
        EXPECT_EQ(model.LoadFromFile(Write("case.brk", c.Content)), c.Loads);
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

TEST_F(Q47File, LoadRefusesWhatIsNotARegularFile) {
    ASSERT_TRUE(QDir(Dir.path()).mkdir("folder.brk"));
    for (const QString& path :
         {Path("missing.brk"), Path("folder.brk"), QStringLiteral("/dev/zero"), QString()}) {
        SCOPED_TRACE(path.toStdString());
        TQ47 model = Changed();
        EXPECT_FALSE(model.LoadFromFile(path));
        EXPECT_EQ(model.LastError, TQ47::FileError);
        EXPECT_EQ(model.DeadTime, 3600);
    }
}

TEST_F(Q47File, LoadRefusesAPipeWithoutOpeningIt) {
    // With no writer, opening a pipe would block the window. Here a writer stands ready with
    // a valid image, so a load that did open the pipe would succeed instead of hanging.
    const QByteArray fifo = QFile::encodeName(Path("pipe.brk"));
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
    std::thread writer([&fifo] {
        const int end = open(fifo.constData(), O_WRONLY);
        if (end >= 0) {
            EXPECT_EQ(write(end, DefaultFile().constData(), 128), 128);
            close(end);
        }
    });
    TQ47 model = Changed();
    EXPECT_FALSE(model.LoadFromFile(Path("pipe.brk")));
    EXPECT_EQ(model.LastError, TQ47::FileError);
    EXPECT_EQ(model.DeadTime, 3600);
    // Let the writer go if the load left the pipe alone.
    const int reader = open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    writer.join();
    close(reader);
}

TEST_F(Q47File, SaveReplacesAnExistingFile) {
    const QString path = Write("old.brk", QByteArray(300, 'x'));
    TQ47 model;
    ASSERT_TRUE(model.SaveToFile(path));
    EXPECT_EQ(Read(path), DefaultFile()); // 128 bytes, nothing left of the longer file
    EXPECT_EQ(Entries(), QStringList{"old.brk"});
}

TEST_F(Q47File, SaveThatCannotCreateOrReplaceLeavesTheTargetAlone) {
    const QString plain = Write("plain.brk", "keep");
    ASSERT_TRUE(QDir(Dir.path()).mkdir("folder.brk"));
    const QString fifo = Path("pipe.brk");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // These fail even for root: a path through a regular file, a folder that is not there,
    // a target that is a folder or a pipe (renaming over it would remove it).
    for (const QString& path :
         {plain + "/inside.brk", Path("nowhere/new.brk"), Path("folder.brk"), fifo, QString()}) {
        SCOPED_TRACE(path.toStdString());
        TQ47 model = Changed();
        model.Image[0] = 0;
        EXPECT_FALSE(model.SaveToFile(path));
        EXPECT_EQ(model.LastError, TQ47::FileError);
        // The image is rebuilt before the file is tried.
        EXPECT_EQ(model.Image[2], 0x10);
        EXPECT_EQ(model.Image[3], 0x0E);
    }
    EXPECT_EQ(Read(plain), QByteArray("keep"));
    EXPECT_TRUE(QFileInfo(Path("folder.brk")).isDir());
    struct stat status = {};
    ASSERT_EQ(stat(QFile::encodeName(fifo).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    EXPECT_EQ(Entries(), (QStringList{"folder.brk", "pipe.brk", "plain.brk"}));
}

// A writable file in a folder the user may not write (parameter sets kept for a team): no copy
// can go beside it, so it is written in place, as opening it for writing would. A file the
// user may not write, or a new file there, stays a file access error.
TEST_F(Q47File, SaveInAFolderThatTakesNoNewFileWritesInPlace) {
    const QString folder = Path("shared");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString writable = Write("shared/ours.brk", QByteArray(300, 'x'));
    const QString readOnly = Write("shared/theirs.brk", "keep");
    const uid_t user = testsupport::PieceUser();
    for (const QString& path : {Dir.path(), folder, writable, readOnly})
        ASSERT_EQ(chown(QFile::encodeName(path).constData(), user, user), 0);
    ASSERT_EQ(chmod(QFile::encodeName(Dir.path()).constData(), 0755), 0);
    ASSERT_EQ(chmod(QFile::encodeName(readOnly).constData(), 0444), 0);
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0555), 0);

    const auto save = [](const QString& path) {
        return testsupport::AsUser([&path] {
            TQ47 model = Changed();
            return model.SaveToFile(path) ? 100 + model.LastError : model.LastError;
        });
    };
    EXPECT_EQ(save(writable), 100);
    EXPECT_EQ(save(readOnly), TQ47::FileError);
    EXPECT_EQ(save(folder + "/new.brk"), TQ47::FileError);
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0755), 0);

    TQ47 loaded;
    EXPECT_TRUE(loaded.LoadFromFile(writable));
    EXPECT_EQ(Read(writable).size(), 128) << "nothing left of the longer file";
    EXPECT_EQ(loaded.DeadTime, 3600);
    EXPECT_EQ(Read(readOnly), QByteArray("keep"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"ours.brk", "theirs.brk"}));
}

// Limits the size of files this process may write, as a disk that is nearly full does.
// Writes past the limit fail with EFBIG (even for root) instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        Handler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &Saved);
        rlimit limit = Saved;
        limit.rlim_cur = bytes;
        Active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &Saved);
        std::signal(SIGXFSZ, Handler);
    }
    bool Active;

private:
    rlimit Saved = {};
    void (*Handler)(int);
};

TEST_F(Q47File, SaveOnAFullDiskKeepsTheOldFile) {
    TQ47 previous = Changed();
    ASSERT_TRUE(previous.SaveToFile(Path("set.brk")));
    const QByteArray before = Read(Path("set.brk"));
    ASSERT_EQ(before.size(), 128);

    for (const rlim_t room : {rlim_t(0), rlim_t(1), rlim_t(100), rlim_t(127)}) {
        SCOPED_TRACE(room);
        TQ47 model;
        bool saved = true;
        {
            FileSizeLimit limit(room);
            ASSERT_TRUE(limit.Active);
            saved = model.SaveToFile(Path("set.brk"));
        }
        EXPECT_FALSE(saved);
        EXPECT_EQ(model.LastError, TQ47::CommError);
        EXPECT_EQ(Read(Path("set.brk")), before);
        EXPECT_EQ(Entries(), QStringList{"set.brk"}); // nothing left beside it
    }
}

TEST(Q47WriteImage, ReportsADeviceThatTakesFewerThan128Bytes) {
    TQ47 model;
    model.Encode();
    for (const qint64 room : {0, 1, 64, 127}) {
        TFailDevice device(room);
        ASSERT_TRUE(device.open(QIODevice::WriteOnly));
        EXPECT_EQ(model.WriteImage(device), TQ47::CommError) << room;
        EXPECT_EQ(model.LastError, TQ47::NoError);
    }
    TFailDevice device(128);
    ASSERT_TRUE(device.open(QIODevice::WriteOnly));
    EXPECT_EQ(model.WriteImage(device), TQ47::NoError);
    EXPECT_EQ(device.data(), DefaultFile());
}

} // namespace
