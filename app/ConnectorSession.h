#pragma once

#include "adapter/TarnAdapter.h"

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

private:
    TTarnDevice& Link;
    TPresence Last = TPresence::Absent;
    bool LastSmall = true;
    int Count = 0; // equal answers in a row
};
