// SPDX-License-Identifier: GPL-3.0-or-later
// The workplace: its settings with their defaults, the current data set, the language choice and
// the history it keeps.
#include "app/Workplace.h"

#include "adapter/TarnAdapter.h"
#include "app/History.h"
#include "model/Q47.h"
#include "platform/framework/Exceptions.h"
#include "platform/registry/LanguageStore.h"
#include "sim/InProcessAdapter.h"
#include "tests/platform/ini/FileSizeLimit.h"
#include "tests/support/ScriptedApplication.h"
#include "tests/support/StoredLanguage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

const QByteArray FreshFile = "[Properties]\n"
                             "Version=256\n"
                             "[MainForm]\n"
                             "MainTop=0\n"
                             "MainLeft=0\n"
                             "MainWidth=800\n"
                             "MainHeight=600\n"
                             "MainState=0\n"
                             "LanguageId=0\n";

QString BuiltInText(const QString& label) {
    if (label == QLatin1String("MsgError"))
        return QStringLiteral("Error");
    if (label == QLatin1String("MsgWarning"))
        return QStringLiteral("Warning");
    if (label == QLatin1String("MsgNewLanguage"))
        return QStringLiteral("New language will be set after program restart");
    if (label == QLatin1String("MsgSettingsWrite"))
        return QStringLiteral("Unable to write to %1");
    return QStringLiteral("<%1>").arg(label);
}

class WorkplaceTest : public ::testing::Test {
protected:
    QTemporaryDir Programs;
    QTemporaryDir Config;
    QTemporaryDir Ports; // no port files: no adapter unless a test plugs one in
    TScriptedApplication App;
    TWorkplace Place;

    void SetUp() override {
        qputenv("XDG_CONFIG_HOME", Config.path().toUtf8());
        qputenv("BROOKFETCH_PORTS", Ports.path().toUtf8());
        Place.ExePath = Programs.filePath(QStringLiteral("brookfetch"));
        Place.MessageText = BuiltInText;
    }
    void TearDown() override {
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("BROOKFETCH_PORTS");
    }

    QString Settings() const { return Programs.filePath(QStringLiteral("brookfetch.INI")); }
    void PutSettings(const QByteArray& data) {
        QFile file(Settings());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }
    QByteArray GetSettings() const {
        QFile file(Settings());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    static QByteArray StoredValue(const QString& exe) {
        return StoredLanguageValue(exe).value_or("<none>");
    }
    static void ExpectDefaults(const TQ47& model) {
        const TQ47 fresh;
        EXPECT_EQ(model.PumpPulses, fresh.PumpPulses);
        EXPECT_EQ(model.DeadTime, fresh.DeadTime);
        EXPECT_EQ(model.PrePurge, fresh.PrePurge);
        EXPECT_EQ(model.Aeration, fresh.Aeration);
        EXPECT_EQ(model.PostPurge, fresh.PostPurge);
        EXPECT_EQ(model.SamplingInterval, fresh.SamplingInterval);
        EXPECT_EQ(model.Continuous, fresh.Continuous);
        EXPECT_EQ(model.SamplesCount, fresh.SamplesCount);
        EXPECT_EQ(model.AccuWarning, fresh.AccuWarning);
        EXPECT_EQ(model.AccuOff, fresh.AccuOff);
        EXPECT_EQ(model.MaxSuctionTime, fresh.MaxSuctionTime);
        EXPECT_EQ(model.PurgesCount, fresh.PurgesCount);
        EXPECT_EQ(model.VarMode, fresh.VarMode);
    }
};

TEST_F(WorkplaceTest, SettingsBesideAPortableProgramElseInTheUsersFolder) {
    const QString user = Config.filePath(QStringLiteral("brookfetch/brookfetch.INI"));
    const QString tree = Programs.filePath(QStringLiteral("usr"));
    ASSERT_TRUE(QDir().mkpath(tree + QStringLiteral("/bin")));
    ASSERT_TRUE(QDir().mkpath(Programs.filePath(QStringLiteral("bf.2"))));
    const QString cases[][2] = {
        {Programs.filePath(QStringLiteral("bf.2/brookfetch")),
         Programs.filePath(QStringLiteral("bf.2/brookfetch.INI"))},
        {Programs.filePath(QStringLiteral("Brookfetch.exe")),
         Programs.filePath(QStringLiteral("Brookfetch.INI"))},
        // bin without share/brookfetch beside it is some folder of the user's.
        {tree + QStringLiteral("/bin/brookfetch"), tree + QStringLiteral("/bin/brookfetch.INI")},
        {QStringLiteral("/nonexistent/bin/brookfetch"), user}, // a folder it cannot write
    };
    for (const auto& c : cases) {
        Place.ExePath = c[0];
        EXPECT_EQ(Place.SettingsPath(), c[1]);
    }

    // Installed, the settings go to a private folder of the user's and nothing beside the
    // program, whoever runs it.
    ASSERT_TRUE(QDir().mkpath(tree + QStringLiteral("/share/brookfetch")));
    Place.ExePath = tree + QStringLiteral("/bin/brookfetch");
    Place.LoadSettings();
    QFile settings(user);
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_EQ(settings.readAll(), FreshFile);
    EXPECT_EQ(QFileInfo(Config.filePath(QStringLiteral("brookfetch"))).permissions() & 0x0077, 0)
        << "group and others have no access";
    EXPECT_EQ(QDir(tree + QStringLiteral("/bin")).entryList(QDir::Files | QDir::Hidden),
              QStringList());
}

// Installed over a portable copy's folder, or over the earlier program's: the first start takes
// the settings beside the program over whole, and later starts keep to their own file.
TEST_F(WorkplaceTest, AnInstalledCopyTakesOverThePortableSettingsAtItsFirstStart) {
    const QString tree = Programs.filePath(QStringLiteral("usr"));
    ASSERT_TRUE(QDir().mkpath(tree + QStringLiteral("/share/brookfetch")));
    ASSERT_TRUE(QDir().mkpath(tree + QStringLiteral("/bin")));
    const QString portable = tree + QStringLiteral("/bin/brookfetch.INI");
    const QByteArray before = "; the bench PC\r\n[Properties]\r\nVersion=256\r\n[MainForm]\r\n"
                              "MainTop=40\r\nMainLeft=50\r\nMainWidth=900\r\nMainHeight=700\r\n"
                              "MainState=1\r\nLanguageId=5\r\nToolbar=off\r\n[RecentFiles]\r\n"
                              "File1=/data/river.brk\r\n";
    const auto put = [](const QString& path, const QByteArray& data) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    };
    const auto get = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    };
    put(portable, before);
    const QString user = Config.filePath(QStringLiteral("brookfetch/brookfetch.INI"));
    Place.ExePath = tree + QStringLiteral("/bin/brookfetch");
    Place.LoadSettings();
    EXPECT_EQ(get(user), before) << "taken over byte for byte";
    EXPECT_EQ(get(portable), before) << "left where it was";
    EXPECT_EQ(Place.MainLeft, 50);
    EXPECT_EQ(Place.MainWidth, 900);
    EXPECT_EQ(Place.MainState, 1);
    EXPECT_EQ(Place.LanguageId, 5);
    EXPECT_EQ(Place.RecentFiles, QStringList{QStringLiteral("/data/river.brk")});
    Place.MainLeft = 60;
    Place.SaveSettings();
    EXPECT_TRUE(get(user).contains("Toolbar=off\r\n")) << "a key of the user's own survives";

    // From now on the user's own file counts, whatever happens beside the program.
    put(portable, "[Properties]\nVersion=256\n[MainForm]\nMainLeft=7\n");
    TWorkplace next;
    next.ExePath = Place.ExePath;
    next.LoadSettings();
    EXPECT_EQ(next.MainLeft, 60);
}

TEST_F(WorkplaceTest, UnwritableConfigurationFolderIsReportedAtTheStartAndAgainAtTheClose) {
    const QString tree = Programs.filePath(QStringLiteral("usr"));
    ASSERT_TRUE(QDir().mkpath(tree + QStringLiteral("/bin")));
    ASSERT_TRUE(QDir().mkpath(tree + QStringLiteral("/share/brookfetch")));
    Place.ExePath = tree + QStringLiteral("/bin/brookfetch");
    // Below a regular file no folder can be made, not even by root.
    QFile blocker(Config.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_CONFIG_HOME", blocker.fileName().toUtf8());
    try {
        Place.LoadSettings();
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message, QStringLiteral("Unable to write to ") + blocker.fileName() +
                                     QStringLiteral("/brookfetch/brookfetch.INI"));
    }
    EXPECT_EQ(Place.MainWidth, 800);
    EXPECT_THROW(Place.SaveSettings(), Exception) << "the close fails too, and says so";
}

// The recent files are kept as the system writes names (C:\Sites\river.brk on Windows).
TEST_F(WorkplaceTest, RecentFilesAreKeptInTheSystemsForm) {
    Place.LoadSettings();
    const QString file = Programs.filePath(QStringLiteral("sites/river.brk"));
    Place.AddRecentFile(file);
    Place.SaveSettings();
    EXPECT_TRUE(GetSettings().contains("File1=" + QDir::toNativeSeparators(file).toUtf8()))
        << GetSettings().toStdString();
    TWorkplace next;
    next.ExePath = Place.ExePath;
    next.LoadSettings();
    EXPECT_EQ(next.RecentFiles, QStringList{file});
}

TEST_F(WorkplaceTest, FirstStartWritesTheWholeFreshFile) {
    Place.LoadSettings();
    EXPECT_EQ(GetSettings(), FreshFile);
    EXPECT_EQ(Place.Version, 256);
    EXPECT_EQ(Place.MainTop, 0);
    EXPECT_EQ(Place.MainLeft, 0);
    EXPECT_EQ(Place.MainWidth, 800);
    EXPECT_EQ(Place.MainHeight, 600);
    EXPECT_EQ(Place.MainState, 0);
    EXPECT_EQ(Place.LanguageId, 0);
    EXPECT_TRUE(App.Boxes.empty());
}

TEST_F(WorkplaceTest, FileOfAnotherVersionIsReplacedWhole) {
    const char* const versions[] = {"Version=255\n", "Version=257\n", "Version=abc\n", ""};
    for (const char* version : versions) {
        PutSettings(QByteArray("; hand-made\n[Properties]\n") + version +
                    "Owner=someone\n[MainForm]\nMainTop=40\nMainWidth=1024\nLanguageId=5\n"
                    "[Extra]\nKeep=no\n");
        TWorkplace place;
        place.ExePath = Place.ExePath;
        place.LoadSettings();
        EXPECT_EQ(GetSettings(), FreshFile) << version;
        EXPECT_EQ(place.MainTop, 0) << version;
        EXPECT_EQ(place.MainWidth, 800) << version;
        EXPECT_EQ(place.LanguageId, 0) << version;
    }
}

TEST_F(WorkplaceTest, CurrentVersionIsReadAsItStandsAndForeignLinesSurvive) {
    const QByteArray before = "; written by hand\r\n"
                              "[Properties]\r\n"
                              "Version=256\r\n"
                              "Comment=mine\r\n"
                              "\r\n"
                              "[MainForm]\r\n"
                              "MainTop=-20\r\n"
                              "MainLeft=30\r\n"
                              "MainHeight=480\r\n"
                              "MainState=5\r\n"
                              "LanguageId=20\r\n"
                              "Toolbar=1\r\n"
                              "\r\n"
                              "[Recent]\r\n"
                              "File1=/data/a.brk\r\n";
    PutSettings(before);
    Place.LoadSettings();
    EXPECT_EQ(GetSettings(), before) << "reading writes nothing";
    EXPECT_EQ(Place.MainTop, -20);
    EXPECT_EQ(Place.MainLeft, 30);
    EXPECT_EQ(Place.MainWidth, 0) << "a missing size reads 0 and is handed on unchanged";
    EXPECT_EQ(Place.MainHeight, 480);
    EXPECT_EQ(Place.MainState, 1) << "any non-zero state is maximized";
    EXPECT_EQ(Place.LanguageId, 20) << "no range check";

    Place.MainWidth = 640;
    Place.SaveSettings();
    QByteArray expected = before;
    expected.replace("MainState=5\r\n", "MainState=1\r\n");
    expected.replace("Toolbar=1\r\n", "Toolbar=1\r\nMainWidth=640\r\n");
    EXPECT_EQ(GetSettings(), expected);

    // The next run reads what this one left.
    TWorkplace next;
    next.ExePath = Place.ExePath;
    next.LoadSettings();
    EXPECT_EQ(next.MainWidth, 640);
    EXPECT_EQ(next.LanguageId, 20);
    EXPECT_EQ(GetSettings(), expected);
}

TEST_F(WorkplaceTest, SaveSettingsStoresTheFieldsAndRestoresTheVersion) {
    Place.LoadSettings();
    Place.MainTop = 11;
    Place.MainLeft = 22;
    Place.MainWidth = 1280;
    Place.MainHeight = 1024;
    Place.MainState = 1;
    Place.LanguageId = 5;
    Place.Version = 0;
    // Closing the window replaces the file once, not once per key. (The copies' moves away
    // from their own names keep inotify from merging the moves onto the file's name.)
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(inotify_add_watch(watch, QFile::encodeName(Programs.path()).constData(),
                                IN_MOVED_FROM | IN_MOVED_TO),
              0);
    Place.SaveSettings();
    char events[4096];
    const ssize_t size = read(watch, events, sizeof events);
    close(watch);
    int replacements = 0;
    for (ssize_t at = 0; at < size;) {
        const auto* event = reinterpret_cast<const inotify_event*>(events + at);
        replacements += (event->mask & IN_MOVED_TO) && QByteArray(event->name) == "brookfetch.INI";
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
    }
    EXPECT_EQ(replacements, 1);
    EXPECT_EQ(Place.Version, 256);
    EXPECT_EQ(GetSettings(), QByteArray("[Properties]\nVersion=256\n[MainForm]\nMainTop=11\n"
                                        "MainLeft=22\nMainWidth=1280\nMainHeight=1024\n"
                                        "MainState=1\nLanguageId=5\n"));
}

TEST_F(WorkplaceTest, SettingsThatCannotBeWrittenRaiseWithThePath) {
    const QString folder = Programs.filePath(QStringLiteral("gone"));
    ASSERT_TRUE(QDir().mkpath(folder));
    Place.ExePath = folder + QStringLiteral("/brookfetch");
    Place.LoadSettings();
    ASSERT_TRUE(QDir(folder).removeRecursively());
    try {
        Place.SaveSettings();
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message, QStringLiteral("Unable to write to ") + folder +
                                     QStringLiteral("/brookfetch.INI"));
    }
}

TEST_F(WorkplaceTest, FailedSettingsWriteLeavesThePreviousFileWhole) {
    Place.LoadSettings();
    Place.MainWidth = 1234567; // the file would grow past the limit
    bool raised = false;
    {
        FileSizeLimit full(static_cast<rlim_t>(FreshFile.size()));
        try {
            Place.SaveSettings();
        } catch (const Exception&) {
            raised = true;
        }
    }
    EXPECT_TRUE(raised);
    EXPECT_EQ(GetSettings(), FreshFile);
    EXPECT_EQ(QDir(Programs.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("brookfetch.INI")})
        << "no half-written copy is left beside it";
}

// A new file is made in one step: a disk too full for it leaves the old file, or no file,
// never a part of the new one that the next start would read as settings.
TEST_F(WorkplaceTest, FreshFileThatDoesNotFitLeavesTheOldOneWhole) {
    const QByteArray old = "[Properties]\nVersion=255\n[MainForm]\nMainWidth=1024\n";
    for (const QByteArray& before : {old, QByteArray()}) {
        SCOPED_TRACE(before.isEmpty() ? "no file" : "old version");
        QFile::remove(Settings());
        if (!before.isEmpty())
            PutSettings(before);
        TWorkplace place;
        place.ExePath = Place.ExePath;
        QString message;
        {
            FileSizeLimit full(static_cast<rlim_t>(FreshFile.size() - 1));
            try {
                place.LoadSettings();
            } catch (const Exception& error) {
                message = error.Message;
            }
        }
        EXPECT_EQ(message, QStringLiteral("Unable to write to ") + Settings());
        EXPECT_EQ(QDir(Programs.path()).entryList(QDir::Files | QDir::Hidden),
                  before.isEmpty() ? QStringList() : QStringList{"brookfetch.INI"});
        if (!before.isEmpty()) {
            EXPECT_EQ(GetSettings(), before);
        }
    }
    Place.LoadSettings();
    EXPECT_EQ(GetSettings(), FreshFile);
}

TEST_F(WorkplaceTest, NewDataSetGivesAFreshUnnamedModelLinkedToTheAdapter) {
    EXPECT_EQ(Place.Model, nullptr);
    ASSERT_NE(Place.Adapter, nullptr);
    Place.FileName = QStringLiteral("/x.brk");
    Place.Modified = true;
    Place.NewDataSet();
    ASSERT_NE(Place.Model, nullptr);
    EXPECT_EQ(Place.Model->Device, Place.Adapter.get());
    EXPECT_TRUE(Place.FileName.isEmpty());
    EXPECT_FALSE(Place.Modified);
    ExpectDefaults(*Place.Model);
}

TEST_F(WorkplaceTest, SavedFileOpensAgainUnderItsName) {
    const QString path = Programs.filePath(QStringLiteral("set.brk"));
    Place.NewDataSet();
    Place.Model->SetPrePurge(33);
    Place.Modified = true;
    ASSERT_TRUE(Place.SaveFile(path));
    EXPECT_EQ(Place.FileName, path);
    EXPECT_FALSE(Place.Modified);

    Place.NewDataSet();
    ASSERT_TRUE(Place.OpenFile(path));
    EXPECT_EQ(Place.FileName, path);
    EXPECT_FALSE(Place.Modified);
    EXPECT_EQ(Place.Model->PrePurge, 33);
    EXPECT_EQ(Place.Model->Device, Place.Adapter.get());
}

TEST_F(WorkplaceTest, FileThatCannotBeLoadedChangesNothingAndTellsWhy) {
    const QString good = Programs.filePath(QStringLiteral("good.brk"));
    Place.NewDataSet();
    Place.Model->SetPrePurge(33);
    ASSERT_TRUE(Place.SaveFile(good));
    QFile file(good);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray image = file.readAll();
    file.close();
    QByteArray badChecksum = image;
    badChecksum[20] = static_cast<char>(badChecksum[20] ^ 0x01);
    const auto make = [this](const char* name, const QByteArray& content) {
        QFile bad(Programs.filePath(QLatin1String(name)));
        EXPECT_TRUE(bad.open(QIODevice::WriteOnly));
        bad.write(content);
        return bad.fileName();
    };
    ASSERT_TRUE(QDir(Programs.path()).mkdir(QStringLiteral("folder.brk")));
    using Failure = TWorkplace::TLoadFailure;
    const std::pair<QString, Failure> cases[] = {
        {Programs.filePath(QStringLiteral("missing.brk")), Failure::Missing},
        {Programs.filePath(QStringLiteral("folder.brk")), Failure::Unreadable},
        {make("short.brk", image.left(127)), Failure::TooShort},
        {make("damaged.brk", badChecksum), Failure::Damaged},
    };
    Place.Model->SetPrePurge(44); // an edit not saved yet
    Place.Modified = true;
    const TQ47* const shown = Place.Model.get();
    for (const auto& [path, failure] : cases)
        Place.AddRecentFile(path);
    for (const auto& [path, failure] : cases) {
        EXPECT_FALSE(Place.OpenFile(path)) << path.toStdString();
        EXPECT_EQ(Place.LoadFailure, failure) << path.toStdString();
        EXPECT_EQ(Place.FileName, good);
        EXPECT_TRUE(Place.Modified);
        EXPECT_EQ(Place.Model.get(), shown);
        EXPECT_EQ(Place.Model->PrePurge, 44);
    }
    // Only the file that is gone leaves the recent files.
    EXPECT_EQ(Place.RecentFiles, QStringList({cases[3].first, cases[2].first, cases[1].first}));
    EXPECT_TRUE(Place.OpenFile(good));
    EXPECT_EQ(Place.LoadFailure, Failure::None);
    EXPECT_EQ(Place.Model->PrePurge, 33);
    EXPECT_FALSE(Place.Modified);
}

TEST_F(WorkplaceTest, FailedSaveKeepsNameAndModifiedState) {
    const QString named = Programs.filePath(QStringLiteral("named.brk"));
    Place.NewDataSet();
    ASSERT_TRUE(Place.SaveFile(named));
    Place.Modified = true;
    EXPECT_FALSE(Place.SaveFile(Programs.filePath(QStringLiteral("no/such/dir/x.brk"))));
    EXPECT_EQ(Place.FileName, named);
    EXPECT_TRUE(Place.Modified);
    EXPECT_NE(Place.Model->LastError, 0);

    Place.NewDataSet();
    EXPECT_FALSE(Place.SaveFile(Programs.path())); // a folder
    EXPECT_TRUE(Place.FileName.isEmpty());
}

TEST_F(WorkplaceTest, ReadWithoutAdapterFailsIntoAFreshUnnamedSet) {
    Place.NewDataSet();
    Place.Model->SetPrePurge(33);
    Place.FileName = QStringLiteral("/data/old.brk");
    Place.Modified = true;
    EXPECT_FALSE(Place.ReadConnector());
    EXPECT_TRUE(Place.FileName.isEmpty());
    EXPECT_FALSE(Place.Modified);
    EXPECT_EQ(Place.Model->LastError, 1);
    EXPECT_EQ(Place.Model->Device, Place.Adapter.get());
    EXPECT_EQ(Place.Model->PrePurge, TQ47().PrePurge);
}

TEST_F(WorkplaceTest, WriteThenReadThroughASimulatedAdapter) {
    sim::InProcessAdapter adapter;
    Place.NewDataSet();
    Place.Model->SetPrePurge(45);
    Place.Model->SetSamplingInterval(3600);
    Place.FileName = QStringLiteral("/data/set.brk");
    Place.Modified = true;
    ASSERT_TRUE(Place.WriteConnector());
    EXPECT_EQ(Place.FileName, QStringLiteral("/data/set.brk")) << "writing keeps the name";
    EXPECT_TRUE(Place.Modified) << "and the modified state";

    Place.NewDataSet();
    ASSERT_TRUE(Place.ReadConnector());
    EXPECT_EQ(Place.Model->PrePurge, 45);
    EXPECT_EQ(Place.Model->SamplingInterval, 3600);
    EXPECT_EQ(Place.Model->LastError, 0);
    EXPECT_TRUE(Place.FileName.isEmpty());

    adapter.firmware().setConnectorPresent(false);
    Place.Modified = true;
    EXPECT_FALSE(Place.WriteConnector());
    EXPECT_EQ(Place.Model->LastError, 1);
    EXPECT_TRUE(Place.Modified);
}

// The window's one call after a transfer: the chosen history, kept with the settings, gets the
// adapter, the connector and the data set's image and file.
TEST_F(WorkplaceTest, ATransferGoesIntoTheHistoryTheSettingsName) {
    sim::InProcessAdapter adapter;
    Place.LoadSettings();
    Place.HistoryFile = Programs.filePath(QStringLiteral("team"));
    Place.SaveSettings();
    EXPECT_TRUE(GetSettings().contains("[History]\nFile=" + Place.HistoryFile.toUtf8() + '\n'));

    Place.NewDataSet();
    Place.FileName = QStringLiteral("/data/set.brk");
    ASSERT_TRUE(Place.WriteConnector());
    const std::string_view image = Place.Model->ImageBytes();
    const QByteArray written(image.data(), static_cast<qsizetype>(image.size()));
    EXPECT_EQ(Place.RecordTransfer(QStringLiteral("write"), true), QString());
    adapter.firmware().setConnectorPresent(false);
    ASSERT_FALSE(Place.ReadConnector());
    EXPECT_EQ(Place.RecordTransfer(QStringLiteral("read"), false, QStringLiteral("pulled")),
              QString());

    TWorkplace next;
    next.ExePath = Place.ExePath;
    next.LoadSettings();
    EXPECT_EQ(next.HistoryFile, Place.HistoryFile);
    const THistoryLoad loaded = LoadHistory(HistoryPath(next.HistoryFile));
    ASSERT_EQ(loaded.Entries.size(), 2);
    const THistoryEntry& read = loaded.Entries[0];
    EXPECT_EQ(read.Message, QStringLiteral("pulled"));
    EXPECT_TRUE(read.Image.isEmpty()) << "a failed read leaves no connector's image";
    const THistoryEntry& write = loaded.Entries[1];
    EXPECT_TRUE(write.Ok);
    EXPECT_EQ(write.File, QDir::toNativeSeparators(QStringLiteral("/data/set.brk")));
    EXPECT_EQ(write.AdapterName, QStringLiteral("USB FETCHer Adapter"));
    EXPECT_EQ(write.Connector, QStringLiteral("small"));
    EXPECT_EQ(write.Image, written);
    EXPECT_FALSE(write.Checksum.isEmpty());
}

TEST_F(WorkplaceTest, LanguageChoiceIsStoredPerExecutableAndAnnounced) {
    Place.LanguageId = 5; // German
    Place.ApplyLanguage();
    EXPECT_EQ(StoredValue(Place.ExePath), QByteArray("1:deu\0", 6)) << "REG_SZ, 4 bytes";
    ASSERT_EQ(App.Boxes.size(), 1u);
    EXPECT_EQ(App.Boxes[0].Text, QStringLiteral("New language will be set after program restart"));
    EXPECT_EQ(App.Boxes[0].Caption, QStringLiteral("Warning"));
    EXPECT_EQ(App.Boxes[0].Flags, MB_OK);

    // A second copy of the program keeps its own choice.
    TWorkplace copy;
    copy.ExePath = Programs.filePath(QStringLiteral("copy/brookfetch"));
    copy.MessageText = BuiltInText;
    copy.LanguageId = 10; // Polish
    copy.ApplyLanguage();
    EXPECT_EQ(StoredValue(copy.ExePath), QByteArray("1:plk\0", 6));
    EXPECT_EQ(StoredValue(Place.ExePath), QByteArray("1:deu\0", 6));

    Place.LanguageId = 0; // <Default>
    Place.ApplyLanguage();
    EXPECT_EQ(StoredValue(Place.ExePath), QByteArray("<none>"));
    EXPECT_EQ(StoredValue(copy.ExePath), QByteArray("1:plk\0", 6));
    // Nothing left to delete: the notice all the same.
    Place.ApplyLanguage();
    ASSERT_EQ(App.Boxes.size(), 4u);
    EXPECT_EQ(App.Boxes[3].Caption, QStringLiteral("Warning"));
    EXPECT_TRUE(App.ErrorBoxes.empty());
}

TEST_F(WorkplaceTest, EveryLanguageIndexHasItsCode) {
    const char* const codes[] = {"bgr", "csy", "enu", "fra", "deu", "hun", "ita",
                                 "lvi", "lth", "plk", "rom", "rus", "sky", "esp"};
    for (int id = 1; id <= 14; ++id) {
        Place.LanguageId = id;
        Place.ApplyLanguage();
        EXPECT_EQ(StoredValue(Place.ExePath), QByteArray("1:") + codes[id - 1] + '\0') << id;
    }
}

TEST_F(WorkplaceTest, StoreThatCannotBeCreatedIsReported) {
    QFile blocker(Config.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_CONFIG_HOME", (blocker.fileName() + QStringLiteral("/below")).toUtf8());
    Place.LanguageId = 5;
    Place.ApplyLanguage();
    ASSERT_EQ(App.Boxes.size(), 1u);
    EXPECT_EQ(App.Boxes[0].Text, QStringLiteral("Windows Registry error"));
    EXPECT_EQ(App.Boxes[0].Caption, QStringLiteral("Error"));
    EXPECT_EQ(App.Boxes[0].Flags, MB_OK);
    EXPECT_EQ(Place.LanguageId, 5) << "the choice stays for the settings file";
}

// A choice that never reached the store must not be announced for the next start.
TEST_F(WorkplaceTest, ValueThatCannotBeStoredIsReportedNotAnnounced) {
    ASSERT_TRUE(StoreLanguageCode(Programs.filePath(QStringLiteral("other/brookfetch")), nullptr));
    const qint64 before = QFileInfo(LanguageStoreFile()).size();
    Place.LanguageId = 5;
    {
        // The key exists, so opening it writes nothing; storing the value would grow the file.
        FileSizeLimit full(static_cast<rlim_t>(before + 4));
        Place.ApplyLanguage();
    }
    ASSERT_EQ(App.Boxes.size(), 1u);
    EXPECT_EQ(App.Boxes[0].Text, QStringLiteral("Windows Registry error"));
    EXPECT_EQ(App.Boxes[0].Caption, QStringLiteral("Error"));
    EXPECT_EQ(StoredValue(Place.ExePath), QByteArray("<none>"));
}

TEST_F(WorkplaceTest, IndexOutsideTheListRaisesBeforeTouchingTheRegistry) {
    for (int id : {15, -1, 1000}) {
        Place.LanguageId = id;
        try {
            Place.ApplyLanguage();
            FAIL() << "no exception for " << id;
        } catch (const Exception& error) {
            EXPECT_TRUE(
                error.Message.startsWith(QStringLiteral("Error switch file Workplace line ")))
                << error.Message.toStdString();
        }
    }
    EXPECT_FALSE(QFile::exists(LanguageStoreFile()));
    EXPECT_TRUE(App.Boxes.empty());
}

} // namespace
