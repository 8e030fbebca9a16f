// SPDX-License-Identifier: GPL-3.0-or-later
// Read and Write through the tool bar and the Data menu, with the confirmation question, against
// a simulated adapter; the connector checked afterwards by brookfetch-cli verify.
#include "tests/journeys/Journey.h"

#include "ui/Main.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>

class ConnectorJourney : public Journey {};

TEST_P(ConnectorJourney, WrittenByTheToolBarReadByTheMenuAndVerified) {
    PlugAdapter();
    Start();
    ASSERT_TRUE(ConnectorFound());
    ASSERT_TRUE(Tool("ToolDataWrite")->isEnabled());
    person::TypeInto(Field("Q47PrePurge"), QStringLiteral("33"));
    person::TypeInto(Field("Q47SamplesCount"), QStringLiteral("12"));
    ASSERT_TRUE(person::Choose(VarMode(), QStringLiteral("4 - 20mA"), person::TChoice::Click));
    const QString file = Path(QStringLiteral("written.brk"));
    AnswerFileDialog(file);
    person::Key(&Main(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(person::WaitFor([&] { return Panel(1) == file; }));

    // Cancel writes nothing; OK writes and verifies.
    Answer(QStringLiteral("Cancel"));
    person::Click(Tool("ToolDataWrite"));
    Answer(QStringLiteral("OK"));
    person::Click(Tool("ToolDataWrite"));
    EXPECT_TRUE(person::WaitFor([this] { return Panel(0) == "Connector written and verified"; }));
    // The question says what the write changes on the connector, read right before it.
    const QStringList boxes = Boxes();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[0], boxes[1]);
    const QString asked =
        QStringLiteral("Confirmation: Do You really want to write data into Connector ?\n\n");
#ifdef Q_OS_WIN
    // The simulated driver's connector keeps its memory from earlier runs: it may hold these
    // parameters already.
    EXPECT_TRUE(boxes[0] == asked + "The connector holds exactly these parameters already." ||
                (boxes[0].startsWith(asked + "The connector holds other parameters.") &&
                 boxes[0].contains(QStringLiteral(" \u2192 12"))))
        << boxes[0].toStdString();
#else
    EXPECT_EQ(boxes[0], asked + QStringLiteral("The connector holds other parameters. The write "
                                               "changes:\nBefore Sampling: 10 s \u2192 33 s\n"
                                               "Samples Count: 8 \u2192 12\n"
                                               "VAR System Mode: Disabled \u2192 4 - 20mA"));
#endif

    // Read by the Data menu: the page shows the connector, which holds what was written.
    person::Click(Tool("ToolNew"));
    ASSERT_EQ(Field("Q47PrePurge")->text(), "10");
    ASSERT_TRUE(PageShown());
    ASSERT_TRUE(ConnectorFound());
    ASSERT_TRUE(person::ClickMenu(Menus(), QStringLiteral("Data"), QStringLiteral("Read")));
    EXPECT_TRUE(person::WaitFor([this] { return Panel(0) == "Connector read"; }));
    EXPECT_EQ(Field("Q47PrePurge")->text(), "33");
    EXPECT_EQ(VarMode()->currentText(), "4 - 20mA");
    EXPECT_EQ(Field("Q47SamplesCount")->text(), "12");
    EXPECT_EQ(Boxes(), QStringList());
    // Written again as it is: the question says that nothing changes.
    Answer(QStringLiteral("Cancel"));
    person::Click(Tool("ToolDataWrite"));
    EXPECT_EQ(Boxes(), QStringList{QStringLiteral(
                           "Confirmation: Do You really want to write data into Connector ?\n\n"
                           "The connector holds exactly these parameters already.")});

    // The history holds the read and the write, the newest first; the write, found by its file,
    // gives its parameters back to the page as a new set.
    person::Click(Tool("ToolNew"));
    person::WhenModal([&file](QWidget* dialog) {
        const auto* table = dialog->findChild<QTableView*>(QStringLiteral("HistoryTable"));
        ASSERT_NE(table, nullptr);
        const QAbstractItemModel* entries = table->model();
        ASSERT_GE(entries->rowCount(), 2);
        EXPECT_EQ(entries->index(0, 1).data().toString(), "Read");
        EXPECT_EQ(entries->index(1, 1).data().toString(), "Write");
        person::TypeInto(dialog->findChild<QLineEdit*>(QStringLiteral("HistorySearch")),
                         QDir::toNativeSeparators(file));
        EXPECT_TRUE(person::WaitFor([entries] { return entries->rowCount() == 1; }));
        EXPECT_EQ(entries->index(0, 1).data().toString(), "Write");
        EXPECT_TRUE(person::ClickButton(dialog, QStringLiteral("Open these parameters")));
    });
    ASSERT_TRUE(person::ClickMenu(Menus(), QStringLiteral("Data"), QStringLiteral("History...")));
    EXPECT_TRUE(person::WaitFor([this] { return Field("Q47SamplesCount")->text() == "12"; }));
    EXPECT_EQ(Panel(1), "<noname>");
    Answer(QStringLiteral("No"));
    Exit();

    QString said;
    EXPECT_EQ(Verify(file, &said), 0) << said.toStdString();
}

JOURNEY_STYLES(ConnectorJourney);
