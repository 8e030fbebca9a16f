// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <memory>

class TAboutBox;
class TMainForm;
class TMsgTemplate;
class TPropertiesDialog;
class TQtApplication;

// Qt ends a program it can give no display with an abort and a page about reinstalling it.
// While this object lives (around the making of the QApplication), such an end prints one line
// saying what the window program needs and exits with 1 instead; Qt's other messages of that
// time are held and passed on when the object goes.
class TDisplayGuard {
public:
    TDisplayGuard();
    ~TDisplayGuard();
    TDisplayGuard(const TDisplayGuard&) = delete;
    TDisplayGuard& operator=(const TDisplayGuard&) = delete;
};

// The program's four windows, made as the start-up makes them: in their order (the main window,
// the message texts, Properties, About), each known by its global while it lives, the dialogs
// standing over the main window, and so do the boxes of `application` when one is given. The
// start-up makes them once; a test makes them as often as it needs them.
class TProgramWindows {
public:
    // exePath as TMainForm takes it: empty for the running program.
    explicit TProgramWindows(const QString& exePath = QString(),
                             TQtApplication* application = nullptr);
    ~TProgramWindows();
    TProgramWindows(const TProgramWindows&) = delete;
    TProgramWindows& operator=(const TProgramWindows&) = delete;

    TMainForm& Main() const { return *MainWindow; }
    TPropertiesDialog& Properties() const { return *PropertiesWindow; }
    TAboutBox& About() const { return *AboutWindow; }

private:
    void Forget();

    std::unique_ptr<TMainForm> MainWindow;
    std::unique_ptr<TMsgTemplate> Messages;
    std::unique_ptr<TPropertiesDialog> PropertiesWindow;
    std::unique_ptr<TAboutBox> AboutWindow;
};

// The window program from start to end, inside the running QApplication: the application
// title, the translation, the four windows in their order, the main window shown and the
// event loop until it closes. `started` runs once from the event loop after the main window
// has been shown and has begun its first data set; an error it raises is shown as any
// handler's. Returns the main routine's exit code, 0.
int RunWindows(const std::function<void()>& started = {});
