// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter page as a person fills it in: every field typed into, the VAR mode chosen from
// its list in every way a list is used, the sampling mode by its buttons; what the saved file
// holds then, read back by brookfetch-cli.
#include "tests/journeys/Journey.h"

#include "ui/Main.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using person::TChoice;

class PageJourney : public Journey {
protected:
    // Saves the page by Ctrl+S: through the Save dialog the first time, then under its name.
    void Save(const QString& file) {
        if (Panel(1) != file)
            AnswerFileDialog(file);
        person::Key(&Main(), Qt::Key_S, Qt::ControlModifier);
        ASSERT_TRUE(person::WaitFor([this, file] { return Panel(1) == file && !Modified(); }))
            << "not saved as " << file.toStdString()
            << "; boxes: " << Boxes().join(QStringLiteral(" | ")).toStdString();
    }
};

TEST_P(PageJourney, EveryFieldTypedAndTheVarModeClickedAreWhatTheFileHolds) {
    Start();
    person::Click(Mode(true));
    EXPECT_FALSE(Field("Q47SamplesCount")->isEnabled());
    person::Click(Mode(false));
    ASSERT_TRUE(Field("Q47SamplesCount")->isEnabled());
    const std::pair<const char*, const char*> typed[] = {
        {"Q47SamplesCount", "12"}, {"Q47PrePurge", "20"},       {"Q47PostPurge", "30"},
        {"Q47DeadTime", "1:5:7"},  {"Q47PurgesCount", "3"},     {"Q47SamplingInterval", "00:20:00"},
        {"Q47Aeration", "15"},     {"Q47MaxSuctionTime", "90"}, {"Q47AccuWarning", "11.5"},
        {"Q47AccuOff", "10.2"},
    };
    for (const auto& [field, text] : typed) {
        person::TypeInto(Field(field), QString::fromLatin1(text));
        EXPECT_EQ(Field(field)->text(), QString::fromLatin1(text)) << field;
    }
    ASSERT_TRUE(person::Choose(VarMode(), QStringLiteral("4 - 20mA"), TChoice::Click));
    EXPECT_EQ(VarMode()->currentText(), "4 - 20mA");
    EXPECT_TRUE(Modified());
    // Under the fields, what the sheet will say of them (read without the marks that keep the
    // VAR mode's name on one line).
    EXPECT_EQ(static_cast<QLabel*>(Widget("Schedule"))
                  ->text()
                  .remove(QChar(0x2060))
                  .replace(QChar(QChar::Nbsp), QLatin1Char(' ')),
              "12 samples, the first 01:05:07 after the start, then one every 00:20:00, the last "
              "04:45:07 after the start. The VAR input (4 - 20mA) also controls sampling.");

    const QString file = Path(QStringLiteral("river.brk"));
    Save(file);
    EXPECT_EQ(Field("Q47DeadTime")->text(), "01:05:07") << "the time in its normal form";
    EXPECT_EQ(Boxes(), QStringList());
    const QJsonObject saved = Show(file);
    EXPECT_EQ(saved["Continuous"].toBool(true), false);
    EXPECT_EQ(saved["SamplesCount"].toInt(), 12);
    EXPECT_EQ(saved["PrePurge"].toInt(), 20);
    EXPECT_EQ(saved["PostPurge"].toInt(), 30);
    EXPECT_EQ(saved["DeadTime"].toInt(), 3907);
    EXPECT_EQ(saved["PurgesCount"].toInt(), 3);
    EXPECT_EQ(saved["SamplingInterval"].toInt(), 1200);
    EXPECT_EQ(saved["Aeration"].toInt(), 15);
    EXPECT_EQ(saved["MaxSuctionTime"].toInt(), 90);
    EXPECT_DOUBLE_EQ(saved["AccuWarning"].toDouble(), 11.5);
    EXPECT_DOUBLE_EQ(saved["AccuOff"].toDouble(), 10.2);
    EXPECT_EQ(saved["VarMode"].toInt(), 3);
}

// Each way of using the list leaves the item chosen, and the file holds its code.
TEST_P(PageJourney, TheVarModeChosenByEnterLettersWheelAndArrowsIsSaved) {
    Start();
    const QString file = Path(QStringLiteral("var.brk"));
    const auto chosen = [&](const char* how, const QString& item, int code) {
        EXPECT_EQ(VarMode()->currentText(), item) << how;
        Save(file);
        EXPECT_EQ(Boxes(), QStringList()) << how;
        EXPECT_EQ(Show(file)["VarMode"].toInt(-1), code) << how;
    };
    ASSERT_TRUE(person::Choose(VarMode(), QStringLiteral("0 - 20mA"), TChoice::Enter));
    chosen("Enter in the open list", QStringLiteral("0 - 20mA"), 1);
    ASSERT_TRUE(person::Choose(VarMode(), QStringLiteral("4 - 20mA"), TChoice::Letters));
    chosen("letters typed in the open list", QStringLiteral("4 - 20mA"), 3);
    ASSERT_TRUE(person::Choose(VarMode(), QStringLiteral("Disabled"), TChoice::Click));
    chosen("a click in the open list", QStringLiteral("Disabled"), 0);
    // On the closed list: the wheel, then the arrow keys.
    person::Wheel(VarMode(), -1);
    chosen("the wheel turned down", QStringLiteral("0 - 20mA"), 1);
    person::Click(Field("Q47PostPurge"));
    person::Key(&Main(), Qt::Key_Tab);
    ASSERT_TRUE(VarMode()->hasFocus());
    person::Key(VarMode(), Qt::Key_Down);
    chosen("Down on the closed list", QStringLiteral("4 - 20mA"), 3);
    person::Wheel(VarMode(), 2);
    chosen("the wheel turned up twice", QStringLiteral("Disabled"), 0);
}

// A mode button already checked changes nothing when clicked; the keys move the choice.
TEST_P(PageJourney, TheModeButtonsChangeTheDataOnlyWhenTheModeChanges) {
    Start();
    ASSERT_TRUE(Mode(false)->isChecked());
    person::Click(Mode(false));
    EXPECT_FALSE(Modified()) << "a click on the checked button";
    person::Key(Mode(false), Qt::Key_Space);
    EXPECT_FALSE(Modified()) << "Space on the checked button";
    // New asks nothing while nothing changed.
    person::Key(&Main(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Boxes(), QStringList());
    ASSERT_TRUE(PageShown());

    person::Click(Mode(true));
    EXPECT_TRUE(Mode(true)->isChecked());
    EXPECT_TRUE(Modified());
    EXPECT_FALSE(Field("Q47SamplesCount")->isEnabled());
    person::Key(Mode(true), Qt::Key_Up);
    EXPECT_TRUE(Mode(false)->isChecked()) << "Up moves the choice to the first mode";
    EXPECT_TRUE(Field("Q47SamplesCount")->isEnabled());
    const QString file = Path(QStringLiteral("mode.brk"));
    Save(file);
    EXPECT_EQ(Show(file)["Continuous"].toBool(true), false);
    person::Key(&Main(), Qt::Key_M, Qt::AltModifier); // the group's letter: to its checked button
    person::Key(&Main(), Qt::Key_Down);
    EXPECT_TRUE(Mode(true)->isChecked());
    Save(file);
    EXPECT_EQ(Show(file)["Continuous"].toBool(false), true);
    EXPECT_EQ(Boxes(), QStringList());
}

JOURNEY_STYLES(PageJourney);
