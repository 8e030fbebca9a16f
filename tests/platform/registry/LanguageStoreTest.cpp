// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user language value and which translation a start takes from it.
#include "platform/registry/LanguageStore.h"
#include "platform/registry/Translation.h"
#include "tests/platform/ini/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Every test gets its own configuration folder.
class LanguageStoreTest : public ::testing::Test {
protected:
    QTemporaryDir Config;

    void SetUp() override { qputenv("XDG_CONFIG_HOME", Config.path().toUtf8()); }
    void TearDown() override { qunsetenv("XDG_CONFIG_HOME"); }

    static QByteArray Contents() {
        QFile store(LanguageStoreFile());
        return store.open(QIODevice::ReadOnly) ? store.readAll() : QByteArray("<none>");
    }
    static void Write(const QByteArray& contents) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(LanguageStoreFile()).absolutePath()));
        QFile store(LanguageStoreFile());
        ASSERT_TRUE(store.open(QIODevice::WriteOnly));
        ASSERT_EQ(store.write(contents), contents.size());
    }
};

TEST_F(LanguageStoreTest, StoreLivesInTheConfigurationFolder) {
    EXPECT_EQ(LanguageStoreFile(), Config.path() + QStringLiteral("/brookfetch/registry.ini"));
    qputenv("XDG_CONFIG_HOME", "relative/path"); // to be ignored, as for every XDG variable
    EXPECT_TRUE(LanguageStoreFile().endsWith(QStringLiteral("/.config/brookfetch/registry.ini")));
    EXPECT_TRUE(LanguageStoreFile().startsWith(QLatin1Char('/')));

    // Without HOME the store stays in the user's own folder, not in "/.config".
    const QByteArray home = qgetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("HOME");
    const QString path = LanguageStoreFile();
    qputenv("HOME", home);
    const passwd* user = getpwuid(getuid());
    ASSERT_NE(user, nullptr);
    const QString own = QDir::cleanPath(QFile::decodeName(user->pw_dir));
    EXPECT_EQ(path.toStdString(),
              ((own == QLatin1String("/") ? QString() : own) + "/.config/brookfetch/registry.ini")
                  .toStdString());
}

// The file as earlier versions wrote it: what they stored is read, and a change keeps the
// rest of it, the key's name in its own case and a default value included.
TEST_F(LanguageStoreTest, FilesOfEarlierVersionsAreReadAndKept) {
    Write("; Per-user registry values of Brookfetch. Value lines: <percent-encoded name>=<type>:"
          "<hex data>\n"
          "[HKEY_CURRENT_USER\\SOFTWARE\\Borland\\locales]\n"
          "/opt/bf/brookfetch=1:64657500\n"
          "/home/a%20b/x%3Dy/brookfetch=1:66726100\n"
          "@=1:706c6b00\n"
          "[HKEY_CURRENT_USER\\Software\\Other]\n"
          "/z=4:01000000\n");
    EXPECT_EQ(StoredLanguageCode(QStringLiteral("/opt/bf/brookfetch")), QStringLiteral("deu"));
    EXPECT_EQ(StoredLanguageCode(QStringLiteral("/home/a b/x=y/brookfetch")),
              QStringLiteral("fra"));
    EXPECT_EQ(StoredLanguageCode(QStringLiteral("/elsewhere/brookfetch")), QStringLiteral("plk"))
        << "the key's default value";
    EXPECT_EQ(StoredLanguageCode(QStringLiteral("/opt/BF/brookfetch")), QStringLiteral("plk"))
        << "paths match in their case";

    ASSERT_TRUE(StoreLanguageCode(QStringLiteral("/home/jürgen/brookfetch"), "rus"));
    ASSERT_TRUE(StoreLanguageCode(QStringLiteral("/opt/bf/brookfetch"), nullptr));
    EXPECT_EQ(Contents().toStdString(),
              "; Per-user registry values of Brookfetch. Value lines: <percent-encoded name>="
              "<type>:<hex data>\n"
              "[HKEY_CURRENT_USER\\SOFTWARE\\Borland\\locales]\n"
              "/home/a%20b/x%3Dy/brookfetch=1:66726100\n"
              "@=1:706c6b00\n"
              "/home/j%C3%BCrgen/brookfetch=1:72757300\n"
              "[HKEY_CURRENT_USER\\Software\\Other]\n"
              "/z=4:01000000\n");
    EXPECT_EQ(StoredLanguageCode(QStringLiteral("/home/jürgen/brookfetch")), QStringLiteral("rus"));
}

TEST_F(LanguageStoreTest, StoringReplacesAndDefaultRemovesOneValue) {
    EXPECT_EQ(StoredLanguageCode(QStringLiteral("/a")), std::nullopt);
    EXPECT_FALSE(QFile::exists(LanguageStoreFile())) << "looking must not create the store";
    ASSERT_TRUE(StoreLanguageCode(QStringLiteral("/a"), "deu"));
    ASSERT_TRUE(StoreLanguageCode(QStringLiteral("/b"), "fra"));
    ASSERT_TRUE(StoreLanguageCode(QStringLiteral("/a"), "plk"));
    EXPECT_EQ(Contents().count("/a="), 1);
    EXPECT_EQ(StoredLanguageCode(QStringLiteral("/a")), QStringLiteral("plk"));
    ASSERT_TRUE(StoreLanguageCode(QStringLiteral("/a"), nullptr));
    ASSERT_TRUE(StoreLanguageCode(QStringLiteral("/a"), nullptr)) << "nothing there is no failure";
    EXPECT_EQ(StoredLanguageCode(QStringLiteral("/a")), std::nullopt);
    EXPECT_EQ(StoredLanguageCode(QStringLiteral("/b")), QStringLiteral("fra"));

    // Removing from no file at all makes the key, as opening it on Windows does.
    ASSERT_TRUE(QFile::remove(LanguageStoreFile()));
    ASSERT_TRUE(StoreLanguageCode(QStringLiteral("/c"), nullptr));
    EXPECT_TRUE(Contents().contains("[HKEY_CURRENT_USER\\Software\\Borland\\Locales]\n"));
}

TEST_F(LanguageStoreTest, StoreThatCannotBeMadeFailsTheChange) {
    // The configuration folder lies below a regular file.
    QFile blocker(Config.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_CONFIG_HOME", (blocker.fileName() + QStringLiteral("/config")).toUtf8());
    EXPECT_FALSE(StoreLanguageCode(QStringLiteral("/a"), "deu"));
    EXPECT_FALSE(StoreLanguageCode(QStringLiteral("/a"), nullptr));
}

TEST_F(LanguageStoreTest, PipeInTheStoresPlaceIsNotWaitedFor) {
    // The start-up looks at the store before any window: a pipe there must not hold it up.
    // A writer keeps offering a stored code, so a look that did open the pipe would find it.
    ASSERT_TRUE(QDir().mkpath(QFileInfo(LanguageStoreFile()).absolutePath()));
    const QByteArray fifo = QFile::encodeName(LanguageStoreFile());
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
    std::atomic<bool> done = false;
    std::thread writer([&fifo, &done] {
        const QByteArray store =
            "[HKEY_CURRENT_USER\\Software\\Borland\\Locales]\n/opt/x=1:64657500\n";
        while (!done) {
            // Opens only while a reader waits at the other end.
            const int end = open(fifo.constData(), O_WRONLY | O_NONBLOCK);
            if (end >= 0) {
                EXPECT_EQ(write(end, store.constData(), store.size()), store.size());
                close(end);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    EXPECT_EQ(StoredLanguageCode(QStringLiteral("/opt/x")), std::nullopt);
    EXPECT_FALSE(StoreLanguageCode(QStringLiteral("/opt/x"), "fra"));
    done = true;
    writer.join();
    struct stat status = {};
    ASSERT_EQ(stat(fifo.constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

TEST_F(LanguageStoreTest, ChangeThatDoesNotFitIsAnErrorAndLeavesTheStore) {
    ASSERT_TRUE(StoreLanguageCode(QStringLiteral("/a"), "deu"));
    const QByteArray before = Contents();
    bool stored = true;
    {
        FileSizeLimit full(static_cast<rlim_t>(before.size() + 4));
        stored = StoreLanguageCode(QStringLiteral("/a/much/longer/name/of/another/copy"), "fra");
    }
    EXPECT_FALSE(stored);
    EXPECT_EQ(Contents(), before);
}

TEST_F(LanguageStoreTest, StoredLanguageCodeReadsAtMostFiveBytesOfLetters) {
    struct Case {
        QByteArray Data;
        std::optional<QString> Code;
    };
    const Case cases[] = {
        {QByteArray("deu", 4), QStringLiteral("deu")},
        {QByteArray("DEU", 4), QStringLiteral("deu")},
        {QByteArray("de", 3), QStringLiteral("de")},
        {QByteArray("deu"), QStringLiteral("deu")}, // no terminating zero
        {QByteArray("abcdef", 7), std::nullopt},    // longer than the start-up reads
        {QByteArray("..", 3), std::nullopt},        // would lead out of the folder
        {QByteArray("d/u", 4), std::nullopt},
        {QByteArray("\0", 1), std::nullopt},
    };
    const QString exe = QStringLiteral("/opt/bf/brookfetch");
    for (const Case& c : cases) {
        Write("[HKEY_CURRENT_USER\\Software\\Borland\\Locales]\n/opt/bf/brookfetch=1:" +
              c.Data.toHex() + '\n');
        EXPECT_EQ(StoredLanguageCode(exe), c.Code) << c.Data.toHex().data();
    }
    EXPECT_EQ(StoredLanguageCode(QStringLiteral("/other/brookfetch")), std::nullopt);
}

// Installed on Linux, the program finds its translations in <prefix>/share/brookfetch.
TEST_F(LanguageStoreTest, InstalledTranslationsAreSearchedAfterTheExecutablesFolder) {
    QTemporaryDir programs;
    const QString exe = programs.filePath(QStringLiteral("usr/bin/brookfetch"));
    const QString installed =
        programs.filePath(QStringLiteral("usr/share/brookfetch/translations"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(exe).absolutePath()));
    ASSERT_TRUE(QDir().mkpath(installed));
    const QLocale german(QStringLiteral("de_DE"));
    for (const char* name : {"brookfetch.deu", "brookfetch.plk"}) {
        QFile file(installed + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(TranslationFileFor(exe, german), installed + QStringLiteral("/brookfetch.deu"));

    QFile beside(exe + QStringLiteral(".deu"));
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    EXPECT_EQ(TranslationFileFor(exe, german), beside.fileName());

    ASSERT_TRUE(StoreLanguageCode(exe, "plk"));
    EXPECT_EQ(TranslationFileFor(exe, german), installed + QStringLiteral("/brookfetch.plk"))
        << "the stored choice comes before the locale wherever its file lies";
}

} // namespace
