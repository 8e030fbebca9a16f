// SPDX-License-Identifier: GPL-3.0-or-later
// The File and Help commands by menu, tool bar, shortcut and mnemonic, and the question whether
// to save changes, answered each way.
#include "tests/journeys/Journey.h"

#include "ui/Main.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolButton>

// Qt's warning for a shortcut that two actions hold: then neither runs.
namespace {
QStringList Warnings;
void Keep(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg)
        Warnings << text;
}
} // namespace

class CommandJourney : public Journey {
protected:
    CommandJourney() {
        Warnings.clear();
        Previous = qInstallMessageHandler(Keep);
    }
    ~CommandJourney() override {
        qInstallMessageHandler(Previous);
        for (const QString& warning : Warnings)
            EXPECT_FALSE(warning.contains(QLatin1String("Ambiguous shortcut")))
                << warning.toStdString();
    }
    QMenu* FileMenu() const { return Main().findChild<QMenu*>(QStringLiteral("MenuFile")); }
    QtMessageHandler Previous;
};

TEST_P(CommandJourney, MenusAndTheToolBarByClick) {
    Start();
    const QString file = Path(QStringLiteral("menu.brk"));
    person::TypeInto(Field("Q47PrePurge"), QStringLiteral("21"));
    AnswerFileDialog(file);
    ASSERT_TRUE(person::ClickMenu(Menus(), QStringLiteral("File"), QStringLiteral("Save As")));
    ASSERT_TRUE(person::WaitFor([&] { return Panel(1) == file; }));
    EXPECT_EQ(Show(file)["PrePurge"].toInt(), 21);

    // New by the tool bar: the defaults again, the file name gone.
    person::Click(Tool("ToolNew"));
    EXPECT_EQ(Field("Q47PrePurge")->text(), "10");
    EXPECT_EQ(Panel(1), "<noname>");
    ASSERT_TRUE(PageShown());
    AnswerFileDialog(file);
    ASSERT_TRUE(person::ClickMenu(Menus(), QStringLiteral("File"), QStringLiteral("Open")));
    ASSERT_TRUE(person::WaitFor([&] { return Field("Q47PrePurge")->text() == "21"; }));
    EXPECT_EQ(Panel(1), file);

    // The parameter sheet by File, Export as PDF, through its file dialog.
    const QString sheet = Path(QStringLiteral("menu.pdf"));
    AnswerFileDialog(sheet);
    ASSERT_TRUE(
        person::ClickMenu(Menus(), QStringLiteral("File"), QStringLiteral("Export as PDF...")));
    ASSERT_TRUE(person::WaitFor(
        [&] { return Panel(0) == "Sheet saved as PDF: " + QDir::toNativeSeparators(sheet); }));
    QFile pdf(sheet);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-") << "not a PDF";

    // About, its Licences with Brookfetch's own licence, Close, then OK.
    person::WhenModal([](QWidget* about) {
        EXPECT_EQ(about->windowTitle(), "About");
        person::WhenModal([](QWidget* licences) {
            EXPECT_EQ(licences->windowTitle(), "Licences");
            const auto* own =
                licences->findChild<QPlainTextEdit*>(QStringLiteral("ProgramLicence"));
            EXPECT_TRUE(own && own->toPlainText().contains("GNU GENERAL PUBLIC LICENSE"));
            EXPECT_TRUE(person::ClickButton(licences, QStringLiteral("Close")));
        });
        EXPECT_TRUE(person::ClickButton(about, QStringLiteral("Licences")));
        EXPECT_TRUE(person::ClickButton(about, QStringLiteral("OK")));
    });
    ASSERT_TRUE(person::ClickMenu(Menus(), QStringLiteral("Help"), QStringLiteral("About...")));
    EXPECT_EQ(Boxes(), QStringList());
    Exit();
}

TEST_P(CommandJourney, ShortcutsAndMnemonicsAlsoRightAfterAMenuClosedWithEscape) {
    Start();
    const QString file = Path(QStringLiteral("keys.brk"));
    // Alt+F opens the File menu, its letter chooses an item.
    person::Key(&Main(), Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(person::WaitFor([this] { return FileMenu()->isVisible(); }));
    // The menu shows each item's shortcut.
    EXPECT_EQ(Main().findChild<QAction*>("MenuFileOpen")->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_O));
    AnswerFileDialog(file);
    person::Key(FileMenu(), Qt::Key_A); // Save &As
    ASSERT_TRUE(person::WaitFor([&] { return Panel(1) == file; }));

    // A menu opened by a click and closed with one Escape leaves the menu bar the keyboard;
    // the shortcuts still work.
    const auto escaped = [this] {
        person::Click(Menus(), Menus()->actionGeometry(FileMenu()->menuAction()).center());
        ASSERT_TRUE(person::WaitFor([this] { return FileMenu()->isVisible(); }));
        person::Key(FileMenu(), Qt::Key_Escape);
        ASSERT_TRUE(person::WaitFor([this] { return !FileMenu()->isVisible(); }));
    };
    escaped();
    person::Key(&Main(), Qt::Key_N, Qt::ControlModifier);

    EXPECT_EQ(Panel(1), "<noname>") << "Ctrl+N after Escape";
    ASSERT_TRUE(PageShown());
    escaped();
    AnswerFileDialog(file);
    person::Key(&Main(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_TRUE(person::WaitFor([&] { return Panel(1) == file; })) << "Ctrl+O after Escape";
    person::TypeInto(Field("Q47Aeration"), QStringLiteral("44"));
    escaped();
    person::Key(&Main(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(person::WaitFor([this] { return !Modified(); })) << "Ctrl+S after Escape";
    EXPECT_EQ(Show(file)["Aeration"].toInt(), 44);

    // A field's letter takes the keyboard to it (Alt+C: Samples Count).
    person::Key(&Main(), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(Field("Q47SamplesCount")->hasFocus());
    EXPECT_EQ(Boxes(), QStringList());
    // Ctrl+Q ends the program on Linux; on Windows, where programs have no key for it, File,
    // Exit does.
#ifdef Q_OS_WIN
    ASSERT_TRUE(person::ClickMenu(Menus(), QStringLiteral("File"), QStringLiteral("Exit")));
#else
    person::Key(&Main(), Qt::Key_Q, Qt::ControlModifier);
#endif
    EXPECT_TRUE(person::WaitFor([this] { return !Main().isVisible(); }));
}

TEST_P(CommandJourney, TheSaveQuestionAnsweredYesNoAndCancel) {
    Start();
    const QString question =
        QStringLiteral("Confirmation: File modified, do You want to save it ?");
    const QString file = Path(QStringLiteral("asked.brk"));
    person::TypeInto(Field("Q47PrePurge"), QStringLiteral("31"));

    // Cancel: nothing happens.
    Answer(QStringLiteral("Cancel"));
    person::Key(&Main(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Boxes(), QStringList{question});
    EXPECT_EQ(Field("Q47PrePurge")->text(), "31");
    EXPECT_TRUE(Modified());

    // Yes: saved through the Save dialog, then the new data set.
    Answer(QStringLiteral("Yes"));
    AnswerFileDialog(file);
    person::Click(Tool("ToolNew"));
    EXPECT_EQ(Boxes(), QStringList{question});
    EXPECT_EQ(Show(file)["PrePurge"].toInt(), 31);
    EXPECT_EQ(Field("Q47PrePurge")->text(), "10");
    ASSERT_TRUE(PageShown());

    // No: the change is dropped, the file stays as it was.
    person::TypeInto(Field("Q47PrePurge"), QStringLiteral("32"));
    Answer(QStringLiteral("No"));
    person::Key(&Main(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Boxes(), QStringList{question});
    EXPECT_EQ(Field("Q47PrePurge")->text(), "10");
    EXPECT_FALSE(Modified());
    EXPECT_EQ(Show(file)["PrePurge"].toInt(), 31);
}

JOURNEY_STYLES(CommandJourney);
