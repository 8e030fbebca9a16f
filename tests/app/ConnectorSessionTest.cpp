// SPDX-License-Identifier: GPL-3.0-or-later
// The connector session: why an adapter is not found, and the one rule by which a connector
// counts as present, absent or pulled, against simulated adapters in this process.

#include "app/ConnectorSession.h"

#include "Library/Serial/USB/UsbUart.h"
#include "platform/d2xx/OpenFailure.h"
#include "sim/InProcessAdapter.h"

#include <gtest/gtest.h>

#include <QtGlobal>
#include <algorithm>
#include <vector>

namespace {

// Only the in-process adapters of these tests may be listed.
const bool portsIsolated = qputenv("BROOKFETCH_PORTS", BROOKFETCH_TEST_NO_PORTS);

using Fault = sim::AdapterFirmware::Fault;
using TProblem = TAdapterOpen::TProblem;

TConnectorAnswer Said(TPresence presence, bool small = true) {
    return {true, presence, small};
}

// Three equal answers in a row decide; anything else in between starts the count again. A
// garbled answer is never taken for "absent", nor a connector of the other kind for the same.
TEST(ConnectorSession, TheSameAnswerThreeTimesInARowDecides) {
    const TConnectorAnswer absent = Said(TPresence::Absent);
    const TConnectorAnswer garbled = Said(TPresence::Garbled);
    const TConnectorAnswer small = Said(TPresence::Present, true);
    const TConnectorAnswer large = Said(TPresence::Present, false);
    const TConnectorAnswer silent{};
    struct Case {
        const char* name;
        std::vector<TConnectorAnswer> answers;
        TConnectorVerdict verdict; // after the last answer
    };
    const Case cases[] = {
        {"absent three times", {absent, absent, absent}, TConnectorVerdict::Absent},
        {"absent twice", {absent, absent}, TConnectorVerdict::Undecided},
        {"a garbled answer between",
         {absent, garbled, absent, absent},
         TConnectorVerdict::Undecided},
        {"garbled, then three",
         {absent, garbled, absent, absent, absent},
         TConnectorVerdict::Absent},
        {"only garbled", {garbled, garbled, garbled, garbled}, TConnectorVerdict::Undecided},
        {"present three times", {small, small, small}, TConnectorVerdict::Present},
        {"the kind changes", {small, large, large}, TConnectorVerdict::Undecided},
        {"present, then absent", {small, small, absent}, TConnectorVerdict::Undecided},
        {"no answer between", {absent, absent, silent, absent}, TConnectorVerdict::Undecided},
        {"no answer", {absent, silent}, TConnectorVerdict::NoAnswer},
    };
    for (const Case& c : cases) {
        TTarnDevice device;
        TConnectorSession session(device);
        TConnectorVerdict verdict = TConnectorVerdict::Undecided;
        for (const TConnectorAnswer& answer : c.answers)
            verdict = session.Observe(answer);
        EXPECT_EQ(verdict, c.verdict) << c.name;
    }
}

// On a line that damages many replies (a wrong acknowledge byte, a reply cut short) a connector
// that stays in place is never called pulled, and one that is pulled is.
TEST(ConnectorSession, ADamagingLineNeverPullsAConnector) {
    sim::InProcessAdapter adapter;
    TTarnDevice device;
    TConnectorSession session(device);
    ASSERT_TRUE(session.FindAdapter().Ok());
    adapter.firmware().setFault(Fault::WrongAck, 0.3);
    adapter.firmware().setFault(Fault::ShortReply, 0.2);
    int present = 0;
    for (int round = 0; round < 40; ++round) {
        EXPECT_NE(session.WhatWentAway(), TConnectorSession::TLoss::Connector) << round;
        const TConnectorVerdict verdict = session.Confirm();
        EXPECT_NE(verdict, TConnectorVerdict::Absent) << round;
        present += verdict == TConnectorVerdict::Present;
    }
    EXPECT_GT(present, 30);

    adapter.firmware().clearFaults();
    adapter.firmware().setConnectorPresent(false);
    EXPECT_EQ(session.Confirm(), TConnectorVerdict::Absent);
    EXPECT_EQ(session.WhatWentAway(), TConnectorSession::TLoss::Connector);
    adapter.unplug();
    EXPECT_EQ(session.WhatWentAway(), TConnectorSession::TLoss::Adapter);
}

// Only 2 says "present" and "large": adapters say "no connector" and "small" with whatever byte
// they like, and a connector pulled from any of them is named as pulled.
TEST(ConnectorSession, EveryAnswerButTwoIsNoConnectorOrASmallMemory) {
    for (const std::uint8_t no : {0x00, 0x01, 0xFF}) {
        SCOPED_TRACE(int(no));
        sim::InProcessAdapter adapter;
        adapter.firmware().absentAnswer = no;
        adapter.firmware().smallAnswer = no;
        TTarnDevice device;
        TConnectorSession session(device);
        ASSERT_TRUE(session.FindAdapter().Ok());
        EXPECT_EQ(session.Confirm(), TConnectorVerdict::Present);
        EXPECT_TRUE(device.SmallMemory);
        adapter.firmware().setConnectorPresent(false);
        EXPECT_EQ(session.WhatWentAway(), TConnectorSession::TLoss::Connector);
        EXPECT_EQ(session.Confirm(), TConnectorVerdict::Absent);
    }
}

TEST(ConnectorSession, FindAdapterSaysWhyNoAdapterAnswers) {
    TTarnDevice device;
    TConnectorSession session(device);
    // Windows without FTDI's driver installed (a test machine) can tell why there is none.
    EXPECT_EQ(session.FindAdapter().Problem,
              d2xx::driverAvailable() ? TProblem::NotFound : TProblem::DriverMissing);

    sim::InProcessAdapter first("FIRST");
    device.NamesAttached = true; // as the command line's messages have them
    {
        sim::InProcessAdapter second("SECOND");
        const TAdapterOpen several = session.FindAdapter();
        EXPECT_EQ(several.Problem, TProblem::Several);
        EXPECT_EQ(several.Attached, (QStringList{"FIRST", "SECOND"}));
    }

    // Held by another handle, as another program would hold it.
    {
        TUsbUart holder;
        std::int32_t index = -1;
        ASSERT_TRUE(TUsbUart::FindDevice(QStringLiteral("USB FETCHer Adapter"), index));
        ASSERT_TRUE(holder.Open(index));
        const TAdapterOpen held = session.FindAdapter();
        EXPECT_EQ(held.Problem, TProblem::InUse);
        EXPECT_EQ(held.SerialNumber, "FIRST");
    }

    first.firmware().setFault(Fault::DropReply, 1.0);
    const TAdapterOpen silent = session.FindAdapter();
    EXPECT_EQ(silent.Problem, TProblem::Silent);
    EXPECT_EQ(silent.SerialNumber, "FIRST");
    first.firmware().clearFaults();
    EXPECT_TRUE(session.FindAdapter().Ok());
    EXPECT_EQ(device.Version, sim::AdapterFirmware::DefaultVersion);

    // With a serial number chosen, the others are named.
    TTarnDevice chosen;
    chosen.SerialNumber = QStringLiteral("OTHER");
    TConnectorSession picky(chosen);
    const TAdapterOpen missing = picky.FindAdapter();
    EXPECT_EQ(missing.Problem, TProblem::NotFound);
    EXPECT_EQ(missing.Attached, QStringList{"FIRST"});
}

} // namespace
