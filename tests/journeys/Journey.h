// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/journeys/Person.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class QComboBox;
class QLineEdit;
class QMenuBar;
class QRadioButton;
class QToolButton;
class QWidget;
class TMainForm;
class TProgramTranslation;
class TProgramWindows;
class TQtApplication;

#ifndef _WIN32
namespace testsupport {
class SimulatorProcess;
}
#endif

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A person's task at the program's windows, made as the program's start-up makes them (its
// translation, Qt's own message boxes and file dialogs) over an executable of the test's own
// (settings beside it, language stored for it), in one of the styles the program runs with. The
// person drives them through person::; a task is checked by what it leaves behind: the files
// through brookfetch-cli, the connector, the settings, the boxes that were shown.
class Journey : public ::testing::TestWithParam<QString> {
protected:
    Journey();
    ~Journey() override;
    void SetUp() override; // the style

    // Starts the program's windows and waits until the parameter page is in front.
    void Start();
    // Waits for the parameter page to come in front of the logo (after New, at the status
    // check's next tick), as a person waits to see the fields.
    bool PageShown();
    // Ends the program by File, Exit, as a person does, and forgets its windows.
    void Exit();
    // Forgets the windows without closing them.
    void DestroyWindows();

    // With an adapter (before Start): a simulated adapter with its connector, whose memory the
    // program and brookfetch-cli share.
    void PlugAdapter();
    // Waits for the status bar's connector panel to say so.
    bool ConnectorFound();

    TMainForm& Main() const;
#ifndef _WIN32
    // The simulated adapter PlugAdapter started, for its commands (plug, unplug, large...).
    testsupport::SimulatorProcess& AdapterProcess() const {
        return *Simulator;
    }
#endif
    QWidget* Widget(const char* name) const;
    QLineEdit* Field(const char* name) const;
    QComboBox* VarMode() const;
    QRadioButton* Mode(bool continuous) const;
    QMenuBar* Menus() const;
    QToolButton* Tool(const char* name) const;
    QString Panel(int panel) const; // as the status bar shows it
    bool Modified() const;

    QString Path(const QString& name) const;
    QString SettingsText() const;

    // What brookfetch-cli show --json says of a file (empty when it could not read it).
    QJsonObject Show(const QString& file);
    // brookfetch-cli verify FILE against the connector: its exit code; its words in `said`.
    int Verify(const QString& file, QString* said = nullptr);

    // Answers the next message box with the button of that text.
    static void Answer(const QString& button);
    // Answers the next file dialog by typing `path` into its name field and pressing Enter.
    static void AnswerFileDialog(const QString& path);

    // The boxes shown since the last call, as "caption: text".
    QStringList Boxes();

    QTemporaryDir Temp;
    QString ExePath;

private:
    int Cli(const QStringList& arguments, QString* output);

    std::unique_ptr<TQtApplication> Application;
    std::unique_ptr<TProgramTranslation> Translation;
    std::unique_ptr<TProgramWindows> Windows;
#ifndef _WIN32
    std::unique_ptr<testsupport::SimulatorProcess> Simulator; // Windows: the simulated driver
#endif
    QByteArray PreviousConfigHome;
    QByteArray PreviousDataHome;
    QByteArray PreviousPorts;
};

// The styles the program runs with: Fusion, Windows and the platform's own where it differs.
QStringList JourneyStyles();

#define JOURNEY_STYLES(suite)                                                                      \
    INSTANTIATE_TEST_SUITE_P(Styles, suite, ::testing::ValuesIn(JourneyStyles().toVector()),       \
                             [](const auto& info) { return info.param.toStdString(); })
