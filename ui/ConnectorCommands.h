// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/process/Process.h"

class QAction;
class QProgressBar;
class QTimer;
class QString;
class TCommandHost;
class TParameterPage;
class TQ47;
class TStatusBar;
enum class TTransferFailure;

// The main window's Read and Write commands and its busy state around each connector transfer:
// window disabled, status timer stopped, hourglass, progress bar driven by the adapter.
class TConnectorCommands {
public:
    // read and write are the window's Data actions, whose hints are announced as each begins;
    // timer is the status timer, which waits while a transfer runs; the page words what a
    // write would change.
    TConnectorCommands(TCommandHost& host, TStatusBar& status, TParameterPage& page, QAction& read,
                       QAction& write, QProgressBar& progress, QTimer& timer);

    // Data, Read after the save question: the page shows what was read, else a new data set.
    // The keyboard focus goes to the first field of the page in every outcome.
    void Read();
    // Data, Write of the page's values after the user's confirmation, whose question says what
    // the connector holds now and what the write changes; a refused field keeps the focus, else
    // it goes back where it was.
    void Write();

    void Begin();
    void End();
    void Progress(int percent);

    // One transfer: the window is busy (Begin to End) from construction to destruction,
    // whichever way the transfer ends. A signal that would end the program waits until the
    // transfer is over, so that no connector is left half written; the program then quits.
    class TScope {
    public:
        explicit TScope(TConnectorCommands& commands);
        ~TScope();
        TScope(const TScope&) = delete;
        TScope& operator=(const TScope&) = delete;

    private:
        process::TStopHold StopRequests;
        TConnectorCommands& Commands;
    };

    // The exit code of a stop request (a hang-up, quit, interrupt or terminate signal) that
    // came during the last transfer, or 0. The program then ends without further questions or
    // boxes.
    static int StopCode();

private:
    QString HeldWords(TTransferFailure failure, const TQ47& held) const;
    void Record(const QString& operation, bool ok, const QString& failure);

    TCommandHost& Host;
    TStatusBar& Status;
    TParameterPage& Page;
    bool HistoryProblemTold = false;
    QAction& ReadAction;
    QAction& WriteAction;
    QProgressBar& ProgressBar;
    QTimer& Timer;
};
