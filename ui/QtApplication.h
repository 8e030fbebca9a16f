// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/framework/Application.h"

#include <QPointer>
#include <QWidget>

class QMessageBox;

// The application object of the window program: Qt message boxes, the busy cursor and the
// event loop of the running QApplication.
class TQtApplication : public TApplication {
public:
    TQtApplication();           // installs itself as Application
    ~TQtApplication() override; // restores the previous one

    int MessageBox(const QString& text, const QString& caption, int flags) override;
    void ShowException(const Exception& error) override;
    void ProcessMessages() override;
    void SetBusyCursor(bool busy) override;

    // The main window, once it is made: the boxes stand over it while it is shown.
    void SetMainWindow(QWidget* window) { MainWindow = window; }

private:
    QWidget* BoxOwner() const;
    void Run(QMessageBox& box);

    TApplication* Previous;
    bool Busy = false;
    QPointer<QWidget> MainWindow;
};
