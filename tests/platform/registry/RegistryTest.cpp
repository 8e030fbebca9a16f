#include "platform/registry/Registry.h"
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
class RegistryTest : public ::testing::Test {
protected:
    QTemporaryDir Config;

    void SetUp() override { qputenv("XDG_CONFIG_HOME", Config.path().toUtf8()); }
    void TearDown() override { qunsetenv("XDG_CONFIG_HOME"); }

    HKEY Create(DWORD* disposition = nullptr) {
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, LocalesKey, 0, nullptr,
                                  REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                                  disposition),
                  ERROR_SUCCESS);
        return key;
    }
    static QByteArray Query(HKEY key, const QByteArray& name, DWORD* type = nullptr) {
        BYTE data[64];
        DWORD size = sizeof data;
        if (RegQueryValueExA(key, name.constData(), nullptr, type, data, &size) != ERROR_SUCCESS)
            return QByteArray("<none>");
        return QByteArray(reinterpret_cast<const char*>(data), size);
    }
    static LONG Set(HKEY key, const QByteArray& name, const QByteArray& data) {
        return RegSetValueExA(key, name.constData(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(data.constData()),
                              static_cast<DWORD>(data.size()));
    }
};

TEST_F(RegistryTest, StoreLivesInTheConfigurationFolder) {
    EXPECT_EQ(RegistryStorePath(), Config.path() + QStringLiteral("/brookfetch/registry.ini"));
    qputenv("XDG_CONFIG_HOME", "relative/path"); // to be ignored, as for every XDG variable
    EXPECT_TRUE(RegistryStorePath().endsWith(QStringLiteral("/.config/brookfetch/registry.ini")));
    EXPECT_TRUE(RegistryStorePath().startsWith(QLatin1Char('/')));

    // Without HOME the store stays in the user's own folder, not in "/.config".
    const QByteArray home = qgetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("HOME");
    const QString path = RegistryStorePath();
    qputenv("HOME", home);
    const passwd* user = getpwuid(getuid());
    ASSERT_NE(user, nullptr);
    const QString own = QDir::cleanPath(QFile::decodeName(user->pw_dir));
    EXPECT_EQ(path.toStdString(),
              ((own == QLatin1String("/") ? QString() : own) + "/.config/brookfetch/registry.ini")
                  .toStdString());
}

TEST_F(RegistryTest, CreateReportsNewThenExistingKey) {
    DWORD disposition = 0;
    HKEY first = Create(&disposition);
    EXPECT_EQ(disposition, DWORD(REG_CREATED_NEW_KEY));
    EXPECT_TRUE(QFile::exists(RegistryStorePath()));
    HKEY second = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "software\\BORLAND\\locales\\", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &second, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, DWORD(REG_OPENED_EXISTING_KEY)) << "key names ignore case";
    EXPECT_EQ(RegCloseKey(first), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(second), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(second), ERROR_INVALID_HANDLE);
}

TEST_F(RegistryTest, ValueNamesOfAnyKindRoundTripThroughTheFile) {
    const QByteArray names[] = {
        "/opt/brookfetch/brookfetch",
        "/home/a b/x=y/%41/;semi/[br]/@",
        "@",
        "/home/jürgen/bin/brookfetch",
        "/opt/Brookfetch/brookfetch", // differs only in case from the first one
        "",                           // the key's default value
    };
    HKEY key = Create();
    for (int i = 0; i < int(std::size(names)); ++i)
        ASSERT_EQ(Set(key, names[i], QByteArray::number(i) + '\0'), ERROR_SUCCESS);
    RegCloseKey(key);

    // A new handle reads what the file holds now.
    key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, LocalesKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    for (int i = 0; i < int(std::size(names)); ++i) {
        DWORD type = 0;
        EXPECT_EQ(Query(key, names[i], &type), QByteArray::number(i) + '\0') << names[i].data();
        EXPECT_EQ(type, DWORD(REG_SZ));
    }
    EXPECT_EQ(Query(key, "/opt/brookfetch"), QByteArray("<none>"));
    RegCloseKey(key);
}

TEST_F(RegistryTest, SetReplacesAndDeleteRemovesOneValue) {
    HKEY key = Create();
    Set(key, "/a", QByteArray("deu", 4));
    Set(key, "/b", QByteArray("fra", 4));
    Set(key, "/a", QByteArray("plk", 4));
    EXPECT_EQ(Query(key, "/a"), QByteArray("plk", 4));
    EXPECT_EQ(RegDeleteValueA(key, "/a"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueA(key, "/a"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Query(key, "/a"), QByteArray("<none>"));
    EXPECT_EQ(Query(key, "/b"), QByteArray("fra", 4));
    RegCloseKey(key);
}

TEST_F(RegistryTest, QueryFollowsTheWin32SizeRules) {
    HKEY key = Create();
    Set(key, "/x", QByteArray("abcdefgh", 9));
    DWORD type = 0;
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(key, "/x", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 9u);
    BYTE small[5];
    size = sizeof small;
    EXPECT_EQ(RegQueryValueExA(key, "/x", nullptr, &type, small, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 9u);
    RegCloseKey(key);
}

TEST_F(RegistryTest, OpenFindsOnlyExistingKeys) {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, LocalesKey, 0, KEY_READ, &key),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, nullptr);
    EXPECT_FALSE(QFile::exists(RegistryStorePath())) << "looking must not create the store";
}

TEST_F(RegistryTest, ReadOnlyHandleCannotChangeValues) {
    RegCloseKey(Create());
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, LocalesKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(Set(key, "/x", "deu"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteValueA(key, "/x"), ERROR_ACCESS_DENIED);
    RegCloseKey(key);
}

TEST_F(RegistryTest, StoreThatCannotBeMadeFailsTheCreate) {
    // The configuration folder lies below a regular file.
    QFile blocker(Config.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_CONFIG_HOME", (blocker.fileName() + QStringLiteral("/config")).toUtf8());
    HKEY key = reinterpret_cast<HKEY>(1);
    DWORD disposition = 0;
    EXPECT_NE(RegCreateKeyExA(HKEY_CURRENT_USER, LocalesKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(key, nullptr);
}

TEST_F(RegistryTest, PipeInTheStoresPlaceIsNotWaitedFor) {
    // The start-up looks at the store before any window: a pipe there must not hold it up.
    // A writer keeps offering a stored code, so a look that did open the pipe would find it.
    ASSERT_TRUE(QDir().mkpath(QFileInfo(RegistryStorePath()).absolutePath()));
    const QByteArray fifo = QFile::encodeName(RegistryStorePath());
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
    HKEY key = reinterpret_cast<HKEY>(1);
    EXPECT_NE(RegCreateKeyExA(HKEY_CURRENT_USER, LocalesKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    done = true;
    writer.join();
    struct stat status = {};
    ASSERT_EQ(stat(fifo.constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

TEST_F(RegistryTest, ChangeThatDoesNotFitIsAnErrorAndLeavesTheStore) {
    HKEY key = Create();
    ASSERT_EQ(Set(key, "/a", QByteArray("deu", 4)), ERROR_SUCCESS);
    QFile store(RegistryStorePath());
    ASSERT_TRUE(store.open(QIODevice::ReadOnly));
    const QByteArray before = store.readAll();
    store.close();
    LONG result = ERROR_SUCCESS;
    {
        FileSizeLimit full(static_cast<rlim_t>(before.size() + 4));
        result = Set(key, "/a/much/longer/name/of/another/copy", QByteArray("fra", 4));
    }
    EXPECT_NE(result, ERROR_SUCCESS);
    ASSERT_TRUE(store.open(QIODevice::ReadOnly));
    EXPECT_EQ(store.readAll(), before);
    RegCloseKey(key);
}

TEST_F(RegistryTest, StoredLanguageCodeReadsAtMostFiveBytesOfLetters) {
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
        HKEY key = Create();
        Set(key, QFile::encodeName(exe), c.Data);
        RegCloseKey(key);
        EXPECT_EQ(StoredLanguageCode(exe), c.Code) << c.Data.toHex().data();
    }
    EXPECT_EQ(StoredLanguageCode(QStringLiteral("/other/brookfetch")), std::nullopt);
}

TEST_F(RegistryTest, StoredLanguageCodeFallsBackToTheKeysDefaultValue) {
    EXPECT_EQ(StoredLanguageCode(QStringLiteral("/x/brookfetch")), std::nullopt);
    HKEY key = Create();
    Set(key, "", QByteArray("fra", 4));
    Set(key, "/y/brookfetch", QByteArray("deu", 4));
    RegCloseKey(key);
    EXPECT_EQ(StoredLanguageCode(QStringLiteral("/x/brookfetch")), QStringLiteral("fra"));
    EXPECT_EQ(StoredLanguageCode(QStringLiteral("/y/brookfetch")), QStringLiteral("deu"));
}

// Installed on Linux, the program finds its translations in <prefix>/share/brookfetch.
TEST_F(RegistryTest, InstalledTranslationsAreSearchedAfterTheExecutablesFolder) {
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
