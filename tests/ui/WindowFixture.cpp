// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/WindowFixture.h"

#include "app/Workplace.h"
#include "model/Q47.h"
#include "platform/framework/NativePath.h"
#include "ui/About.h"
#include "ui/Accessibility.h"
#include "ui/FileDialogs.h"
#include "ui/Main.h"
#include "ui/Properties.h"
#include "ui/Startup.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QTimer>

void EnsureQtApplication() {
    static int argc = 1;
    static char name[] = "ui_windows";
    static char* argv[] = {name, nullptr};
    static QApplication* application = nullptr;
    if (!application) {
        application = new QApplication(argc, argv);
        // As the main routine does.
        accessibility::Install();
        // Voltages are written with a decimal point in these tests.
        QLocale::setDefault(QLocale::c());
        // Closing a test window must not end the event loops of the tests that follow.
        QApplication::setQuitOnLastWindowClosed(false);
    }
}

WindowTest::WindowTest() {
    EnsureQtApplication();
    EXPECT_TRUE(Temp.isValid());
    QDir(Temp.path()).mkpath(QStringLiteral("bin"));
    QDir(Temp.path()).mkpath(QStringLiteral("config"));
    ExePath = Temp.filePath(QStringLiteral("bin/brookfetch"));
    PreviousConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", Temp.filePath(QStringLiteral("config")).toLocal8Bit());
    // The programming history of the transfers a test makes stays in its folder too.
    PreviousDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", Temp.filePath(QStringLiteral("data")).toLocal8Bit());
}

WindowTest::~WindowTest() {
    DestroyWindows();
    qputenv("XDG_CONFIG_HOME", PreviousConfigHome);
    qputenv("XDG_DATA_HOME", PreviousDataHome);
}

void WindowTest::StartWindows(bool show) {
    Windows = std::make_unique<TProgramWindows>(ExePath);
    Main = &Windows->Main();
    Properties = &Windows->Properties();
    About = &Windows->About();
    Main->Dialogs().RunFileDialog = [this](QFileDialog& dialog) {
        DialogRuns.push_back({dialog.windowTitle(), dialog.selectedFiles().value(0),
                              dialog.directory().absolutePath(), dialog.nameFilters(),
                              dialog.defaultSuffix(),
                              !dialog.testOption(QFileDialog::DontConfirmOverwrite)});
        if (ChosenFiles.empty())
            return QString();
        const QString path = ChosenFiles.front();
        ChosenFiles.pop_front();
        return path;
    };
    if (show)
        Main->show();
}

void WindowTest::DestroyWindows() {
    Main = nullptr;
    Properties = nullptr;
    About = nullptr;
    Windows.reset();
}

QString WindowTest::SettingsPath() const {
    return Temp.filePath(QStringLiteral("bin/brookfetch.INI"));
}

void WindowTest::WriteSettings(const QByteArray& text) const {
    QFile file(SettingsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray WindowTest::ReadSettings() const {
    QFile file(SettingsPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList WindowTest::SettingsLines() const {
    QStringList lines;
    for (const QByteArray& line : ReadSettings().split('\n')) {
        const QString text = QString::fromUtf8(line).trimmed();
        if (!text.isEmpty())
            lines << text;
    }
    return lines;
}

QLineEdit* WindowTest::Field(const char* name) const {
    auto* field = Main->findChild<QLineEdit*>(QString::fromLatin1(name));
    EXPECT_NE(field, nullptr) << name;
    return field;
}

QAction* WindowTest::Action(const char* name) const {
    auto* action = Main->findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
}

void WindowTest::Type(const char* field, const QString& text) const {
    Field(field)->setText(text);
}

QString WindowTest::MakeConfiguration(const QString& name, int prePurge) const {
    TQ47 model;
    model.SetPrePurge(prePurge);
    const QString path = Temp.filePath(name);
    EXPECT_TRUE(model.SaveToFile(NativePath(path)));
    return path;
}

void WindowTest::OpenConfiguration(const QString& path) {
    ChosenFiles.push_back(path);
    Main->FileOpenExecute();
}

void WindowTest::AnswerPropertiesDialog(int item, bool ok) {
    QTimer::singleShot(0, Properties, [this, item, ok] {
        if (!Properties->isVisible())
            return;
        ++PropertiesShown;
        auto* list = Properties->findChild<QComboBox*>(QStringLiteral("PropertiesLanguage"));
        PropertiesPreselected = list->currentIndex() >= 0 ? list->currentData().toInt() : -1;
        if (item != -2)
            list->setCurrentIndex(list->findData(item));
        if (ok)
            Properties->accept();
        else
            Properties->reject();
    });
}
