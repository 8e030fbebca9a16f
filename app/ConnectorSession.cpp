// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ConnectorSession.h"

#include "Library/Serial/USB/UsbUart.h"

#include <algorithm>
#include <iterator>

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

TTransferResult TConnectorSession::Run(bool againOnDifference, const TTransferHooks& hooks,
                                       const std::function<TAttempt()>& once) {
    TTransferResult result;
    bool differedBefore = false;
    for (int attempt = 0;; ++attempt) {
        if (hooks.Begin)
            hooks.Begin();
        TAttempt outcome = TAttempt::LineFailed;
        {
            // Ended on every way out, an internal failure of the link included.
            struct TEnd {
                const std::function<void()>& End;
                ~TEnd() {
                    if (End)
                        End();
                }
            } const end{hooks.End};
            outcome = once();
        }
        if (outcome == TAttempt::Done)
            return result;
        // A pulled connector reads as 0xFF from there on, which is neither a line failure to
        // try again nor a difference to write again for.
        switch (WhatWentAway()) {
        case TLoss::Adapter:
            result.Failure = TTransferFailure::AdapterGone;
            return result;
        case TLoss::Connector:
            result.Failure = TTransferFailure::ConnectorPulled;
            return result;
        case TLoss::None:
            break;
        }
        const bool mayRetry = attempt < Retries;
        const TTransferFailure met =
            outcome == TAttempt::Differs ? TTransferFailure::Differs : TTransferFailure::Line;
        if (outcome == TAttempt::Differs) {
            if (!againOnDifference || differedBefore || !mayRetry) {
                result.Failure = met;
                return result;
            }
            differedBefore = true;
        } else if (!mayRetry) {
            result.Failure = met;
            return result;
        }
        ++result.Restarts;
        if (hooks.Again)
            hooks.Again(met, result.Restarts, Retries);
    }
}

TTransferResult TConnectorSession::Read(TQ47& model, const TTransferHooks& hooks) {
    model.Device = &Link;
    TTransferResult result = Run(false, hooks, [&model] {
        return model.ReadConnector() ? TAttempt::Done : TAttempt::LineFailed;
    });
    // Every read gave the same bytes: the connector holds them. Every byte alike is an erased
    // memory, not parameters a write cut short left.
    if (result.Failure == TTransferFailure::Line && model.Left == TQ47::TConnectorLeft::BadChecksum)
        result.Failure = std::all_of(std::begin(model.Image), std::end(model.Image),
                                     [&model](std::uint8_t byte) { return byte == model.Image[0]; })
                             ? TTransferFailure::Blank
                             : TTransferFailure::BadChecksum;
    return result;
}

TTransferResult TConnectorSession::Write(TQ47& model, const TTransferHooks& hooks) {
    model.Device = &Link;
    TQ47::TConnectorLeft left = TQ47::TConnectorLeft::Unchanged;
    TTransferResult result = Run(true, hooks, [&model, &left] {
        bool differs = false;
        if (model.WriteImageToConnector(differs))
            return TAttempt::Done;
        if (model.Left == TQ47::TConnectorLeft::Mixed ||
            model.Left == TQ47::TConnectorLeft::Unverified)
            left = model.Left;
        // A difference has been read twice alike: no damaged reply.
        return differs ? TAttempt::Differs : TAttempt::LineFailed;
    });
    if (!result.Ok() && result.Failure != TTransferFailure::Differs &&
        left != TQ47::TConnectorLeft::Unchanged)
        model.Left = left;
    return result;
}

TTransferResult TConnectorSession::Compare(const std::uint8_t* expected, std::uint8_t* connector,
                                           const TTransferHooks& hooks) {
    return Run(false, hooks, [this, expected, connector] {
        // A block differs only when two of its reads agree: a reply damaged on the way is a
        // line failure to try again, not a connector to replace.
        switch (Link.CompareMemory(0, expected, connector, TQ47::ImageSize)) {
        case TTarnDevice::TComparison::Same:
            return TAttempt::Done;
        case TTarnDevice::TComparison::Differs:
            return TAttempt::Differs;
        case TTarnDevice::TComparison::Failed:
            break;
        }
        return TAttempt::LineFailed;
    });
}
