// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and closing of the main window: the settings file, placement, the first data set.
#include "tests/ui/WindowFixture.h"

#include "app/Workplace.h"
#include "platform/registry/Locations.h"
#include "ui/About.h"
#include "ui/ConnectorMonitor.h"
#include "ui/Licences.h"
#include "ui/Main.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>

namespace {

// A left click in the middle of a widget, as the mouse gives it.
void Click(QWidget* widget) {
    const QPointF at = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

const QStringList FreshSettings = {"[Properties]",   "Version=256", "[MainForm]",
                                   "MainTop=0",      "MainLeft=0",  "MainWidth=800",
                                   "MainHeight=600", "MainState=0", "LanguageId=0"};

} // namespace

TEST_F(WindowTest, FirstStartWritesTheSettingsFileBeforeTheWindowIsShown) {
    StartWindows(false);
    EXPECT_FALSE(Main->isVisible());
    EXPECT_EQ(SettingsLines(), FreshSettings);
    EXPECT_FALSE(Main->isMaximized());
    EXPECT_EQ(Main->pos(), QPoint(0, 0));
    EXPECT_EQ(Main->size(), QSize(800, 600));
    // The connector commands wait for a connector; the status timer is not running yet.
    for (const char* name : {"DataRead", "DataWrite", "MenuDataRead", "MenuDataWrite1"})
        EXPECT_FALSE(Action(name)->isEnabled()) << name;
    EXPECT_FALSE(Main->findChild<QToolButton*>("ToolDataRead")->isEnabled());
    EXPECT_FALSE(Main->findChild<QToolButton*>("ToolDataWrite")->isEnabled());
    EXPECT_TRUE(Action("FileNew")->isEnabled());
    EXPECT_EQ(Main->Timer->interval(), 1000);
    EXPECT_EQ(Main->Monitor().LinkState, 0);
}

TEST_F(WindowTest, FirstShowStartsANewDataSetOnTheLogoPage) {
    StartWindows();
    EXPECT_EQ(Main->StatusText(0), "OK");
    EXPECT_EQ(Main->StatusText(1), "<noname>");
    EXPECT_EQ(Main->StatusText(2), "");
    EXPECT_EQ(Main->StatusText(3), "");
    ASSERT_NE(Workplace, nullptr);
    ASSERT_NE(Workplace->Model, nullptr);
    EXPECT_FALSE(Workplace->Modified);
    EXPECT_TRUE(Workplace->FileName.isEmpty());
    auto* pages = Main->findChild<QStackedWidget*>("PageControl");
    EXPECT_TRUE(pages->isVisible());
    EXPECT_EQ(pages->currentWidget()->objectName(), "EmptyTab");
    EXPECT_EQ(Field("Q47PrePurge")->text(), "10");
    EXPECT_EQ(Field("Q47SamplingInterval")->text(), "00:15:00");
    EXPECT_TRUE(App.Boxes.empty());
    EXPECT_TRUE(App.ErrorBoxes.empty());
}

TEST_F(WindowTest, SettingsOfAnotherVersionAreReplacedWhole) {
    for (const QByteArray& version : {QByteArray("255"), QByteArray("257"), QByteArray("abc")}) {
        WriteSettings("[Properties]\nVersion=" + version +
                      "\n[MainForm]\nMainTop=40\nMainWidth=640\n[Other]\nKey=1\n");
        StartWindows(false);
        EXPECT_EQ(SettingsLines(), FreshSettings) << version.constData();
        EXPECT_EQ(Main->size(), QSize(800, 600));
        DestroyWindows();
    }
}

TEST_F(WindowTest, SettingsOfThisVersionPlaceTheWindowAndKeepForeignLines) {
    WriteSettings("; kept\n[Properties]\nVersion=256\nOwnKey=x\n[MainForm]\nMainTop=30\n"
                  "MainLeft=20\nMainWidth=500\nMainHeight=400\nMainState=0\nLanguageId=5\n"
                  "[Extra]\nA=1\n");
    StartWindows();
    EXPECT_EQ(Main->pos(), QPoint(20, 30));
    EXPECT_EQ(Main->size(), QSize(500, 400));
    EXPECT_EQ(Workplace->LanguageId, 5);
    Main->move(60, 70);
    Main->resize(640, 480);
    EXPECT_TRUE(Main->close());
    const QStringList lines = SettingsLines();
    EXPECT_TRUE(lines.contains("; kept"));
    EXPECT_TRUE(lines.contains("OwnKey=x"));
    EXPECT_TRUE(lines.contains("[Extra]"));
    EXPECT_TRUE(lines.contains("A=1"));
    for (const char* line : {"MainTop=70", "MainLeft=60", "MainWidth=640", "MainHeight=480",
                             "MainState=0", "LanguageId=5"})
        EXPECT_TRUE(lines.contains(line)) << line;
}

TEST_F(WindowTest, MaximizedStateIsReadAsAnyNonZeroValueAndWrittenAsOne) {
    WriteSettings("[Properties]\nVersion=256\n[MainForm]\nMainTop=0\nMainLeft=0\n"
                  "MainWidth=700\nMainHeight=500\nMainState=5\nLanguageId=0\n");
    StartWindows(false);
    EXPECT_TRUE(Main->windowState() & Qt::WindowMaximized);
    Main->show();
    EXPECT_TRUE(Main->isMaximized());
    EXPECT_TRUE(Main->close());
    EXPECT_TRUE(SettingsLines().contains("MainState=1"));
}

// As Windows' window placement: the state, and the place and size to go back to.
TEST_F(WindowTest, AMaximizedWindowStoresItsNormalBoundsAndGoesBackToThemNextTime) {
    StartWindows();
    Main->move(60, 70);
    Main->resize(640, 480);
    QApplication::processEvents();
    Main->showMaximized();
    QApplication::processEvents();
    ASSERT_NE(Main->size(), QSize(640, 480));
    EXPECT_TRUE(Main->close());
    const QStringList lines = SettingsLines();
    for (const char* line :
         {"MainState=1", "MainTop=70", "MainLeft=60", "MainWidth=640", "MainHeight=480"})
        EXPECT_TRUE(lines.contains(line)) << line;
    DestroyWindows();
    StartWindows();
    EXPECT_TRUE(Main->isMaximized());
    Main->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(Main->size(), QSize(640, 480));
}

TEST_F(WindowTest, SettingsFileThatCannotBeWrittenDoesNotKeepTheWindowOpen) {
    StartWindows();
    // The folder of the settings file is gone: nothing can be written there, not even by root.
    ASSERT_TRUE(QDir(Temp.filePath("bin")).removeRecursively());
    EXPECT_TRUE(Main->close());
    EXPECT_FALSE(Main->isVisible());
    ASSERT_EQ(App.ErrorBoxes.size(), 1u);
    EXPECT_EQ(App.ErrorBoxes[0],
              "Unable to write to " + QDir::toNativeSeparators(SettingsPath()) + ".");
}

TEST_F(WindowTest, ClosingWithChangesAsksAndCancelKeepsTheWindowAndTheSettings) {
    StartWindows();
    const QByteArray before = ReadSettings();
    Main->move(33, 44);
    Type("Q47PrePurge", "20");
    ASSERT_TRUE(Workplace->Modified);

    App.Answer(IDCANCEL);
    EXPECT_FALSE(Main->close());
    EXPECT_TRUE(Main->isVisible());
    ASSERT_EQ(App.Boxes.size(), 1u);
    EXPECT_EQ(App.Boxes[0].Text, "File modified, do You want to save it ?");
    EXPECT_EQ(App.Boxes[0].Caption, "Confirmation");
    EXPECT_EQ(App.Boxes[0].Flags, MB_YESNOCANCEL);
    EXPECT_EQ(ReadSettings(), before);
    EXPECT_TRUE(Workplace->Modified);

    App.Answer(IDNO);
    EXPECT_TRUE(Main->close());
    EXPECT_TRUE(SettingsLines().contains("MainTop=44"));
}

TEST_F(WindowTest, ExitClosesTheWindowLikeTheCloseBox) {
    StartWindows();
    Action("FileExit")->trigger();
    EXPECT_FALSE(Main->isVisible());
    EXPECT_EQ(SettingsLines().size(), FreshSettings.size());
}

TEST_F(WindowTest, ActionsCarryTheirCaptionsHintsAndShortcuts) {
    StartWindows(false);
    struct Expected {
        const char* Action;
        const char* MenuItem;
        const char* Caption;
        const char* Hint;
        const char* Shortcut;
        bool Icon;
    };
    const Expected table[] = {
        {"FileNew", "MenuFileNew", "&New", "New session", "Ctrl+N", true},
        {"FileOpen", "MenuFileOpen", "&Open", "Open File", "Ctrl+O", false},
        {"FileSave", "MenuFileSave", "&Save", "Save File", "Ctrl+S", false},
        {"FileSaveAs", "MenuFileSaveAs", "Save &As", "Save File with new name", "", false},
        {"FilePrint", "MenuFilePrint", "&Print...", "Print the parameter sheet", "Ctrl+P", false},
        {"FileExportPdf", "MenuFileExportPdf", "&Export as PDF...",
         "Save the parameter sheet as a PDF file", "", false},
        {"FileProperties", "MenuFileProperties", "P&roperties...", "Program Properties", "", true},
#ifdef Q_OS_WIN
        {"FileExit", "MenuFileExit", "E&xit", "Exit Program", "", false},
#else
        {"FileExit", "MenuFileExit", "E&xit", "Exit Program", "Ctrl+Q", false},
#endif
        {"HelpAbout", "MenuHelpAbout", "&About...", "Informations about program", "", false},
        {"DataRead", "MenuDataRead", "&Read", "Read data from adapter", "", true},
        {"DataWrite", "MenuDataWrite1", "&Write", "Write data to adapter", "", true},
    };
    for (const Expected& e : table) {
        QAction* action = Action(e.Action);
        EXPECT_EQ(action->text(), e.Caption) << e.Action;
        EXPECT_EQ(action->toolTip(), e.Hint) << e.Action;
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(e.Shortcut))) << e.Action;
        EXPECT_EQ(!action->icon().isNull(), e.Icon) << e.Action;
        QAction* item = Action(e.MenuItem);
        EXPECT_TRUE(item->text().startsWith(e.Caption)) << e.MenuItem;
        EXPECT_EQ(item->isEnabled(), action->isEnabled()) << e.MenuItem;
    }
    // The Data menu's hint is its title's, not a tool tip over the items of its popup.
    const auto* data = Main->findChild<QMenu*>(QStringLiteral("MenuData"));
    EXPECT_EQ(data->menuAction()->toolTip(), "Read data from adapter");
    EXPECT_TRUE(data->toolTip().isEmpty());
    EXPECT_FALSE(Main->windowIcon().isNull());
}

TEST_F(WindowTest, MenuItemsRunTheirActions) {
    StartWindows();
    Type("Q47PrePurge", "20");
    App.Answer(IDNO);
    Action("MenuFileNew")->trigger();
    EXPECT_EQ(App.Boxes.size(), 1u);
    EXPECT_EQ(Field("Q47PrePurge")->text(), "10");
    Action("MenuFileOpen")->trigger();
    ASSERT_EQ(DialogRuns.size(), 1u);
    EXPECT_EQ(DialogRuns[0].Title, "Open File");
    Action("MenuFileExit")->trigger();
    EXPECT_FALSE(Main->isVisible());
}

TEST_F(WindowTest, AboutShowsProductVersionAndTheDecodedLogo) {
    StartWindows();
    QString product, version;
    QSize logo;
    QTimer::singleShot(0, About, [&] {
        if (!About->isVisible())
            return;
        product = About->findChild<QLabel*>("ProductName")->text();
        version = About->findChild<QLabel*>("Version")->text();
        logo = About->findChild<QLabel*>("Logo")->pixmap().size();
        About->findChild<QAbstractButton*>("OKButton")->click();
    });
    Action("HelpAbout")->trigger();
    EXPECT_EQ(product, "Brookfetch - Configuration Connector programmer");
    EXPECT_EQ(version, "Version 4.00");
    EXPECT_FALSE(logo.isEmpty());
    EXPECT_FALSE(About->isVisible());
    EXPECT_FALSE(Main->findChild<QLabel*>("Logo")->pixmap().isNull());
}

// The system's libraries as the package database has them: installed packages only, each
// licence once, the file with the full texts named.
TEST(Licences, TheSystemsLibrariesAreNamedWithVersionAndLicences) {
    QTemporaryDir root;
    const auto put = [&root](const QString& name, const QByteArray& text) {
        QDir().mkpath(QFileInfo(root.filePath(name)).path());
        QFile file(root.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    put("status", "Package: libc6\nStatus: install ok installed\nVersion: 2.36-9\n\n"
                  "Package: libqt6core6\nStatus: deinstall ok config-files\nVersion: 6.0\n\n"
                  "Package: libjpeg62-turbo\nStatus: install ok installed\nVersion: 1:2.1.5-2\n");
    put("doc/libc6/copyright", "Files: *\nLicense: LGPL-2.1+\n\nFiles: x\nLicense: GPL-2+\n"
                               "\nLicense: LGPL-2.1+\n text\n");
    EXPECT_EQ(TLicencesBox::SystemLibraries(root.filePath("status"), root.filePath("doc")),
              "libjpeg62-turbo 1:2.1.5-2 \u2013 " + root.filePath("doc") +
                  "/libjpeg62-turbo/copyright\nlibc6 2.36-9 \u2013 LGPL-2.1+, GPL-2+ \u2013 " +
                  root.filePath("doc") + "/libc6/copyright");
    EXPECT_TRUE(
        TLicencesBox::SystemLibraries(root.filePath("none"), root.filePath("doc")).isEmpty());
}

// Help, About, Licences: Brookfetch's own licence and the notices that lie beside the program's
// data (a Windows package's), or, without them, where the system keeps its libraries' licences.
TEST_F(WindowTest, AboutOpensTheLicencesOfTheProgramAndOfTheLibraries) {
    const QString notices = SharedDataFolder(ExePath) + "/THIRD-PARTY-NOTICES.txt";
    ASSERT_TRUE(QDir().mkpath(QFileInfo(notices).path()));
    for (const bool withNotices : {true, false}) {
        if (withNotices) {
            QFile file(notices);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("Qt6Core.dll\r\n    Qt Core 6.4.2 (LGPL-3.0-only)\r\n");
        } else {
            QFile::remove(notices);
        }
        StartWindows();
        QString program, libraries, title;
        bool licencesClosed = false;
        QTimer::singleShot(0, About, [&] {
            QTimer::singleShot(0, About, [&] {
                auto* licences = About->findChild<TLicencesBox*>();
                if (!licences || !licences->isVisible())
                    return;
                title = licences->windowTitle();
                program = licences->findChild<QPlainTextEdit*>("ProgramLicence")->toPlainText();
                libraries = licences->findChild<QPlainTextEdit*>("LibraryNotices")->toPlainText();
                Click(licences->findChild<QAbstractButton*>("CloseButton"));
                licencesClosed = !licences->isVisible();
            });
            if (About->isVisible())
                Click(About->findChild<QAbstractButton*>("LicencesButton"));
            Click(About->findChild<QAbstractButton*>("OKButton"));
        });
        Action("HelpAbout")->trigger();
        EXPECT_EQ(title, "Licences");
        EXPECT_TRUE(program.trimmed().startsWith("GNU GENERAL PUBLIC LICENSE"))
            << program.left(200).toStdString();
        EXPECT_TRUE(program.contains("TERMS AND CONDITIONS"));
        if (withNotices)
            EXPECT_EQ(libraries, "Qt6Core.dll\n    Qt Core 6.4.2 (LGPL-3.0-only)\n");
        else
            EXPECT_TRUE(libraries.contains(QFile::exists("/var/lib/dpkg/status")
                                               ? "libqt6core6 6."
                                               : "/usr/share/doc/<package>/copyright"))
                << libraries.toStdString();
        EXPECT_TRUE(licencesClosed);
        EXPECT_FALSE(About->isVisible());
        DestroyWindows();
    }
}
