// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/ScriptedApplication.h"

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

// Texts in failure messages as text, not as the bytes of QChars.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

#ifdef BROOKFETCH_TRANSLATIONS_DIR
#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

// While it lives, windows built speak German, the build's translation, with the German locale's
// decimal comma.
class GermanScope {
public:
    GermanScope() : Previous(QLocale()) {
        Loaded = Translator.load(QStringLiteral(BROOKFETCH_TRANSLATIONS_DIR "/brookfetch.deu"));
        QCoreApplication::installTranslator(&Translator);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    ~GermanScope() {
        QCoreApplication::removeTranslator(&Translator);
        QLocale::setDefault(Previous);
    }
    GermanScope(const GermanScope&) = delete;
    GermanScope& operator=(const GermanScope&) = delete;
    bool Loaded = false;

private:
    QTranslator Translator;
    QLocale Previous;
};
#endif

class QAction;
class QFileDialog;
class QLineEdit;
class TAboutBox;
class TMainForm;
class TProgramWindows;
class TPropertiesDialog;

// Makes the one QApplication of the test program on first use.
void EnsureQtApplication();

// A file dialog as the window left it when it was about to run.
struct FileDialogRun {
    QString Title;
    QString ProposedFile; // the first selected file, as the dialog would offer it
    QString Folder;
    QStringList Filters;
    QString DefaultSuffix;
    bool ConfirmsOverwrite;
};

// The four windows of the program, built as the main routine builds them, over an executable
// path and a per-user configuration folder of the test's own. Message boxes are scripted;
// file dialogs take their answers from ChosenFiles (an empty text or no entry = Cancel).
class WindowTest : public ::testing::Test {
protected:
    WindowTest();
    ~WindowTest() override;

    // Builds the windows (the main window loads the settings as it is created) and shows the
    // main window unless told not to.
    void StartWindows(bool show = true);
    // Destroys the windows without closing them.
    void DestroyWindows();

    QString SettingsPath() const;
    void WriteSettings(const QByteArray& text) const;
    QByteArray ReadSettings() const;
    // The non-empty lines of the settings file, line ends removed.
    QStringList SettingsLines() const;

    QLineEdit* Field(const char* name) const;
    QAction* Action(const char* name) const;
    // Types into a field as the user would: the text changes and so the data are modified.
    void Type(const char* field, const QString& text) const;

    // Writes a configuration file with default parameters, `prePurge` changed.
    QString MakeConfiguration(const QString& name, int prePurge) const;
    // Runs Open on `path` (nothing modified, so nothing asked).
    void OpenConfiguration(const QString& path);
    // Runs the properties dialog from inside its modal loop: records the LanguageId of the
    // preselected item (-1: none), selects the item of LanguageId `item` (unless it is -2) and
    // closes with OK or Cancel.
    void AnswerPropertiesDialog(int item, bool ok);

    QTemporaryDir Temp;
    QString ExePath;
    TScriptedApplication App;
    std::deque<QString> ChosenFiles;
    std::vector<FileDialogRun> DialogRuns;
    int PropertiesShown = 0;
    int PropertiesPreselected = -2;

    std::unique_ptr<TProgramWindows> Windows;
    // Its windows while they are there.
    TMainForm* Main = nullptr;
    TPropertiesDialog* Properties = nullptr;
    TAboutBox* About = nullptr;

private:
    QByteArray PreviousConfigHome;
    QByteArray PreviousDataHome;
};
