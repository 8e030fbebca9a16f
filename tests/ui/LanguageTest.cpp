// SPDX-License-Identifier: GPL-3.0-or-later
// The language choice: the properties dialog, the per-user value, and the translation file
// the next start uses.
#include "tests/ui/WindowFixture.h"

#include "tests/support/StoredLanguage.h"

#include "app/Workplace.h"
#include "platform/registry/LanguageStore.h"
#include "platform/registry/Translation.h"
#include "ui/Main.h"
#include "ui/Msg.h"
#include "ui/Properties.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QTranslator>
#include <map>

namespace {

// The raw value stored for an executable: type and bytes; nullopt when there is none.
std::optional<std::pair<unsigned, QByteArray>> StoredValue(const QString& exePath) {
    const std::optional<QByteArray> value = StoredLanguageValue(exePath);
    if (!value)
        return std::nullopt;
    const qsizetype colon = value->indexOf(':');
    return std::make_pair(value->left(colon).toUInt(), value->mid(colon + 1));
}

} // namespace

class LanguageChoiceTest : public WindowTest {
protected:
    void SetUp() override { StartWindows(); }
    void Choose(int item, bool ok = true) {
        AnswerPropertiesDialog(item, ok);
        Action("FileProperties")->trigger();
    }
};

TEST_F(LanguageChoiceTest, GermanIsStoredForThisExecutableAndTakesEffectAtTheNextStart) {
    Choose(5);
    EXPECT_EQ(PropertiesShown, 1);
    EXPECT_EQ(PropertiesPreselected, 0);
    EXPECT_EQ(Workplace->LanguageId, 5);
    const auto stored = StoredValue(ExePath);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->first, 1u) << "REG_SZ";
    EXPECT_EQ(stored->second, QByteArray("deu", 4));
    ASSERT_EQ(App.Boxes.size(), 1u);
    EXPECT_EQ(App.Boxes[0].Text, "New language will be set after program restart");
    EXPECT_EQ(App.Boxes[0].Caption, "Warning");
    EXPECT_EQ(App.Boxes[0].Flags, MB_OK);
    // The running program keeps its language.
    EXPECT_EQ(MsgTemplate->Text("MsgError"), "Error");
    // Another copy of the program keeps its own choice.
    EXPECT_FALSE(StoredValue(Temp.filePath("other/brookfetch")).has_value());
    // Closing stores the index in the settings file.
    EXPECT_TRUE(Main->close());
    EXPECT_TRUE(SettingsLines().contains("LanguageId=5"));
}

TEST_F(LanguageChoiceTest, ChoosingTheSameLanguageAgainDoesNothing) {
    Choose(5);
    ASSERT_EQ(App.Boxes.size(), 1u);
    ASSERT_TRUE(QFile::remove(LanguageStoreFile()));
    Choose(5);
    EXPECT_EQ(PropertiesShown, 2);
    EXPECT_EQ(PropertiesPreselected, 5);
    EXPECT_EQ(App.Boxes.size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(LanguageStoreFile()));
}

TEST_F(LanguageChoiceTest, DefaultRemovesTheStoredValue) {
    Choose(5);
    ASSERT_TRUE(StoredValue(ExePath).has_value());
    Choose(0);
    EXPECT_FALSE(StoredValue(ExePath).has_value());
    EXPECT_EQ(Workplace->LanguageId, 0);
    ASSERT_EQ(App.Boxes.size(), 2u);
    EXPECT_EQ(App.Boxes[1].Text, "New language will be set after program restart");
}

TEST_F(LanguageChoiceTest, CancelKeepsTheLanguageEvenWithAnotherItemSelected) {
    Choose(12, false);
    EXPECT_EQ(PropertiesShown, 1);
    EXPECT_EQ(Workplace->LanguageId, 0);
    EXPECT_TRUE(App.Boxes.empty());
    EXPECT_FALSE(StoredValue(ExePath).has_value());
}

// A hand-edited settings file's index that names no language preselects nothing; OK without a
// choice changes nothing (no internal error), a choice is stored as usual.
TEST_F(LanguageChoiceTest, AnIndexNamingNoLanguagePreselectsNothingAndOkChangesNothing) {
    Workplace->LanguageId = 20;
    Choose(-2); // OK without choosing
    EXPECT_EQ(PropertiesPreselected, -1);
    EXPECT_EQ(Workplace->LanguageId, 20);
    EXPECT_TRUE(App.ErrorBoxes.empty());
    EXPECT_TRUE(App.Boxes.empty());
    EXPECT_FALSE(StoredValue(ExePath).has_value());
    Choose(5);
    EXPECT_EQ(Workplace->LanguageId, 5);
    ASSERT_TRUE(StoredValue(ExePath).has_value());
    EXPECT_EQ(StoredValue(ExePath)->second, QByteArray("deu", 4));
}

TEST_F(LanguageChoiceTest, AStoreThatCannotBeCreatedIsReported) {
    // The configuration folder is a plain file: no store can be made below it.
    QFile blocker(Temp.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_CONFIG_HOME", Temp.filePath("blocked").toLocal8Bit());
    Choose(5);
    ASSERT_EQ(App.Boxes.size(), 1u);
    EXPECT_EQ(App.Boxes[0].Text, "Windows Registry error");
    EXPECT_EQ(App.Boxes[0].Caption, "Error");
    EXPECT_EQ(Workplace->LanguageId, 5);
}

// The build puts the German translation beside the program; a copy of it beside this test's
// executable path is picked up once "deu" is stored, and the windows built after it speak
// German, message texts included.
TEST_F(LanguageChoiceTest, TheBuiltTranslationIsUsedByWindowsBuiltAfterIt) {
    const QString built = QStringLiteral(BROOKFETCH_TRANSLATIONS_DIR "/brookfetch.deu");
    ASSERT_TRUE(QFileInfo::exists(built)) << built.toStdString();
    ASSERT_TRUE(QFile::copy(built, ExePath + ".deu"));
    Choose(5);
    EXPECT_TRUE(Main->close());
    DestroyWindows();

    const QString file = TranslationFileFor(ExePath, QLocale::c());
    ASSERT_EQ(file, ExePath + ".deu");
    QTranslator translator;
    ASSERT_TRUE(translator.load(file));
    QCoreApplication::installTranslator(&translator);
    StartWindows();
    EXPECT_EQ(MsgTemplate->Text("MsgNewLanguage"),
              QString::fromUtf8("Die neue Sprache gilt nach einem Neustart des Programms"));
    EXPECT_EQ(Main->StatusText(1), "<unbenannt>");
    EXPECT_EQ(Action("FileNew")->text(), "&Neu");
    EXPECT_EQ(Main->findChild<QMenu*>("MenuFile")->title(), "&Datei");
    EXPECT_EQ(Workplace->LanguageId, 5);
    // The registry error text is fixed; its caption follows the language.
    QFile blocker(Temp.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_CONFIG_HOME", Temp.filePath("blocked").toLocal8Bit());
    Choose(0);
    ASSERT_FALSE(App.Boxes.empty());
    EXPECT_EQ(App.Boxes.back().Text, "Windows Registry error");
    EXPECT_EQ(App.Boxes.back().Caption, "Fehler");
    // So is a settings file that cannot be written.
    ASSERT_TRUE(QDir(Temp.filePath("bin")).removeRecursively());
    EXPECT_TRUE(Main->close());
    ASSERT_EQ(App.ErrorBoxes.size(), 1u);
    EXPECT_EQ(App.ErrorBoxes[0], QString::fromUtf8("Die Einstellungen können nicht in ") +
                                     QDir::toNativeSeparators(SettingsPath()) +
                                     " geschrieben werden.");
    DestroyWindows();
    QCoreApplication::removeTranslator(&translator);
}

// Each language in its own name, in the order of the names; the stored index and code stay
// those of the settings file's table. <Default> names what it stands for: English, as no
// translation lies beside this test's program.
TEST_F(LanguageChoiceTest, TheListNamesEachLanguageInItsOwnWordsAndStoresItsCode) {
    auto* list = Properties->findChild<QComboBox*>("PropertiesLanguage");
    const QStringList expected = {"<Default> (English)",
                                  "Čeština",
                                  "Deutsch",
                                  "English",
                                  "Español",
                                  "Français",
                                  "Italiano",
                                  "Latviešu",
                                  "Lietuvių",
                                  "Magyar",
                                  "Polski",
                                  "Română",
                                  "Slovenčina",
                                  "Български",
                                  "Русский"};
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    EXPECT_EQ(items, expected);
    EXPECT_EQ(Properties->windowTitle(), "Program Properties");

    const std::map<QString, QByteArray> codes = {
        {"Български", "bgr"},  {"Čeština", "csy"}, {"English", "enu"},  {"Français", "fra"},
        {"Deutsch", "deu"},    {"Magyar", "hun"},  {"Italiano", "ita"}, {"Latviešu", "lvi"},
        {"Lietuvių", "lth"},   {"Polski", "plk"},  {"Română", "rom"},   {"Русский", "rus"},
        {"Slovenčina", "sky"}, {"Español", "esp"}};
    for (const auto& [name, code] : codes) {
        const int id = list->itemData(list->findText(name)).toInt();
        Choose(id);
        const auto stored = StoredValue(ExePath);
        ASSERT_TRUE(stored.has_value()) << name.toStdString();
        EXPECT_EQ(stored->second, code + '\0') << name.toStdString();
    }
    EXPECT_EQ(list->itemData(list->findText("Deutsch")).toInt(), 5);
    EXPECT_EQ(list->itemData(list->findText("Română")).toInt(), 11);
}

// The words under the error boxes are the user's language's, and so are the numbers in them: a
// field named with its German caption and range, a file with the system's reason in German.
TEST_F(WindowTest, FieldAndFileFailuresAreNamedInGerman) {
    const GermanScope german;
    ASSERT_TRUE(german.Loaded);
    StartWindows();
    Type("Q47AccuWarning", "1e1");
    EXPECT_FALSE(Main->PageToModel());
    Type("Q47AccuWarning", "11,05");
    Type("Q47SamplesCount", "0");
    EXPECT_FALSE(Main->PageToModel());
    Type("Q47SamplesCount", "8");
    const QString nowhere = Temp.filePath("fehlt/neu.brk");
    ChosenFiles.push_back(nowhere);
    Main->FileSaveAsExecute();
    ASSERT_EQ(App.Boxes.size(), 3u);
    EXPECT_EQ(App.Boxes[0].Text, QString::fromUtf8("Ungültiges Parameterformat\n\nZulässig für "
                                                   "Warnung bei: 0,6..15,6 V."));
    EXPECT_EQ(App.Boxes[1].Text, QString::fromUtf8("Parameter außerhalb des zulässigen Bereichs\n\n"
                                                   "Zulässig für Probenanzahl: 1..255."));
    EXPECT_EQ(App.Boxes[2].Text, QString::fromUtf8("Fehler beim Dateizugriff\n\nDie Datei ") +
                                     QDir::toNativeSeparators(nowhere) +
                                     QString::fromUtf8(" wurde nicht gespeichert. Ihr Ordner "
                                                       "existiert nicht."));
    EXPECT_EQ(App.Boxes[2].Caption, "Fehler");
    // The voltage read before the refusal shows as stored, with the decimal comma.
    EXPECT_EQ(Field("Q47AccuWarning")->text(), "11,1");
    DestroyWindows();
}
