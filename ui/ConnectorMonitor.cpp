// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ConnectorMonitor.h"

#include "adapter/AdapterVersion.h"
#include "adapter/TarnAdapter.h"
#include "app/AdapterWords.h"
#include "app/ConnectorSession.h"
#include "app/Workplace.h"
#include "platform/framework/Application.h"
#include "platform/framework/Convert.h"
#include "platform/framework/Exceptions.h"
#include "ui/Msg.h"
#include "ui/ParameterPage.h"
#include "ui/StatusBar.h"

#include <QAction>
#include <QScopedValueRollback>
#include <QTimer>
#include <exception>

TConnectorMonitor::TConnectorMonitor(TStatusBar& status, TParameterPage& page, QAction& read,
                                     QAction& write, QObject* parent)
    : QObject(parent), Timer(new QTimer(this)), Status(status), Page(page), Read(read),
      Write(write) {
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(1000);
    connect(Timer, &QTimer::timeout, this, [this] { TimerTick(); });
}

// The timer's handler as the event loop runs it. An internal failure ends the tick with the
// error box; while that box is open the timer keeps running (the box has its own event loop)
// but its ticks do nothing, so a faulty adapter does not pile up one box per second.
void TConnectorMonitor::TimerTick() {
    // A tick can also come from the event loop of an error box shown while the windows are
    // still being built (a settings file that cannot be written); until the message texts
    // exist it has nothing to show and would only raise a second box.
    if (TickErrorOpen || !MsgTemplate)
        return;
    try {
        TimerTimer();
    } catch (const Exception& error) {
        const QScopedValueRollback<bool> open(TickErrorOpen, true);
        Application->ShowException(error);
    } catch (const std::exception& error) {
        // As every other handler: shown, not carried across the event loop.
        const QScopedValueRollback<bool> open(TickErrorOpen, true);
        Application->ShowException(Exception(QString::fromLocal8Bit(error.what())));
    }
}

void TConnectorMonitor::SetTimerInterval(int milliseconds) {
    if (Timer->interval() != milliseconds)
        Timer->setInterval(milliseconds);
}

void TConnectorMonitor::TimerTimer() {
    // The logo page shown at start-up and after New gives way to the parameters.
    Page.Show();
    TTarnDevice& adapter = *Workplace->Adapter;
    TConnectorSession& session = *Workplace->Connector;
    if (LinkState == 0) {
        SetTimerInterval(1000);
        if (const TAdapterOpen found = session.FindAdapter(); !found.Ok()) {
            LinkState = 0;
            Status.SetText(2, MessageText(QStringLiteral("MsgNoAdapter")));
            Status.SetToolTip(2,
                              AdapterProblemWords(found, TAdapterReader::Window, {}, &MessageText));
            Status.SetText(3, QString());
            Read.setEnabled(false);
            Write.setEnabled(false);
            return;
        }
        Status.SetText(2, EscapeControlCharacters(adapter.Description) + ' ' +
                              AdapterVersionText(adapter.Version) + '\n');
        Status.SetToolTip(2, QString());
        LinkState = 1;
    }
    if (LinkState == 1) {
        const TConnectorAnswer answer = session.Ask();
        if (!answer.Answered) {
            // The panels and commands change at the next tick, when the version query fails.
            SetTimerInterval(1000);
            LinkState = 0;
            return;
        }
        // A garbled answer shows as no connector until the next tick asks again.
        if (answer.Presence == TPresence::Present && answer.SmallMemory) {
            Status.SetText(3, MessageText(QStringLiteral("MsgConnectorOk")));
            SetTimerInterval(5000);
            Read.setEnabled(true);
            Write.setEnabled(true);
        } else {
            // A connector pulled after it was found leaves Read and Write as they were; one of
            // another kind is there, and is named as such (Read and Write refuse it).
            const bool large = answer.Presence == TPresence::Present && !answer.SmallMemory;
            Status.SetText(3, MessageText(large ? QStringLiteral("MsgConnectorLargeStatus")
                                                : QStringLiteral("MsgConnectorErr")));
        }
    }
}
