// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter page: copying between page and model, and the field checks.
#include "tests/ui/WindowFixture.h"

#include "app/Workplace.h"
#include "model/Q47.h"
#include "ui/Main.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <functional>

class PageTest : public WindowTest {
protected:
    void SetUp() override {
        StartWindows();
        Workplace->Modified = false;
    }
    QWidget* Focused() const { return Main->focusWidget(); }
    TQ47& Model() const { return *Workplace->Model; }
    QAbstractButton* ModeItem(const char* name) const {
        return Main->findChild<QAbstractButton*>(name);
    }
};

TEST_F(PageTest, ModelToPageShowsEveryParameterAndLeavesTheDataUnmodified) {
    TQ47& m = Model();
    m.SetSamplesCount(12);
    m.SetPrePurge(5);
    m.SetPostPurge(6);
    m.SetVarMode(3);
    m.SetDeadTime(3907);
    m.SetPurgesCount(2);
    m.SetSamplingInterval(30);
    m.SetAeration(7);
    m.SetMaxSuctionTime(200);
    m.SetAccuWarning(11.04);
    m.SetAccuOff(10.5);
    m.PumpPulses = 1234;
    Main->ModelToPage();
    const std::pair<const char*, const char*> fields[] = {
        {"Q47SamplesCount", "12"}, {"Q47PrePurge", "5"},
        {"Q47PostPurge", "6"},     {"Q47DeadTime", "01:05:07"},
        {"Q47PurgesCount", "2"},   {"Q47SamplingInterval", "00:00:30"},
        {"Q47Aeration", "7"},      {"Q47MaxSuctionTime", "200"},
        {"Q47PumpPulses", "1234"}, {"Q47AccuWarning", "11.0"},
        {"Q47AccuOff", "10.5"}};
    for (const auto& [name, text] : fields)
        EXPECT_EQ(Field(name)->text(), text) << name;
    EXPECT_EQ(Main->findChild<QComboBox*>("Q47VarMode")->currentText(), "4 - 20mA");
    EXPECT_TRUE(ModeItem("Q47ModeSamples")->isChecked());
    EXPECT_FALSE(Workplace->Modified);
    EXPECT_FALSE(Field("Q47PumpPulses")->isEnabled());
}

TEST_F(PageTest, ModelToPageChangesOnlyTextsThatDiffer) {
    int changes = 0;
    for (QLineEdit* edit : Main->findChildren<QLineEdit*>())
        QObject::connect(edit, &QLineEdit::textChanged, [&changes] { ++changes; });
    Main->ModelToPage();
    EXPECT_EQ(changes, 0);
    Model().SetAeration(99);
    Main->ModelToPage();
    EXPECT_EQ(changes, 1);
}

TEST_F(PageTest, VarModeTwoShowsDisabledAndIsStoredAsZero) {
    auto* list = Main->findChild<QComboBox*>("Q47VarMode");
    Model().SetVarMode(1);
    Main->ModelToPage();
    EXPECT_EQ(list->currentText(), "0 - 20mA");
    Model().SetVarMode(2);
    Main->ModelToPage();
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(list->currentText(), "Disabled");
    EXPECT_TRUE(Main->PageToModel());
    EXPECT_EQ(Model().VarMode, 0);
    list->setCurrentIndex(2);
    EXPECT_TRUE(Workplace->Modified);
    EXPECT_TRUE(Main->PageToModel());
    EXPECT_EQ(Model().VarMode, 3);
}

TEST_F(PageTest, ContinuousModeDisablesTheSamplesCountAndSkipsIt) {
    auto* count = Field("Q47SamplesCount");
    auto* label = Main->findChild<QLabel*>("Q47SamplesCountLabel");
    Model().Continuous = true;
    Main->ModelToPage();
    EXPECT_TRUE(ModeItem("Q47ModeContinuous")->isChecked());
    EXPECT_FALSE(count->isEnabled());
    EXPECT_FALSE(label->isEnabled());

    count->setText("not a number");
    Model().SetSamplesCount(9);
    Workplace->Modified = false;
    ASSERT_TRUE(Main->PageToModel());
    EXPECT_TRUE(App.Boxes.empty());
    EXPECT_TRUE(Model().Continuous);
    EXPECT_EQ(Model().SamplesCount, 9);
    // The greyed field shows the count the data hold, as the file and the sheet do.
    EXPECT_EQ(count->text(), "9");

    count->setText("not a number");
    ModeItem("Q47ModeSamples")->click();
    EXPECT_TRUE(count->isEnabled());
    EXPECT_TRUE(label->isEnabled());
    EXPECT_TRUE(Workplace->Modified);
    EXPECT_FALSE(Main->PageToModel());
    EXPECT_EQ(Focused(), count);

    Workplace->Modified = false;
    ModeItem("Q47ModeContinuous")->click();
    EXPECT_FALSE(count->isEnabled());
    EXPECT_TRUE(Workplace->Modified);
}

TEST_F(PageTest, TimesAreStoredAndRewrittenInTheirNormalForm) {
    Type("Q47DeadTime", "1:5:7");
    Type("Q47SamplingInterval", " 0:0:30");
    Workplace->Modified = false;
    ASSERT_TRUE(Main->PageToModel());
    EXPECT_EQ(Model().DeadTime, 3907);
    EXPECT_EQ(Field("Q47DeadTime")->text(), "01:05:07");
    EXPECT_EQ(Model().SamplingInterval, 30);
    EXPECT_EQ(Field("Q47SamplingInterval")->text(), "00:00:30");
    // Rewriting the text is an edit.
    EXPECT_TRUE(Workplace->Modified);
}

// A stored voltage is a one-byte code on a 0.1 V grid: the fields taken show what is stored,
// up to the first refused field.
TEST_F(PageTest, VoltagesShowTheValueOnTheGridThatIsStored) {
    Type("Q47AccuWarning", "11.05");
    Type("Q47AccuOff", "0.56");
    ASSERT_TRUE(Main->PageToModel());
    EXPECT_EQ(Field("Q47AccuWarning")->text(), "11.1");
    EXPECT_EQ(Field("Q47AccuOff")->text(), "0.6");
    EXPECT_EQ(TQ47::VoltsToCode(Model().AccuWarning), TQ47::VoltsToCode(11.1));

    Type("Q47AccuWarning", "12.04");
    Type("Q47AccuOff", "99");
    EXPECT_FALSE(Main->PageToModel());
    EXPECT_EQ(Field("Q47AccuWarning")->text(), "12.0");
    EXPECT_EQ(Field("Q47AccuOff")->text(), "99");
}

TEST_F(PageTest, EveryEditOnThePageModifiesTheData) {
    for (const char* name : {"Q47SamplesCount", "Q47PrePurge", "Q47PostPurge", "Q47DeadTime",
                             "Q47PurgesCount", "Q47SamplingInterval", "Q47Aeration",
                             "Q47MaxSuctionTime", "Q47AccuWarning", "Q47AccuOff"}) {
        Workplace->Modified = false;
        Type(name, Field(name)->text() + "1");
        EXPECT_TRUE(Workplace->Modified) << name;
    }
}

// One field is wrong, every field before it in tab order is right: the first wrong field is
// reported with the box of its kind, named with what it accepts, focused, and the fields before
// it are already stored. A samples count of 0 is refused in counted mode, and "1e1" is no
// voltage, as on the command line.
struct FieldCase {
    const char* Name;
    const char* Valid;
    const char* FormatError;
    const char* RangeError;
    std::function<double(const TQ47&)> Stored;
    double ValidValue;
    const char* Accepted; // the box's second paragraph
};

const FieldCase Fields[] = {
    {"Q47SamplesCount", "7", "x7", "0", [](const TQ47& m) { return m.SamplesCount; }, 7,
     "Allowed for Samples Count: 1..255."},
    {"Q47PrePurge", "11", "1.5", "0", [](const TQ47& m) { return m.PrePurge; }, 11,
     "Allowed for Before Sampling: 1..240 s."},
    {"Q47PostPurge", "12", "", "241", [](const TQ47& m) { return m.PostPurge; }, 12,
     "Allowed for After Sampling: 1..240 s."},
    {"Q47DeadTime", "00:10:00", "02:4O:00", "15:00:01", [](const TQ47& m) { return m.DeadTime; },
     600, "Allowed for Time Delay: 00:00:00..15:00:00."},
    {"Q47PurgesCount", "3", "three", "6", [](const TQ47& m) { return m.PurgesCount; }, 3,
     "Allowed for Purges Count: 0..5."},
    {"Q47SamplingInterval", "0:0:30", "00:01:30:00", "00:00:00",
     [](const TQ47& m) { return m.SamplingInterval; }, 30,
     "Allowed for Sampling Interval: 00:00:01..15:00:00."},
    {"Q47Aeration", "13", "13s", "256", [](const TQ47& m) { return m.Aeration; }, 13,
     "Allowed for Aeration: 0..255 s."},
    {"Q47MaxSuctionTime", "14", "-", "300", [](const TQ47& m) { return m.MaxSuctionTime; }, 14,
     "Allowed for Max Suction Time: 0..255 s."},
    {"Q47AccuWarning", "12.5", "1e1", "15.7", [](const TQ47& m) { return m.AccuWarning; }, 12.5,
     "Allowed for Warning at: 0.6..15.6 V."},
    {"Q47AccuOff", "9.5", "12,5", "16", [](const TQ47& m) { return m.AccuOff; }, 9.5,
     "Allowed for Switch off at: 0.6..15.6 V."},
};

class FirstWrongFieldTest : public PageTest,
                            public ::testing::WithParamInterface<std::tuple<int, bool>> {};

TEST_P(FirstWrongFieldTest, IsReportedFocusedAndEarlierFieldsAreStored) {
    const auto [wrong, rangeError] = GetParam();
    const FieldCase& bad = Fields[wrong];
    for (int i = 0; i < static_cast<int>(std::size(Fields)); ++i)
        Type(Fields[i].Name,
             i == wrong ? (rangeError ? bad.RangeError : bad.FormatError) : Fields[i].Valid);
    // A later field is wrong as well; only the first one counts.
    if (wrong + 1 < static_cast<int>(std::size(Fields)))
        Type(Fields[wrong + 1].Name, "??");
    const double before = bad.Stored(Model());
    Main->SetStatusText(0, "OK");

    EXPECT_FALSE(Main->PageToModel());

    ASSERT_EQ(App.Boxes.size(), 1u);
    EXPECT_EQ(App.Boxes[0].Text,
              QString(rangeError ? "Parameter out of range" : "Invalid format of parameter") +
                  "\n\n" + bad.Accepted);
    EXPECT_EQ(App.Boxes[0].Caption, "Error");
    EXPECT_EQ(App.Boxes[0].Flags, MB_OK);
    // The field's hint gives the same range.
    const QString accepted = QString::fromUtf8(bad.Accepted);
    const QString range = accepted.mid(accepted.indexOf(": ") + 2).chopped(1);
    EXPECT_TRUE(Field(bad.Name)->toolTip().contains(": " + range))
        << Field(bad.Name)->toolTip().toStdString();
    EXPECT_EQ(Main->StatusText(0), rangeError ? "Error" : "OK");
    if (rangeError) {
        EXPECT_EQ(Model().LastError, TQ47::RangeError);
    }
    EXPECT_EQ(Focused(), Field(bad.Name));
    EXPECT_EQ(Field(bad.Name)->selectedText(), Field(bad.Name)->text()); // ready for retyping
    EXPECT_EQ(Main->findChild<QStackedWidget*>("PageControl")->currentWidget()->objectName(),
              "Q47Tab");
    for (int i = 0; i < wrong; ++i)
        EXPECT_DOUBLE_EQ(Fields[i].Stored(Model()), Fields[i].ValidValue) << Fields[i].Name;
    EXPECT_DOUBLE_EQ(bad.Stored(Model()), before);
}

INSTANTIATE_TEST_SUITE_P(TabOrder, FirstWrongFieldTest,
                         ::testing::Combine(::testing::Range(0, 10), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(Fields[std::get<0>(info.param)].Name) +
                                    (std::get<1>(info.param) ? "Range" : "Format");
                         });

TEST_F(PageTest, ValuesAtTheEdgesOfTheModelRangesAreAccepted) {
    Type("Q47SamplesCount", "1");
    Type("Q47DeadTime", "15:00:00");
    Type("Q47SamplingInterval", "00:00:01");
    Type("Q47AccuWarning", "15.6");
    Type("Q47AccuOff", "0.6");
    ASSERT_TRUE(Main->PageToModel());
    EXPECT_EQ(Model().SamplesCount, 1);
    EXPECT_EQ(Model().DeadTime, 54000);
    EXPECT_EQ(Model().SamplingInterval, 1);
    EXPECT_TRUE(App.Boxes.empty());
}

// Tab goes round the mode buttons and the fields of the page, and nothing else.
TEST_F(PageTest, FieldsFollowTheTabOrderOfThePanels) {
    const char* order[] = {"Q47ModeSamples", "Q47ModeContinuous", "Q47SamplesCount",
                           "Q47PrePurge",    "Q47PostPurge",      "Q47VarMode",
                           "Q47DeadTime",    "Q47PurgesCount",    "Q47SamplingInterval",
                           "Q47Aeration",    "Q47MaxSuctionTime", "Q47PumpPulses",
                           "Q47AccuWarning", "Q47AccuOff"};
    Main->findChild<QStackedWidget*>("PageControl")
        ->setCurrentWidget(Main->findChild<QWidget*>("Q47Tab"));
    QWidget* current = Main->findChild<QWidget*>(order[0]);
    for (size_t i = 1; i <= std::size(order); ++i) {
        QWidget* next = current->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisible())
            next = next->nextInFocusChain();
        EXPECT_EQ(next->objectName(), order[i % std::size(order)]) << "after " << order[i - 1];
        current = next;
    }
}

// The sentence under the fields says what the sheet will say of the page as typed, before
// anything is stored: a time half typed names its field rather than give a schedule nobody
// meant. A screen reader reads it by its name, the sentence as its description.
TEST_F(PageTest, TheScheduleFollowsWhatIsTyped) {
    auto* schedule = Main->findChild<QLabel*>("Schedule");
    ASSERT_NE(schedule, nullptr);
    Main->findChild<QStackedWidget*>("PageControl")
        ->setCurrentWidget(Main->findChild<QWidget*>("Q47Tab"));
    EXPECT_TRUE(schedule->isVisible());
    EXPECT_EQ(schedule->text(), "8 samples, the first 00:00:00 after the start, then one every "
                                "00:15:00, the last 01:45:00 after the start.");
    const auto type = [this](const char* field, const char* keys) {
        Field(field)->selectAll();
        QTest::keyClicks(Field(field), QString::fromLatin1(keys));
    };
    type("Q47SamplesCount", "12");
    type("Q47DeadTime", "1:5:7");
    EXPECT_EQ(schedule->text(), "12 samples, the first 01:05:07 after the start, then one every "
                                "00:15:00, the last 03:50:07 after the start.");
    type("Q47SamplingInterval", "00:2");
    EXPECT_EQ(schedule->text(), "No schedule yet: Sampling Interval is not complete.");
    QTest::keyClicks(Field("Q47SamplingInterval"), "0:00");
    EXPECT_EQ(schedule->text(), "12 samples, the first 01:05:07 after the start, then one every "
                                "00:20:00, the last 04:45:07 after the start.");
    type("Q47SamplesCount", "256");
    EXPECT_EQ(schedule->text(), "No schedule: a value it is drawn from is out of range.");

    // Continuous mode leaves the count aside; the VAR input chosen by the arrow keys adds itself.
    QTest::keyClick(ModeItem("Q47ModeContinuous"), Qt::Key_Space);
    ASSERT_TRUE(ModeItem("Q47ModeContinuous")->isChecked());
    auto* var = Main->findChild<QComboBox*>("Q47VarMode");
    QTest::keyClick(var, Qt::Key_Down);
    QTest::keyClick(var, Qt::Key_Down);
    ASSERT_EQ(var->currentText(), "4 - 20mA");
    const QString continuous = "One sample every 00:20:00 until the sampler is stopped, the first "
                               "01:05:07 after the start. The VAR input (4 - 20mA) also controls "
                               "sampling.";
    // The mode's name is kept on one line.
    EXPECT_EQ(schedule->text().remove(QChar(0x2060)).replace(QChar(QChar::Nbsp), ' '), continuous);
    EXPECT_FALSE(schedule->text().contains("4 -"));
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(schedule);
    EXPECT_EQ(read->text(QAccessible::Name), "Schedule");
    EXPECT_EQ(read->text(QAccessible::Description), continuous);
    EXPECT_FALSE(schedule->focusPolicy() & Qt::TabFocus);

    // Nothing was stored into the data set.
    EXPECT_EQ(Model().SamplesCount, 8);
    EXPECT_EQ(Model().SamplingInterval, 900);
    EXPECT_FALSE(Model().Continuous);
    // A set shown on the page shows its own; the logo page hides it.
    Main->ModelToPage();
    EXPECT_EQ(schedule->text(), "8 samples, the first 00:00:00 after the start, then one every "
                                "00:15:00, the last 01:45:00 after the start.");
    Main->findChild<QStackedWidget*>("PageControl")
        ->setCurrentWidget(Main->findChild<QWidget*>("EmptyTab"));
    EXPECT_FALSE(schedule->isVisible());
}

// Every field and choice says what it means and, where it takes a range, the range it takes (the
// refusals' own, above), to the mouse as its tool tip and to a screen reader in the same words.
TEST_F(PageTest, EveryFieldsToolTipIsItsDescription) {
    int fields = 0;
    for (QWidget* field : Main->findChild<QWidget*>("Q47Page")->findChildren<QWidget*>()) {
        if (!qobject_cast<QLineEdit*>(field) && !qobject_cast<QComboBox*>(field) &&
            !qobject_cast<QRadioButton*>(field))
            continue;
        ++fields;
        EXPECT_FALSE(field->toolTip().isEmpty()) << field->objectName().toStdString();
        EXPECT_EQ(QAccessible::queryAccessibleInterface(field)->text(QAccessible::Description),
                  field->toolTip());
    }
    EXPECT_EQ(fields, 14);
    EXPECT_TRUE(Main->findChild<QComboBox*>("Q47VarMode")
                    ->toolTip()
                    .endsWith(": Disabled, 0 - 20mA, 4 - 20mA"));
    EXPECT_TRUE(Field("Q47DeadTime")->toolTip().endsWith(": 00:00:00..15:00:00 (hh:mm:ss)"));
}
