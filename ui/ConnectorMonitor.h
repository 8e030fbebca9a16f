// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAction;
class QTimer;
class TParameterPage;
class TStatusBar;

// Watches the adapter and the connector on the status timer: the adapter and connector
// panels, and Read and Write enabled while a small-memory connector was found.
class TConnectorMonitor : public QObject {
    Q_OBJECT

public:
    TConnectorMonitor(TStatusBar& status, TParameterPage& page, QAction& read, QAction& write,
                      QObject* parent);

    // One tick: 0 looks for the adapter, 1 watches the connector.
    void TimerTimer();
    // Setting the interval restarts the count, so only a change is made.
    void SetTimerInterval(int milliseconds);

    // The status timer (1000 ms while looking for the adapter or a connector, 5000 ms once a
    // connector is found) and its link state: 0 look for the adapter, 1 watch the connector.
    QTimer* const Timer;
    int LinkState = 0;

private:
    void TimerTick();

    TStatusBar& Status;
    TParameterPage& Page;
    QAction& Read;
    QAction& Write;
    // True while the error box of a failed tick is open: the ticks in between do nothing.
    bool TickErrorOpen = false;
};
