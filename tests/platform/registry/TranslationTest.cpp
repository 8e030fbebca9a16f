// SPDX-License-Identifier: GPL-3.0-or-later
// The language table and the choice of a translation file.
#include "platform/registry/Translation.h"
#include "platform/registry/LanguageStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(ChangeFileExtTest, ReplacesOnlyTheFileNamesExtension) {
    const char* const cases[][3] = {
        {"/opt/bf/brookfetch", ".INI", "/opt/bf/brookfetch.INI"},
        {"/opt/bf/Brookfetch.exe", ".INI", "/opt/bf/Brookfetch.INI"},
        {"/opt/bf.d/brookfetch", "deu", "/opt/bf.d/brookfetch.deu"},
        {"/opt/bf/brook.fetch.bin", "deu", "/opt/bf/brook.fetch.deu"},
        {"brookfetch", ".INI", "brookfetch.INI"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChangeFileExt(QString::fromUtf8(c[0]), QString::fromUtf8(c[1])),
                  QString::fromUtf8(c[2]));
}

TEST(WindowsLanguageAbbreviationTest, LanguageAndCountryGiveWindowsCodes) {
    const char* const cases[][2] = {
        {"de_DE", "deu"}, {"de_AT", "dea"}, {"de_CH", "des"}, {"en_US", "enu"}, {"en_GB", "eng"},
        {"cs_CZ", "csy"}, {"pl_PL", "plk"}, {"fr_FR", "fra"}, {"fr_CA", "frc"}, {"es_ES", "esp"},
        {"es_MX", "esm"}, {"sk_SK", "sky"}, {"ro_RO", "rom"}, {"lv_LV", "lvi"}, {"lt_LT", "lth"},
        {"bg_BG", "bgr"}, {"hu_HU", "hun"}, {"it_IT", "ita"}, {"ru_RU", "rus"}, {"C", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WindowsLanguageAbbreviation(QLocale(QString::fromUtf8(c[0]))),
                  QString::fromUtf8(c[1]))
            << c[0];
}

TEST(LanguageOfCodeTest, EveryFormOfACodeNamesItsLanguage) {
    EXPECT_EQ(LanguageOfCode(QStringLiteral("deu")), QLocale::German);
    EXPECT_EQ(LanguageOfCode(QStringLiteral("dea")), QLocale::German);
    EXPECT_EQ(LanguageOfCode(QStringLiteral("de")), QLocale::German);
    EXPECT_EQ(LanguageOfCode(QStringLiteral("ROM")), QLocale::Romanian);
    EXPECT_EQ(LanguageOfCode(QStringLiteral("esm")), QLocale::Spanish);
    EXPECT_EQ(LanguageOfCode(QStringLiteral("xyz")), QLocale::AnyLanguage);
    EXPECT_EQ(LanguageOfCode(QString()), QLocale::AnyLanguage);
}

class TranslationFileTest : public ::testing::Test {
protected:
    QTemporaryDir Config;
    QTemporaryDir Programs;
    QString Exe = Programs.filePath(QStringLiteral("brookfetch"));

    QStringList Stored;

    void SetUp() override { qputenv("XDG_CONFIG_HOME", Config.path().toUtf8()); }
    void TearDown() override {
        for (const QString& exe : Stored)
            StoreLanguageCode(exe, nullptr); // Windows' registry outlives the test
        qunsetenv("XDG_CONFIG_HOME");
    }

    void Translation(const QString& code) {
        QFile file(Exe + QLatin1Char('.') + code);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    void Store(const QString& exe, const char* code) {
        ASSERT_TRUE(StoreLanguageCode(exe, code));
        Stored << exe;
    }
};

TEST_F(TranslationFileTest, StoredCodeThenLocaleThenItsFirstTwoLettersThenMainCodeThenNone) {
    const QLocale austrian(QStringLiteral("de_AT"));
    EXPECT_EQ(TranslationFileFor(Exe, austrian), QString()) << "no file: built-in English";

    Translation(QStringLiteral("deu"));
    EXPECT_EQ(TranslationFileFor(Exe, austrian), Exe + QStringLiteral(".deu"));

    Translation(QStringLiteral("de"));
    EXPECT_EQ(TranslationFileFor(Exe, austrian), Exe + QStringLiteral(".de"));

    Translation(QStringLiteral("dea"));
    EXPECT_EQ(TranslationFileFor(Exe, austrian), Exe + QStringLiteral(".dea"));

    Store(Exe, "plk");
    EXPECT_EQ(TranslationFileFor(Exe, austrian), Exe + QStringLiteral(".dea"))
        << "a stored code without its file falls back to the locale";

    Translation(QStringLiteral("plk"));
    EXPECT_EQ(TranslationFileFor(Exe, austrian), Exe + QStringLiteral(".plk"));

    EXPECT_EQ(TranslationFileFor(Exe, QLocale::c()), Exe + QStringLiteral(".plk"));
    EXPECT_EQ(LocaleTranslationFile(Exe, austrian), Exe + QStringLiteral(".dea"))
        << "the locale's file, whatever is stored";
}

TEST_F(TranslationFileTest, EachExecutablePathHasItsOwnChoice) {
    const QString other = Programs.filePath(QStringLiteral("copy/brookfetch"));
    Translation(QStringLiteral("fra"));
    Store(other, "fra");
    EXPECT_EQ(TranslationFileFor(Exe, QLocale::c()), QString());
    Store(Exe, "fra");
    EXPECT_EQ(TranslationFileFor(Exe, QLocale::c()), Exe + QStringLiteral(".fra"));
}

TEST_F(TranslationFileTest, FolderNamedLikeATranslationIsNoFile) {
    QDir().mkpath(Exe + QStringLiteral(".deu"));
    EXPECT_EQ(TranslationFileFor(Exe, QLocale(QStringLiteral("de_DE"))), QString());
}

// With a translation for every language of the properties dialog beside the program, a user
// who never chose one gets the file of their own locale.
TEST_F(TranslationFileTest, EachLocaleFindsItsLanguagesFile) {
    const char* const rows[][2] = {
        {"bg_BG", "bgr"},
        {"cs_CZ", "csy"},
        {"fr_FR", "fra"},
        {"de_DE", "deu"},
        {"hu_HU", "hun"},
        {"it_IT", "ita"},
        {"lv_LV", "lvi"},
        {"lt_LT", "lth"},
        {"pl_PL", "plk"},
        {"ro_RO", "rom"},
        {"ru_RU", "rus"},
        {"sk_SK", "sky"},
        {"es_ES", "esp"},
        {"en_US", "enu"},
        // Other countries read their language's main translation.
        {"de_AT", "deu"},
        {"de_CH", "deu"},
        {"fr_CA", "fra"},
        {"fr_BE", "fra"},
        {"es_MX", "esp"},
        {"it_CH", "ita"},
        {"en_GB", "enu"},
        {"ru_UA", "rus"},
        {"ro_MD", "rom"},
    };
    for (const auto& row : rows)
        Translation(QString::fromLatin1(row[1]));
    for (const auto& row : rows)
        EXPECT_EQ(TranslationFileFor(Exe, QLocale(QString::fromLatin1(row[0]))),
                  Exe + QLatin1Char('.') + QString::fromLatin1(row[1]))
            << row[0];
}

} // namespace
