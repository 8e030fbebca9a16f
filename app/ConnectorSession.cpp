#include "app/ConnectorSession.h"

#include "Library/Serial/USB/UsbUart.h"

TConnectorSession::TConnectorSession(TTarnDevice& device) : Link(device) {}

TAdapterOpen TConnectorSession::FindAdapter() {
    // Opened here first, so that an adapter that cannot be opened is looked for once and its
    // reason kept, not five times inside the version query.
    TAdapterOpen found = Link.Open();
    if (!found.Ok())
        return found;
    const QString serial = Link.Uart ? Link.Uart->SerialNumber : QString();
    if (Link.ReadVersion())
        return found;
    // A send that failed took the link down: the adapter may be gone, or refused anew.
    if (!Link.Uart) {
        found = Link.Open();
        if (!found.Ok())
            return found;
    }
    found.Problem = TAdapterOpen::TProblem::Silent;
    found.SerialNumber = serial;
    return found;
}

TConnectorAnswer TConnectorSession::Ask() {
    TConnectorAnswer answer;
    answer.Answered = Link.CheckConnector(answer.Presence);
    answer.SmallMemory = Link.SmallMemory;
    return answer;
}

TConnectorVerdict TConnectorSession::Observe(const TConnectorAnswer& answer) {
    if (!answer.Answered) {
        Restart();
        return TConnectorVerdict::NoAnswer;
    }
    if (answer.Presence == TPresence::Garbled) {
        Restart();
        return TConnectorVerdict::Undecided;
    }
    // A connector of the other kind is another answer: a damaged kind reply must not pass.
    const bool same = Count > 0 && answer.Presence == Last &&
                      (answer.Presence == TPresence::Absent || answer.SmallMemory == LastSmall);
    Count = same ? Count + 1 : 1;
    Last = answer.Presence;
    LastSmall = answer.SmallMemory;
    if (Count < InARow)
        return TConnectorVerdict::Undecided;
    return Last == TPresence::Present ? TConnectorVerdict::Present : TConnectorVerdict::Absent;
}

void TConnectorSession::Restart() {
    Count = 0;
}

TConnectorVerdict TConnectorSession::Confirm() {
    Restart();
    for (int ask = 0; ask < MaxAsks; ++ask) {
        const TConnectorVerdict verdict = Observe(Ask());
        if (verdict != TConnectorVerdict::Undecided)
            return verdict;
    }
    return TConnectorVerdict::Undecided;
}

TConnectorSession::TLoss TConnectorSession::WhatWentAway() {
    if (!FindAdapter().Ok())
        return TLoss::Adapter;
    // An adapter that answers its version but not the connector query is no proof of a
    // pulled connector: the transfer is worth another try.
    return Confirm() == TConnectorVerdict::Absent ? TLoss::Connector : TLoss::None;
}

TConnectorRefusal TConnectorSession::Refusal() {
    switch (Confirm()) {
    case TConnectorVerdict::Present:
        return Link.SmallMemory ? TConnectorRefusal::None : TConnectorRefusal::LargeMemory;
    case TConnectorVerdict::Absent:
        return TConnectorRefusal::Absent;
    case TConnectorVerdict::NoAnswer:
        return TConnectorRefusal::NoAnswer;
    case TConnectorVerdict::Undecided:
        break;
    }
    return TConnectorRefusal::Undecided;
}
