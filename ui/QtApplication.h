#pragma once

#include "platform/framework/Application.h"

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

private:
    void Run(QMessageBox& box);

    TApplication* Previous;
    bool Busy = false;
};
