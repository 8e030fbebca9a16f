#pragma once

#include "platform/process/Process.h"

class QProgressBar;
class QTimer;
class QWidget;
class TMainForm;

// The busy state of the main window around one connector transfer: window disabled, status
// timer stopped, hourglass, progress bar driven by the adapter.
class TConnectorTransfer {
public:
    TConnectorTransfer(QWidget& window, QProgressBar& progress, QTimer& timer);

    void Begin();
    void End();
    void Progress(int percent);

    // One transfer: the window is busy (its BeginTransfer to its EndTransfer) from construction
    // to destruction, whichever way the transfer ends. A signal that would end the program
    // waits until the transfer is over, so that no connector is left half written; the program
    // then quits.
    class TScope {
    public:
        explicit TScope(TMainForm& form);
        ~TScope();
        TScope(const TScope&) = delete;
        TScope& operator=(const TScope&) = delete;

    private:
        process::TStopHold StopRequests;
        TMainForm& Form;
    };

    // The exit code of a stop request (a hang-up, quit, interrupt or terminate signal) that
    // came during the last transfer, or 0. The program then ends without further questions or
    // boxes.
    static int StopCode();

private:
    QWidget& Window;
    QProgressBar& ProgressBar;
    QTimer& Timer;
};
