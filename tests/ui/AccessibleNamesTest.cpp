// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows hand the platform's accessibility bridge (AT-SPI on Linux, UI Automation on
// Windows): every control a user reaches named without Alt marker, tab or trailing colon, the
// units in the fields' descriptions, and the drop-downs' values. The same interfaces are read
// by both bridges, so this runs in the Windows build as well; AccessibilityTest.py listens on
// the real AT-SPI bus.
#include "tests/ui/WindowFixture.h"
#include "ui/About.h"
#include "ui/Main.h"
#include "ui/Properties.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QStackedWidget>
#include <set>
#include <vector>

namespace {

void Walk(QAccessibleInterface* node, std::vector<QAccessibleInterface*>& found) {
    if (!node)
        return;
    found.push_back(node);
    for (int i = 0; i < node->childCount(); ++i)
        Walk(node->child(i), found);
}

const std::set<QAccessible::Role> Controls = {
    QAccessible::PushButton, QAccessible::RadioButton,  QAccessible::CheckBox,
    QAccessible::ComboBox,   QAccessible::EditableText, QAccessible::ToolBar,
    QAccessible::Graphic,    QAccessible::MenuItem,     QAccessible::Grouping,
    QAccessible::Dialog,     QAccessible::Window};

} // namespace

TEST_F(WindowTest, EveryControlIsNamedCleanlyAndTheDropDownsTellTheirValue) {
    StartWindows();
    Main->findChild<QStackedWidget*>("PageControl")->setCurrentIndex(0);
    Properties->show();
    About->show();
    for (QWidget* window : {static_cast<QWidget*>(Main), static_cast<QWidget*>(Properties),
                            static_cast<QWidget*>(About)}) {
        std::vector<QAccessibleInterface*> found;
        Walk(QAccessible::queryAccessibleInterface(window), found);
        for (QAccessibleInterface* node : found) {
            const QString name = node->text(QAccessible::Name);
            const QString what = (node->object() ? node->object()->objectName() : QString()) +
                                 QLatin1Char(' ') + name;
            if (Controls.count(node->role()) && !node->state().invisible) {
                EXPECT_FALSE(name.trimmed().isEmpty()) << what.toStdString();
            }
            EXPECT_FALSE(name.contains(QLatin1Char('&'))) << what.toStdString();
            EXPECT_FALSE(name.contains(QLatin1Char('\t'))) << what.toStdString();
            EXPECT_FALSE(name.trimmed().endsWith(QLatin1Char(':'))) << what.toStdString();
        }
    }
    About->hide();
    Properties->hide();

    const auto description = [this](const char* field) {
        return QAccessible::queryAccessibleInterface(Field(field))->text(QAccessible::Description);
    };
    EXPECT_TRUE(description("Q47DeadTime").endsWith(": 00:00:00..15:00:00 (hh:mm:ss)"));
    EXPECT_TRUE(description("Q47PrePurge").endsWith(": 1..240 s"));
    EXPECT_TRUE(description("Q47AccuOff").endsWith(": 0.6..15.6 V"));
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(Field("Q47PumpPulses"))->text(QAccessible::Name),
        "Pump Pulses");

    auto* box = Main->findChild<QComboBox*>("Q47VarMode");
    box->setCurrentIndex(2);
    QAccessibleInterface* combo = QAccessible::queryAccessibleInterface(box);
    EXPECT_EQ(combo->text(QAccessible::Value), "4 - 20mA");
    ASSERT_TRUE(combo->textInterface());
    EXPECT_EQ(combo->textInterface()->text(0, combo->textInterface()->characterCount()),
              "4 - 20mA");
#ifdef Q_OS_WIN
    // UI Automation reads the caption as the name and the item as the value.
    EXPECT_EQ(combo->text(QAccessible::Name), "Mode");
#else
    // AT-SPI: the item is the name, the caption the label it is labelled by.
    EXPECT_EQ(combo->text(QAccessible::Name), "4 - 20mA");
    const auto labels = combo->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front().first->text(QAccessible::Name), "Mode");
#endif
}
