// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated adapter's firmware: its answers, its connector memory and its faults.
#include "sim/AdapterFirmware.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace {

using sim::AdapterFirmware;
using Bytes = std::vector<std::uint8_t>;
using Fault = AdapterFirmware::Fault;
using Check = AdapterFirmware::FrameCheck;

Bytes writeFrame(std::uint16_t address, const Bytes& data, std::uint8_t command = 0x60) {
    Bytes frame{0x5A, command, static_cast<std::uint8_t>(address & 0xFF),
                static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(data.size())};
    frame.insert(frame.end(), data.begin(), data.end());
    frame.resize(37, 0);
    return frame;
}

// Sends one request and returns the one answer it gets (an empty reply when none).
AdapterFirmware::Answer ask(AdapterFirmware& firmware, const Bytes& frame) {
    auto answers = firmware.receive(frame.data(), frame.size());
    if (answers.empty())
        return {};
    EXPECT_EQ(answers.size(), 1u);
    return answers.front();
}

Bytes reply(AdapterFirmware& firmware, const Bytes& frame) {
    return ask(firmware, frame).reply;
}

TEST(AdapterFirmwareFrames, ScanSeparatesNeedMoreInvalidAndComplete) {
    struct Case {
        Bytes bytes;
        Check check;
        std::size_t length;
    };
    Bytes fullWrite(37, 0);
    fullWrite[0] = 0x5A;
    fullWrite[1] = 0x60;
    Bytes partWrite(fullWrite.begin(), fullWrite.end() - 1);
    const Case cases[] = {
        {{}, Check::NeedMore, 0},
        {{0x5A}, Check::NeedMore, 0},
        {{0x5A, 0x10}, Check::Complete, 2},
        {{0x5A, 0x20, 0x5A}, Check::Complete, 2},
        {{0x5A, 0x70}, Check::Complete, 2},
        {{0x5A, 0x50, 0x10, 0x00}, Check::NeedMore, 0},
        {{0x5A, 0x30, 0x10, 0x00, 0x20}, Check::Complete, 5},
        {partWrite, Check::NeedMore, 0},
        {fullWrite, Check::Complete, 37},
        {{0x00, 0xA5, 0x5A, 0x10}, Check::Invalid, 2}, // noise before the lead byte
        {{0x01, 0x02}, Check::Invalid, 2},
        {{0x5A, 0x99, 0x5A, 0x10}, Check::Invalid, 1}, // unknown command
    };
    for (const auto& c : cases) {
        const auto scan = AdapterFirmware::scanFrame(c.bytes.data(), c.bytes.size());
        EXPECT_EQ(scan.check, c.check) << ::testing::PrintToString(c.bytes);
        EXPECT_EQ(scan.length, c.length) << ::testing::PrintToString(c.bytes);
    }
}

TEST(AdapterFirmwareFrames, RequestsSplitAnywhereAreAnsweredOnceComplete) {
    AdapterFirmware firmware;
    const Bytes frame = writeFrame(0x10, {1, 2, 3, 4, 5, 6, 7, 8});
    for (std::size_t i = 0; i + 1 < frame.size(); ++i)
        EXPECT_TRUE(firmware.receive(&frame[i], 1).empty()) << i;
    const auto answers = firmware.receive(&frame.back(), 1);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].reply, (Bytes{0xA5, 0x02}));
    EXPECT_EQ(firmware.memory()[0x17], 8);
}

TEST(AdapterFirmwareFrames, NoiseUnknownCommandsAndBadCountsGetNoReply) {
    AdapterFirmware firmware;
    const Bytes stream{0x11, 0x5A, 0x99, 0x5A, 0x50, 0x00, 0x00, 0x00, // read of 0 bytes
                       0x5A, 0x50, 0x00, 0x00, 0x21,                   // read of 33 bytes
                       0x7E, 0x5A, 0x10};
    const auto answers = firmware.receive(stream.data(), stream.size());
    ASSERT_EQ(answers.size(), 3u);
    EXPECT_TRUE(answers[0].reply.empty());
    EXPECT_TRUE(answers[1].reply.empty());
    EXPECT_EQ(answers[2].reply, (Bytes{0xA5, 0x05, 0x01}));
}

TEST(AdapterFirmwareFrames, HalfAFrameIsForgottenWhenTheLineFallsSilent) {
    AdapterFirmware firmware;
    const auto start = AdapterFirmware::Clock::now();
    const Bytes half{0x5A, 0x50, 0x10};
    EXPECT_TRUE(firmware.receive(half.data(), half.size(), start).empty());
    // The host gave up and asks again; without the gap rule the two would run together.
    const Bytes version{0x5A, 0x10};
    const auto answers =
        firmware.receive(version.data(), version.size(), start + std::chrono::milliseconds(400));
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].reply, (Bytes{0xA5, 0x05, 0x01}));
}

TEST(AdapterFirmwareCommands, AnswersTheDocumentedExchanges) {
    AdapterFirmware firmware;
    EXPECT_EQ(reply(firmware, {0x5A, 0x10}), (Bytes{0xA5, 0x05, 0x01}));
    EXPECT_EQ(reply(firmware, {0x5A, 0x20}), (Bytes{0xA5, 0x02}));
    EXPECT_EQ(reply(firmware, {0x5A, 0x70}), (Bytes{0xA5, 0x01}));
    const Bytes data{0x10, 0x21, 0x32, 0x43, 0x54, 0x65, 0x76, 0x87};
    EXPECT_EQ(reply(firmware, writeFrame(0x0010, data)), (Bytes{0xA5, 0x02}));
    Bytes expected{0xA5};
    expected.insert(expected.end(), data.begin(), data.end());
    EXPECT_EQ(reply(firmware, {0x5A, 0x50, 0x10, 0x00, 0x08}), expected);
    EXPECT_EQ(firmware.frames().size(), 5u);
    EXPECT_EQ(firmware.frames()[3].size(), 37u);
}

TEST(AdapterFirmwareCommands, FreshMemoryHoldsTheDefaultImageThenErasedBytes) {
    AdapterFirmware firmware;
    ASSERT_EQ(firmware.memory().size(), 256u);
    const Bytes head{0xDC, 0x05, 0x00, 0x00, 0x0A, 0x0A, 0x0A, 0x84,
                     0x03, 0x08, 0xB1, 0xA8, 0x3C, 0x01, 0x00, 0x00};
    EXPECT_TRUE(std::equal(head.begin(), head.end(), firmware.memory().begin()));
    for (int i = 16; i < 126; ++i)
        EXPECT_EQ(firmware.memory()[static_cast<std::size_t>(i)], 0) << i;
    EXPECT_EQ(firmware.memory()[126], 0xBC);
    EXPECT_EQ(firmware.memory()[127], 0xFD);
    EXPECT_EQ(firmware.memory()[128], 0xFF);
}

TEST(AdapterFirmwareCommands, LargeMemoryReportsItsKindAndReachesHighAddresses) {
    AdapterFirmware firmware(false);
    EXPECT_EQ(firmware.memory().size(), 32768u);
    EXPECT_EQ(reply(firmware, {0x5A, 0x70}), (Bytes{0xA5, 0x02}));
    Bytes data(32);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i * 7);
    EXPECT_EQ(reply(firmware, writeFrame(0x7FE0, data, 0x40)), (Bytes{0xA5, 0x02}));
    const Bytes got = reply(firmware, {0x5A, 0x30, 0xE0, 0x7F, 0x20});
    ASSERT_EQ(got.size(), 33u);
    EXPECT_TRUE(std::equal(data.begin(), data.end(), got.begin() + 1));
}

TEST(AdapterFirmwareCommands, SwitchingMemoryKindKeepsTheCommonBytes) {
    AdapterFirmware firmware;
    firmware.memory()[200] = 0x42;
    firmware.setSmallMemory(false);
    EXPECT_EQ(firmware.memory().size(), 32768u);
    EXPECT_EQ(firmware.memory()[200], 0x42);
    EXPECT_EQ(firmware.memory()[300], 0xFF);
    firmware.setSmallMemory(true);
    EXPECT_EQ(firmware.memory().size(), 256u);
    EXPECT_EQ(firmware.memory()[200], 0x42);
}

TEST(AdapterFirmwareCommands, WithoutAConnectorNothingIsReadOrStored) {
    AdapterFirmware firmware;
    firmware.setConnectorPresent(false);
    EXPECT_EQ(reply(firmware, {0x5A, 0x20}), (Bytes{0xA5, 0x00}));
    EXPECT_EQ(reply(firmware, {0x5A, 0x50, 0x00, 0x00, 0x02}), (Bytes{0xA5, 0xFF, 0xFF}));
    const auto answer = ask(firmware, writeFrame(0, {1, 2}));
    EXPECT_EQ(answer.reply, (Bytes{0xA5, 0x00}));
    EXPECT_FALSE(answer.stored);
    EXPECT_EQ(firmware.memory()[0], 0xDC);
    // Another adapter's "no connector" and "small".
    firmware.absentAnswer = 0xFF;
    firmware.smallAnswer = 0x01;
    EXPECT_EQ(reply(firmware, {0x5A, 0x20}), (Bytes{0xA5, 0xFF}));
    firmware.setConnectorPresent(true);
    firmware.smallAnswer = 0x00;
    EXPECT_EQ(reply(firmware, {0x5A, 0x70}), (Bytes{0xA5, 0x00}));
}

TEST(AdapterFirmwareCommands, LoadMemoryKeepsFreshBytesWhereTheFileIsShort) {
    AdapterFirmware firmware;
    firmware.loadMemory({1, 2, 3});
    EXPECT_EQ(firmware.memory()[0], 1);
    EXPECT_EQ(firmware.memory()[2], 3);
    EXPECT_EQ(firmware.memory()[3], 0x00);
    EXPECT_EQ(firmware.memory()[127], 0xFD);
}

// Each line fault strikes exactly the exchanges it was set for.
TEST(AdapterFirmwareFaults, LineFaultsStrikeTheNextExchangesOnly) {
    const Bytes version{0x5A, 0x10};
    const Bytes good{0xA5, 0x05, 0x01};
    struct Case {
        Fault fault;
        bool (*bad)(const AdapterFirmware::Answer&);
    };
    const Case cases[] = {
        {Fault::DropReply, [](const AdapterFirmware::Answer& a) { return a.reply.empty(); }},
        {Fault::WrongAck,
         [](const AdapterFirmware::Answer& a) {
             return a.reply.size() == 3 && a.reply[0] != 0xA5;
         }},
        {Fault::ShortReply,
         [](const AdapterFirmware::Answer& a) {
             return a.reply == Bytes{0xA5, 0x05};
         }},
        {Fault::CorruptByte,
         [](const AdapterFirmware::Answer& a) {
             return a.reply.size() == 3 && a.reply[0] == 0xA5 && a.reply != Bytes{0xA5, 0x05, 0x01};
         }},
        {Fault::SlowAnswer,
         [](const AdapterFirmware::Answer& a) {
             return a.reply == Bytes{0xA5, 0x05, 0x01} && a.delay.count() > 320;
         }},
    };
    for (const auto& c : cases) {
        AdapterFirmware firmware;
        firmware.setFault(c.fault, 0, 2);
        EXPECT_TRUE(c.bad(ask(firmware, version))) << AdapterFirmware::faultName(c.fault);
        EXPECT_TRUE(c.bad(ask(firmware, version))) << AdapterFirmware::faultName(c.fault);
        const auto third = ask(firmware, version);
        EXPECT_EQ(third.reply, good) << AdapterFirmware::faultName(c.fault);
        EXPECT_EQ(third.delay.count(), 0);
    }
}

TEST(AdapterFirmwareFaults, RefusedAndLostWritesLeaveTheMemoryAsItWas) {
    for (const Fault fault : {Fault::RefuseWrite, Fault::LoseWrite}) {
        AdapterFirmware firmware;
        firmware.setFault(fault, 0, 1);
        // A read does not use up a write fault.
        EXPECT_EQ(reply(firmware, {0x5A, 0x50, 0x00, 0x00, 0x01}), (Bytes{0xA5, 0xDC}));
        const auto answer = ask(firmware, writeFrame(0, {0x11, 0x22}));
        EXPECT_EQ(answer.reply,
                  (Bytes{0xA5, Bytes::value_type(fault == Fault::LoseWrite ? 2 : 0)}));
        EXPECT_FALSE(answer.stored);
        EXPECT_EQ(firmware.memory()[0], 0xDC);
        EXPECT_EQ(firmware.memory()[1], 0x05);
        const auto next = ask(firmware, writeFrame(0, {0x11, 0x22}));
        EXPECT_TRUE(next.stored);
        EXPECT_EQ(firmware.memory()[0], 0x11);
    }
}

TEST(AdapterFirmwareFaults, ChatterLastsItsSpanAfterTheReply) {
    AdapterFirmware firmware;
    firmware.chatterSpan = std::chrono::milliseconds(100);
    firmware.setFault(Fault::Chatter, 0, 1);
    const auto now = AdapterFirmware::Clock::now();
    const Bytes version{0x5A, 0x10};
    const auto answers = firmware.receive(version.data(), version.size(), now);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].reply.size(), 3u);
    EXPECT_TRUE(firmware.chattering(now + std::chrono::milliseconds(50)));
    EXPECT_FALSE(firmware.chattering(now + std::chrono::milliseconds(150)));
}

TEST(AdapterFirmwareFaults, ProbabilitiesFollowTheSeed) {
    auto run = [](std::uint32_t seed) {
        AdapterFirmware firmware;
        firmware.setSeed(seed);
        firmware.setFault(Fault::DropReply, 0.3);
        std::vector<bool> dropped;
        for (int i = 0; i < 400; ++i)
            dropped.push_back(reply(firmware, {0x5A, 0x20}).empty());
        return dropped;
    };
    const auto first = run(7);
    EXPECT_EQ(first, run(7));
    const auto hits = std::count(first.begin(), first.end(), true);
    EXPECT_GT(hits, 80);
    EXPECT_LT(hits, 160);
    AdapterFirmware never;
    never.setFault(Fault::DropReply, 0.0);
    for (int i = 0; i < 50; ++i)
        EXPECT_FALSE(reply(never, {0x5A, 0x20}).empty());
}

} // namespace
