// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ConnectorCommands.h"

#include "adapter/TarnAdapter.h"
#include "app/AdapterWords.h"
#include "app/ConnectorSession.h"
#include "app/Workplace.h"
#include "model/Q47.h"
#include "platform/framework/Application.h"
#include "ui/Accessibility.h"
#include "ui/CommandHost.h"
#include "ui/Msg.h"
#include "ui/PageCheck.h"
#include "ui/ParameterPage.h"
#include "ui/StatusBar.h"

#include <QAction>
#include <QCoreApplication>
#include <QProgressBar>
#include <QStringList>
#include <QTimer>

namespace {

int LastStopCode = 0;

// Why the last transfer failed and, after a write, what it left on the connector: the
// paragraphs under the communication error.
QString FailureWords() {
    QStringList paragraphs;
    for (const QString& words : {TransferFailureWords(Workplace->TransferFailure, &MessageText),
                                 ConnectorLeftWords(Workplace->Model->Left, &MessageText)})
        if (!words.isEmpty())
            paragraphs << words;
    return paragraphs.join(QStringLiteral("\n\n"));
}

// A connector that may not be read or written: the box says why; nothing changed. A connector of
// another kind is no communication error that another try would mend: its words stand alone.
void Refuse(TCommandHost& host, TConnectorRefusal refusal) {
    if (refusal == TConnectorRefusal::LargeMemory) {
        host.ShowError(QStringLiteral("MsgConnectorLarge"));
        return;
    }
    host.ShowError(QStringLiteral("MsgCommError"),
                   ConnectorRefusalWords(refusal, TAdapterReader::Window, false, &MessageText));
}

} // namespace

TConnectorCommands::TConnectorCommands(TCommandHost& host, TStatusBar& status, TParameterPage& page,
                                       QAction& read, QAction& write, QProgressBar& progress,
                                       QTimer& timer)
    : Host(host), Status(status), Page(page), ReadAction(read), WriteAction(write),
      ProgressBar(progress), Timer(timer) {}

// The keyboard focus goes to the first field of the page in every outcome (ModelToPage) but a
// refusal, which changes nothing.
void TConnectorCommands::Read() {
    // Answering No drops nothing yet: a connector that may not be read leaves the data as they
    // were, still modified; a read replaces them.
    if (!Host.QuerySave(false))
        return;
    accessibility::Announce(&Host.Window(), ReadAction.toolTip());
    TConnectorRefusal refusal = TConnectorRefusal::None;
    bool began = false;
    bool read = false;
    try {
        const TScope transfer(*this);
        // Asked right before the transfer: nothing but a sampler's connector is ever read.
        refusal = Workplace->ConnectorRefusal();
        if (refusal == TConnectorRefusal::None) {
            began = true;
            read = Workplace->ReadConnector();
        }
    } catch (...) {
        if (StopCode() != 0)
            return;
        // A read that had begun a new data set: the page shows it, as after a failed read, so
        // that page, file name and workplace agree when the error box has been closed.
        if (began) {
            Status.SetText(1, MessageText(QStringLiteral("MsgNoname")));
            Host.ModelToPage();
        }
        throw;
    }
    if (StopCode() != 0)
        return;
    if (refusal != TConnectorRefusal::None) {
        Refuse(Host, refusal);
        return;
    }
    const QString failure = read ? QString() : FailureWords();
    Record(QStringLiteral("read"), read, failure);
    Host.ShowStatus(failure);
    if (read) {
        Host.ModelToPage();
        Status.ShowConfirmation(MessageText(QStringLiteral("MsgConnectorRead")));
        return;
    }
    // Nothing of a failed read remains: a new data set with the defaults, which are no
    // connector's, so panel 0 goes on saying that the read failed.
    Host.FileNewExecute();
    Status.SetText(0, MessageText(QStringLiteral("MsgError")));
}

// The write question's second paragraph: what the connector holds now against the page.
QString TConnectorCommands::HeldWords(TTransferFailure failure, const TQ47& held) const {
    switch (failure) {
    case TTransferFailure::None:
        break;
    case TTransferFailure::Blank:
    case TTransferFailure::BadChecksum:
        return MessageText(QStringLiteral("MsgWriteNoSet"));
    default:
        return MessageText(QStringLiteral("MsgWriteUnread")) + QStringLiteral("\n") +
               TransferFailureWords(failure, &MessageText);
    }
    const QStringList changes = Page.ChangeLines(held, *Workplace->Model);
    if (changes.isEmpty())
        return MessageText(QStringLiteral("MsgWriteSame"));
    return MessageText(QStringLiteral("MsgWriteChanges")) + QStringLiteral("\n") +
           changes.join(QLatin1Char('\n'));
}

void TConnectorCommands::Write() {
    const TPageCheck page(Host);
    if (!page.Taken())
        return;
    TConnectorRefusal refusal = TConnectorRefusal::None;
    // The connector is read first, so that the question can say what the write will change.
    TQ47 held;
    held.Device = Workplace->Adapter.get();
    TTransferFailure heldFailure = TTransferFailure::None;
    {
        const TScope transfer(*this);
        refusal = Workplace->ConnectorRefusal();
        if (refusal == TConnectorRefusal::None)
            heldFailure = Workplace->Connector->Read(held).Failure;
    }
    if (StopCode() != 0)
        return;
    if (refusal != TConnectorRefusal::None) {
        Refuse(Host, refusal);
        return;
    }
    if (Application->MessageBox(MessageText(QStringLiteral("MsgReallyWriteQ")) +
                                    QStringLiteral("\n\n") + HeldWords(heldFailure, held),
                                MessageText(QStringLiteral("MsgConfirmation")),
                                MB_OKCANCEL) != IDOK)
        return;
    bool written = false;
    accessibility::Announce(&Host.Window(), WriteAction.toolTip());
    {
        // The outcome is in the model's LastError, which ShowStatus reports. The connector is
        // asked for right before: parameters written into any other would destroy what it holds.
        const TScope transfer(*this);
        refusal = Workplace->ConnectorRefusal();
        if (refusal == TConnectorRefusal::None)
            written = Workplace->WriteConnector();
    }
    if (StopCode() != 0)
        return;
    if (refusal != TConnectorRefusal::None) {
        Refuse(Host, refusal);
        return;
    }
    const QString failure = written ? QString() : FailureWords();
    Record(QStringLiteral("write"), written, failure);
    Host.ShowStatus(failure);
    if (written)
        Status.ShowConfirmation(MessageText(QStringLiteral("MsgConnectorWritten")));
}

// The history keeps every transfer that reached the connector. One that cannot be kept holds
// nothing up: the user is told once a session, the transfer stands.
void TConnectorCommands::Record(const QString& operation, bool ok, const QString& failure) {
    const QString problem = Workplace->RecordTransfer(operation, ok, failure);
    if (problem.isEmpty() || HistoryProblemTold)
        return;
    HistoryProblemTold = true;
    Application->MessageBox(MessageText(QStringLiteral("MsgHistoryNotKept")) +
                                QStringLiteral("\n\n") + problem,
                            MessageText(QStringLiteral("MsgWarning")), MB_OK);
}

void TConnectorCommands::Progress(int percent) {
    ProgressBar.setValue(percent);
}

void TConnectorCommands::Begin() {
    ProgressBar.setValue(0);
    ProgressBar.show();
    ProgressBar.repaint();
    Timer.stop();
    Host.Window().setEnabled(false);
    // The window repaints in its busy state before the transfer blocks the thread.
    Application->ProcessMessages();
    Application->SetBusyCursor(true);
    Workplace->Adapter->OnProgress = [this](int percent) { Progress(percent); };
}

void TConnectorCommands::End() {
    ProgressBar.setValue(0);
    ProgressBar.hide();
    Workplace->Adapter->OnProgress = nullptr;
    Host.Window().setEnabled(true);
    Timer.start();
    Application->SetBusyCursor(false);
}

int TConnectorCommands::StopCode() {
    return LastStopCode;
}

TConnectorCommands::TScope::TScope(TConnectorCommands& commands) : Commands(commands) {
    LastStopCode = 0;
    try {
        Commands.Begin();
    } catch (...) {
        Commands.End();
        throw;
    }
}

TConnectorCommands::TScope::~TScope() {
    Commands.End();
    if (const int code = StopRequests.Release(); code != 0) {
        LastStopCode = code;
        QCoreApplication::exit(code);
    }
}
