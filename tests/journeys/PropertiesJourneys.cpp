// SPDX-License-Identifier: GPL-3.0-or-later
// The language chosen in Properties with the mouse, kept for the next start.
#include "tests/journeys/Journey.h"

#include "ui/Main.h"

#include <QComboBox>
#include <QMenu>

class PropertiesJourney : public Journey {};

TEST_P(PropertiesJourney, GermanClickedInTheListIsTheNextStartsLanguage) {
    Start();
    person::WhenModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Program Properties");
        // A dialog's frame: no minimize or maximize button.
        EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMaximizeButtonHint);
        auto* list = dialog->findChild<QComboBox*>(QStringLiteral("PropertiesLanguage"));
        ASSERT_NE(list, nullptr);
        EXPECT_TRUE(person::Choose(list, QStringLiteral("Deutsch"), person::TChoice::Click));
        EXPECT_EQ(list->currentText(), "Deutsch");
        EXPECT_TRUE(person::ClickButton(dialog, QStringLiteral("OK")));
    });
    Answer(QStringLiteral("OK"));
    ASSERT_TRUE(
        person::ClickMenu(Menus(), QStringLiteral("File"), QStringLiteral("Properties...")));
    EXPECT_EQ(Boxes(), QStringList{QStringLiteral(
                           "Warning: New language will be set after program restart")});
    Exit();
    EXPECT_TRUE(SettingsText().contains(QLatin1String("LanguageId=5")))
        << SettingsText().toStdString();

    Start();
    EXPECT_EQ(Main().findChild<QMenu*>(QStringLiteral("MenuFile"))->title(), "&Datei");
    // The language's own words for the VAR mode's first item, and the list works in it.
    EXPECT_NE(VarMode()->itemText(0), "Disabled");
    EXPECT_TRUE(person::Choose(VarMode(), QStringLiteral("0 - 20mA"), person::TChoice::Click));
    EXPECT_EQ(VarMode()->currentIndex(), 1);
    EXPECT_EQ(Boxes(), QStringList());
}

// Cancel keeps the language, whatever was chosen in the list.
TEST_P(PropertiesJourney, CancelKeepsTheLanguage) {
    Start();
    person::WhenModal([](QWidget* dialog) {
        auto* list = dialog->findChild<QComboBox*>(QStringLiteral("PropertiesLanguage"));
        EXPECT_TRUE(person::Choose(list, QStringLiteral("Русский"), person::TChoice::Letters));
        EXPECT_TRUE(person::ClickButton(dialog, QStringLiteral("Cancel")));
    });
    ASSERT_TRUE(
        person::ClickMenu(Menus(), QStringLiteral("File"), QStringLiteral("Properties...")));
    Exit();
    EXPECT_TRUE(SettingsText().contains(QLatin1String("LanguageId=0")))
        << SettingsText().toStdString();
    EXPECT_EQ(Boxes(), QStringList());
}

JOURNEY_STYLES(PropertiesJourney);
