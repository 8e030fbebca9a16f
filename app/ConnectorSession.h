// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "adapter/TarnAdapter.h"
#include "model/Q47.h"

#include <cstdint>
#include <functional>

// What the adapter said about its connector in one query.
struct TConnectorAnswer {
    bool Answered = false; // false: the adapter did not answer at all
    TPresence Presence = TPresence::Absent;
    bool SmallMemory = true; // the kind of the connector, when Present
};

// What the confirmation rule has made of the answers so far.
enum class TConnectorVerdict {
    Undecided, // not yet the same answer enough times in a row
    Present,   // a connector, of the kind the last answers gave
    Absent,    // no connector
    NoAnswer,  // the adapter did not answer
};

// Whether a connector may be read or written, by the one rule of both programs; why not when it
// may not. A large-memory connector is no sampler's configuration connector: 128 bytes of
// parameters written into it would destroy what it holds.
enum class TConnectorRefusal {
    None,        // a small-memory connector, confirmed: it may be read and written
    NoAnswer,    // the adapter is not there, or does not answer
    Undecided,   // its answers never agreed (a noisy line, a connector not pushed home)
    Absent,      // no connector
    LargeMemory, // a connector with a large memory
};

// What a transfer that failed met, told after it by the same rule: what went away, else what
// the connector held.
enum class TTransferFailure {
    None,
    AdapterGone,     // the adapter stopped answering
    ConnectorPulled, // the adapter says no connector is there any more
    Line,            // both are still there: answers damaged or missing on the way
    Differs,         // a write read back other bytes than were written, two reads alike
    Blank,           // a read found the connector's memory erased: it holds no parameters
    BadChecksum,     // a read found parameters whose checksum is wrong, two reads alike
};

// How a connector transfer ended, by the session's rule.
struct TTransferResult {
    TTransferFailure Failure = TTransferFailure::None; // None: done
    int Restarts = 0;                                  // times it was started again
    bool Ok() const { return Failure == TTransferFailure::None; }
};

// What a program is told while the session runs a transfer for it.
struct TTransferHooks {
    // Before and after each attempt, whichever way it ends (the command line's progress bar
    // runs over each attempt).
    std::function<void()> Begin;
    std::function<void()> End;
    // Before an attempt that starts the transfer again: what the last one met (Line, or
    // Differs for a write that read back other bytes), this restart's number, and of how many.
    std::function<void(TTransferFailure met, int restart, int retries)> Again;
};

// How both programs reach a connector through the one adapter device: finding the adapter
// (and why it cannot be found), asking for the connector, the one rule by which a connector
// counts as present, absent or pulled, and how often a failed transfer is started again.
//
//     TConnectorSession session(device);
//     if (const TAdapterOpen found = session.FindAdapter(); !found.Ok())
//         ... found.Problem says why ...
//     if (session.Confirm() == TConnectorVerdict::Present) ... transfer ...
class TConnectorSession {
public:
    // A connector counts as present or absent when the adapter gives the same answer this
    // many times in a row. A garbled answer, or none, starts the count again: on a noisy line
    // a "present" damaged into another byte reads as "no connector" once, not three times.
    static constexpr int InARow = 3;
    // Confirm gives up after this many answers that never came InARow times.
    static constexpr int MaxAsks = 5 * InARow;
    static constexpr int DefaultRetries = 2;

    explicit TConnectorSession(TTarnDevice& device); // not owned
    TConnectorSession(const TConnectorSession&) = delete;
    TConnectorSession& operator=(const TConnectorSession&) = delete;

    TTarnDevice& Device() const { return Link; }

    // Brings the link up when it is down and asks the adapter's version (Version then holds
    // it). Ok() when the adapter answered; otherwise why not, Silent for an adapter that is
    // open but does not answer.
    TAdapterOpen FindAdapter();

    // Asks once, as the window's status timer does; a garbled reply is told as such.
    TConnectorAnswer Ask();
    // The confirmation rule over answers taken one by one (a program that polls feeds each
    // one in): Present or Absent once InARow equal answers came in a row, NoAnswer for an
    // answer that did not come, else Undecided.
    TConnectorVerdict Observe(const TConnectorAnswer& answer);
    void Restart(); // forgets the answers observed so far
    // Asks back to back until the rule decides, at most MaxAsks times; NoAnswer as soon as the
    // adapter does not answer.
    TConnectorVerdict Confirm();

    // After a failed transfer: what went away, by the same rule. A connector is pulled only
    // when the adapter confirms that none is there.
    enum class TLoss { None, Adapter, Connector };
    TLoss WhatWentAway();

    // The rule for a connector that is to be read or written, once the adapter was found:
    // confirmed present (Confirm) and of the small kind.
    TConnectorRefusal Refusal();

    // Whole-transfer attempts after the first when a transfer fails on the link; one that
    // fails because the connector or the adapter went away is not tried again.
    int Retries = DefaultRetries;

    // The connector transfers of both programs, by the one retry rule: a transfer that failed
    // on the line starts again from the beginning, up to Retries more times; one whose adapter
    // or connector went away (WhatWentAway) is not tried again; a write that read back other
    // bytes than it wrote is written once more, then given up. A failure says what the transfer
    // met: what went away, else what the connector holds (Differs; for a read whose every read
    // agreed, Blank or BadChecksum), else the line.
    //
    // Reads the connector into `model` (TQ47::ReadConnector).
    TTransferResult Read(TQ47& model, const TTransferHooks& hooks = {});
    // Writes the model's image as it stands and reads it back (TQ47::WriteImageToConnector).
    // After a failure model.Left says what the attempts left on the connector: a mix or an
    // unchecked write that one of them left stays, since an attempt that wrote nothing does
    // not mend it.
    TTransferResult Write(TQ47& model, const TTransferHooks& hooks = {});
    // Compares the connector's image with `expected`: Differs, with the connector's bytes in
    // `connector`, once two reads agree on other bytes. A difference is not tried again.
    TTransferResult Compare(const std::uint8_t* expected, std::uint8_t* connector,
                            const TTransferHooks& hooks = {});

private:
    enum class TAttempt { Done, LineFailed, Differs };
    TTransferResult Run(bool againOnDifference, const TTransferHooks& hooks,
                        const std::function<TAttempt()>& once);

    TTarnDevice& Link;
    TPresence Last = TPresence::Absent;
    bool LastSmall = true;
    int Count = 0; // equal answers in a row
};
