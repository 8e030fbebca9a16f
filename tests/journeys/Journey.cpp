// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/journeys/Journey.h"

#include "app/Workplace.h"
#include "ui/Main.h"
#include "ui/Msg.h"
#include "ui/ProgramTranslation.h"
#include "ui/QtApplication.h"
#include "ui/Startup.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QProcess>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QToolButton>

#ifndef Q_OS_WIN
#include "tests/support/SimulatorProcess.h"
#endif

namespace {

// The offscreen platform says, for each window, what it cannot do; nothing a journey needs.
QtMessageHandler PreviousHandler = nullptr;
void QuietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support")))
        return;
    PreviousHandler(type, context, text);
}

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "ui_journeys";
    static char* argv[] = {name, nullptr};
    static QApplication* application = nullptr;
    if (!application) {
        PreviousHandler = qInstallMessageHandler(QuietOffscreen);
        application = new QApplication(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        // Voltages typed with a decimal point.
        QLocale::setDefault(QLocale::c());
    }
}

// Where the build put the compiled translations and, on Windows, the command-line program
// (the test runs beside the simulated driver, where the programs are linked too).
QString BuildFolder(const char* path) {
#ifdef Q_OS_WIN
    return QStringLiteral("Z:") + QString::fromUtf8(path);
#else
    return QString::fromUtf8(path);
#endif
}

} // namespace

QStringList JourneyStyles() {
    // The platform's own style on Windows is the Vista one (a plugin beside the program);
    // elsewhere it is Fusion.
    QStringList styles{QStringLiteral("Fusion"), QStringLiteral("Windows")};
#ifdef Q_OS_WIN
    styles << QStringLiteral("windowsvista");
#endif
    return styles;
}

void Journey::SetUp() {
    QStyle* style = QStyleFactory::create(GetParam());
    ASSERT_NE(style, nullptr) << "no style " << GetParam().toStdString();
    QApplication::setStyle(style);
}

Journey::Journey() {
    EnsureApplication();
    EXPECT_TRUE(Temp.isValid());
    QDir(Temp.path()).mkpath(QStringLiteral("bin"));
    QDir(Temp.path()).mkpath(QStringLiteral("config"));
    QDir(Temp.path()).mkpath(QStringLiteral("files"));
    ExePath = Temp.filePath(QStringLiteral("bin/brookfetch"));
    // The translations beside the executable, where an installed program has them too.
    const QDir translations(BuildFolder(BROOKFETCH_TRANSLATIONS_DIR));
    for (const QString& file :
         translations.entryList({QStringLiteral("brookfetch.???")}, QDir::Files))
        QFile::copy(translations.filePath(file), Temp.filePath(QStringLiteral("bin/") + file));
    PreviousConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", Temp.filePath(QStringLiteral("config")).toLocal8Bit());
    PreviousDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", Temp.filePath(QStringLiteral("data")).toLocal8Bit());
    PreviousPorts = qgetenv("BROOKFETCH_PORTS");
#ifndef Q_OS_WIN
    // No adapter until one is plugged in; a simulator someone runs beside stays out.
    QDir(Temp.path()).mkpath(QStringLiteral("ports"));
    qputenv("BROOKFETCH_PORTS", Temp.filePath(QStringLiteral("ports")).toLocal8Bit());
#endif
    person::TakeBoxes();
    person::TakeUnexpected();
}

Journey::~Journey() {
    DestroyWindows();
    EXPECT_EQ(person::PendingAnswers(), 0) << "a window the journey waited for never came";
    EXPECT_EQ(person::TakeUnexpected(), QStringList()) << "windows nobody expected";
    person::ForgetAnswers();
#ifndef Q_OS_WIN
    Simulator.reset();
#endif
    qputenv("XDG_CONFIG_HOME", PreviousConfigHome);
    qputenv("XDG_DATA_HOME", PreviousDataHome);
    qputenv("BROOKFETCH_PORTS", PreviousPorts);
}

void Journey::Start() {
    Application = std::make_unique<TQtApplication>();
    ::Application->Title = QStringLiteral("Brookfetch");
    Translation = std::make_unique<TProgramTranslation>();
    Translation->Install(ExePath);
    Windows = std::make_unique<TProgramWindows>(ExePath, Application.get());
    Main().show();
    Main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Main()));
    ASSERT_TRUE(PageShown());
}

bool Journey::PageShown() {
    auto* pages = Main().findChild<QStackedWidget*>(QStringLiteral("PageControl"));
    if (!person::WaitFor(
            [pages] { return pages->currentWidget()->objectName() == QLatin1String("Q47Tab"); }))
        return false;
    // Shown, the page puts the keyboard on its first field, from an event of its own.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return person::WaitFor([this, pages] {
        return Main().focusWidget() && pages->currentWidget()->isAncestorOf(Main().focusWidget());
    });
}

TMainForm& Journey::Main() const {
    return Windows->Main();
}

void Journey::Exit() {
    ASSERT_TRUE(Windows);
    ASSERT_TRUE(person::ClickMenu(Menus(),
                                  Main().findChild<QMenu*>("MenuFile")->title().remove('&'),
                                  Main().findChild<QAction*>("MenuFileExit")->text().remove('&')));
    EXPECT_TRUE(person::WaitFor([this] { return !Main().isVisible(); }));
    DestroyWindows();
}

void Journey::DestroyWindows() {
    Windows.reset();
    Translation.reset();
    Application.reset();
}

void Journey::PlugAdapter() {
#ifndef Q_OS_WIN
    Simulator = std::make_unique<testsupport::SimulatorProcess>(
        Temp.filePath(QStringLiteral("ports")), Temp.filePath(QStringLiteral("connector.mem")),
        QStringList{});
    ASSERT_TRUE(Simulator->Ready) << Simulator->Errors.toStdString();
#endif
    // On Windows the simulated driver beside the test is the adapter, its memory in the file
    // that BROOKFETCH_SIM names for the test and brookfetch-cli alike.
}

bool Journey::ConnectorFound() {
    const QString found = MessageText(QStringLiteral("MsgConnectorOk"));
    return person::WaitFor([this, found] { return Panel(3) == found; }, 10000);
}

QWidget* Journey::Widget(const char* name) const {
    auto* widget = Main().findChild<QWidget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

QLineEdit* Journey::Field(const char* name) const {
    return qobject_cast<QLineEdit*>(Widget(name));
}

QComboBox* Journey::VarMode() const {
    return qobject_cast<QComboBox*>(Widget("Q47VarMode"));
}

QRadioButton* Journey::Mode(bool continuous) const {
    return qobject_cast<QRadioButton*>(Widget(continuous ? "Q47ModeContinuous" : "Q47ModeSamples"));
}

QMenuBar* Journey::Menus() const {
    return Main().menuBar();
}

QToolButton* Journey::Tool(const char* name) const {
    return qobject_cast<QToolButton*>(Widget(name));
}

QString Journey::Panel(int panel) const {
    // What the panel shows (a confirmation for a while, the result after).
    auto* label = Main().findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(panel));
    return label ? label->text() : QString();
}

bool Journey::Modified() const {
    return Workplace && Workplace->Modified;
}

QString Journey::Path(const QString& name) const {
    return QDir::toNativeSeparators(Temp.filePath(QStringLiteral("files/") + name));
}

QString Journey::SettingsText() const {
    QFile file(Temp.filePath(QStringLiteral("bin/brookfetch.INI")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

int Journey::Cli(const QStringList& arguments, QString* output) {
    QProcess cli;
#ifdef Q_OS_WIN
    cli.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/brookfetch-cli.exe"));
#else
    cli.setProgram(QStringLiteral(BROOKFETCH_CLI_PROGRAM));
#endif
    cli.setArguments(arguments);
    cli.start();
    if (!cli.waitForFinished(60000)) {
        cli.kill();
        cli.waitForFinished();
        return -1;
    }
    if (output)
        *output = QString::fromUtf8(cli.readAllStandardOutput() + cli.readAllStandardError());
    return cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
}

QJsonObject Journey::Show(const QString& file) {
    QString said;
    if (Cli({QStringLiteral("show"), QStringLiteral("--json"), file}, &said) != 0) {
        ADD_FAILURE() << "brookfetch-cli show " << file.toStdString() << ": " << said.toStdString();
        return {};
    }
    return QJsonDocument::fromJson(said.toUtf8()).object();
}

int Journey::Verify(const QString& file, QString* said) {
    return Cli({QStringLiteral("verify"), QStringLiteral("--quiet"), file}, said);
}

void Journey::Answer(const QString& button) {
    person::WhenModal([button](QWidget* box) {
        EXPECT_TRUE(person::ClickButton(box, button))
            << "no button " << button.toStdString() << " in " << box->windowTitle().toStdString();
    });
}

void Journey::AnswerFileDialog(const QString& path) {
    person::WhenModal([path](QWidget* dialog) {
        EXPECT_NE(qobject_cast<QFileDialog*>(dialog), nullptr) << "not a file dialog";
        // The name field has the keyboard when the dialog comes up.
        QWidget* field = QApplication::focusWidget();
        ASSERT_NE(field, nullptr);
        person::Key(field, Qt::Key_A, Qt::ControlModifier);
        person::Type(field, path);
        // The name completion's list may open over the dialog while typing, or a moment later
        // as the folder's files come in, and take the Enter: then the person presses it again.
        for (int tries = 0; tries < 3 && dialog->isVisible(); ++tries) {
            if (QWidget* popup = QApplication::activePopupWidget())
                person::Key(popup, Qt::Key_Escape);
            person::Key(field, Qt::Key_Return);
            person::WaitFor([dialog] { return !dialog->isVisible(); }, 2000);
        }
    });
}

QStringList Journey::Boxes() {
    QStringList boxes;
    for (const person::TBox& box : person::TakeBoxes())
        boxes << box.Caption + QStringLiteral(": ") + box.Text;
    return boxes;
}
