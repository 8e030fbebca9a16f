// SPDX-License-Identifier: GPL-3.0-or-later
// The user guide from the program in German: F1 on a field and in Properties lands on their
// places, Help › Brookfetch Help on the guide's start, each page the built guide's own.
#include "tests/journeys/Journey.h"

#include "ui/Help.h"
#include "ui/Main.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QUrl>

class HelpJourney : public Journey {};

namespace {

QString Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// An item's text as a person reads it in the menu.
QString ItemText(TMainForm& main, const char* action) {
    return main.findChild<QAction*>(action)->text().remove(QLatin1Char('&'));
}

} // namespace

TEST_P(HelpJourney, F1InGermanLandsOnTheFieldsAndTheDialogsPlace) {
#ifdef BROOKFETCH_GUIDE_DIR
    qputenv("BROOKFETCH_GUIDE", BROOKFETCH_GUIDE_DIR);
#endif
    if (THelp::GuideFolder().isEmpty())
        GTEST_SKIP() << "no user guide was built (asciidoctor and po4a: scripts/setup)";
    Start();
    person::WhenModal([](QWidget* dialog) {
        auto* list = dialog->findChild<QComboBox*>(QStringLiteral("PropertiesLanguage"));
        EXPECT_TRUE(person::Choose(list, QStringLiteral("Deutsch"), person::TChoice::Click));
        EXPECT_TRUE(person::ClickButton(dialog, QStringLiteral("OK")));
    });
    Answer(QStringLiteral("OK"));
    ASSERT_TRUE(
        person::ClickMenu(Menus(), QStringLiteral("File"), QStringLiteral("Properties...")));
    Exit();
    Boxes();

    Start();
    QStringList opened;
    Main().Guide().OpenUrl = [&opened](const QUrl& url) {
        opened << url.toLocalFile();
        return true;
    };
    person::Click(Field("Q47SamplesCount"));
    person::Key(Field("Q47SamplesCount"), Qt::Key_F1);
    person::WhenModal([](QWidget* dialog) {
        person::Key(dialog, Qt::Key_F1);
        EXPECT_TRUE(person::ClickButton(dialog, QStringLiteral("Abbrechen")));
    });
    const QString file = Main().findChild<QMenu*>("MenuFile")->title().remove('&');
    ASSERT_TRUE(person::ClickMenu(Menus(), file, ItemText(Main(), "MenuFileProperties")));
    const QString help = Main().findChild<QMenu*>("MenuHelp")->title().remove('&');
    ASSERT_TRUE(person::ClickMenu(Menus(), help, ItemText(Main(), "MenuHelpContents")));
    Exit();

    ASSERT_EQ(opened.size(), 3) << opened.join('\n').toStdString();
    const QString german = THelp::GuideFolder() + QStringLiteral("/de/");
    // Properties opens with the keyboard in its language list, which has a place of its own.
    const QStringList places{"samples-count", "languages", "start"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(opened[i], german + "go/" + places[i] + ".html");
        // The page leads to its place in the German guide, which has it.
        EXPECT_TRUE(Contents(opened[i]).contains("../index.html#" + places[i]))
            << Contents(opened[i]).toStdString();
        EXPECT_TRUE(Contents(german + "index.html").contains("id=\"" + places[i] + "\""));
    }
    EXPECT_EQ(Boxes(), QStringList());
}

JOURNEY_STYLES(HelpJourney);
