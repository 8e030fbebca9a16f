#include "ui/ConnectorTransfer.h"

#include "adapter/TarnAdapter.h"
#include "app/Workplace.h"
#include "platform/framework/Application.h"
#include "ui/Main.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QTimer>

namespace {

int LastStopCode = 0;

} // namespace

TConnectorTransfer::TConnectorTransfer(QWidget& window, QProgressBar& progress, QTimer& timer)
    : Window(window), ProgressBar(progress), Timer(timer) {}

void TConnectorTransfer::Progress(int percent) {
    ProgressBar.setValue(percent);
}

void TConnectorTransfer::Begin() {
    ProgressBar.setValue(0);
    ProgressBar.show();
    ProgressBar.repaint();
    Timer.stop();
    Window.setEnabled(false);
    // The window repaints in its busy state before the transfer blocks the thread.
    Application->ProcessMessages();
    Application->SetBusyCursor(true);
    Workplace->Adapter->OnProgress = [this](int percent) { Progress(percent); };
}

void TConnectorTransfer::End() {
    ProgressBar.setValue(0);
    ProgressBar.hide();
    Workplace->Adapter->OnProgress = nullptr;
    Window.setEnabled(true);
    Timer.start();
    Application->SetBusyCursor(false);
}

int TConnectorTransfer::StopCode() {
    return LastStopCode;
}

TConnectorTransfer::TScope::TScope(TMainForm& form) : Form(form) {
    LastStopCode = 0;
    try {
        Form.BeginTransfer();
    } catch (...) {
        Form.EndTransfer();
        throw;
    }
}

TConnectorTransfer::TScope::~TScope() {
    Form.EndTransfer();
    if (const int code = StopRequests.Release(); code != 0) {
        LastStopCode = code;
        QCoreApplication::exit(code);
    }
}
