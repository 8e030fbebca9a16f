// SPDX-License-Identifier: GPL-3.0-or-later
// The adapter link against scripted devices: framing, retries, timeouts and what a refused adapter
// is told as.
#include "adapter/TarnAdapter.h"

#include "Library/Serial/USB/UsbUart.h"
#include "platform/framework/Exceptions.h"
#include "sim/InProcessAdapter.h"
#include "tests/adapter/LinkDoubles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QtGlobal>

#include <numeric>

namespace {

// Only the in-process adapters of these tests may be listed: a simulator that someone runs
// meanwhile registers in the usual port directory, which must not be looked at.
const bool portsIsolated = qputenv("BROOKFETCH_PORTS", BROOKFETCH_TEST_NO_PORTS);

using linktest::Bytes;
using linktest::CountingDriver;
using linktest::RecordingTrace;
using linktest::ScriptedDevice;
using linktest::TraceEntry;
using Fault = sim::AdapterFirmware::Fault;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

Bytes writeFrame(std::uint8_t command, std::uint16_t address, const Bytes& data) {
    Bytes frame{0x5A, command, static_cast<std::uint8_t>(address & 0xFF),
                static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(data.size())};
    frame.insert(frame.end(), data.begin(), data.end());
    frame.resize(37, 0);
    return frame;
}

// ---- the wire, byte for byte ------------------------------------------------------------

TEST(TarnDeviceWire, DocumentedExchangesByteForByte) {
    ScriptedDevice device;
    const Bytes block{0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88};
    Bytes readReply{0xA5};
    readReply.insert(readReply.end(), block.begin(), block.end());
    device.replies = {{0xA5, 0x05, 0x01}, {0xA5, 0x02}, {0xA5, 0x01}, readReply, {0xA5, 0x02}};

    TTarnDevice adapter;
    RecordingTrace trace;
    adapter.Monitor = &trace;
    ASSERT_TRUE(adapter.ReadVersion());
    EXPECT_EQ(adapter.Version, 0x0105);
    TPresence presence = TPresence::Absent;
    ASSERT_TRUE(adapter.CheckConnector(presence));
    EXPECT_EQ(presence, TPresence::Present);
    EXPECT_TRUE(adapter.SmallMemory);
    std::uint8_t got[8] = {};
    ASSERT_TRUE(adapter.ReadBlock(0x0010, got, 8));
    EXPECT_THAT(got, ElementsAreArray(block));
    ASSERT_TRUE(adapter.WriteBlock(0x0010, block.data(), 8));

    ASSERT_EQ(device.writes.size(), 5u);
    EXPECT_EQ(device.writes[0], (Bytes{0x5A, 0x10}));
    EXPECT_EQ(device.writes[1], (Bytes{0x5A, 0x20}));
    EXPECT_EQ(device.writes[2], (Bytes{0x5A, 0x70}));
    EXPECT_EQ(device.writes[3], (Bytes{0x5A, 0x50, 0x10, 0x00, 0x08}));
    EXPECT_EQ(device.writes[4], writeFrame(0x60, 0x0010, block));
    EXPECT_EQ(device.writes[4].size(), 37u);

    // The trace sees requests without the lead byte and replies without the acknowledge byte.
    ASSERT_EQ(trace.entries.size(), 10u);
    EXPECT_EQ(trace.entries[0], (TraceEntry{2, {0x10}, {}}));
    EXPECT_EQ(trace.entries[1], (TraceEntry{1, {0x05, 0x01}, {}}));
    EXPECT_EQ(trace.entries[7], (TraceEntry{1, block, {}}));
    EXPECT_EQ(trace.entries[8].bytes.size(), 36u);
    EXPECT_EQ(trace.entries[9], (TraceEntry{1, {0x02}, {}}));
}

TEST(TarnDeviceWire, StartsWithSmallMemoryValues) {
    TTarnDevice adapter;
    EXPECT_EQ(adapter.Description, "USB FETCHer Adapter");
    EXPECT_EQ(adapter.Uart, nullptr);
    EXPECT_EQ(adapter.Monitor, nullptr);
    EXPECT_EQ(adapter.Version, 0);
    EXPECT_TRUE(adapter.SmallMemory);
    EXPECT_EQ(adapter.BlockSize, 8);
    EXPECT_EQ(adapter.Capacity, 256);
    EXPECT_FALSE(adapter.OnProgress);
}

// Only 2 is "present" or "large"; any other byte is "no connector" or "small", whatever
// damage made it. A present connector whose kind never comes whole is garbled.
TEST(TarnDeviceWire, ConnectorQueriesSetTheMemoryKind) {
    const Bytes failed{0x00}; // a wrong acknowledge byte
    struct Case {
        std::vector<Bytes> replies; // presence, then kind
        TPresence presence;
        bool small;
        int blockSize;
        int capacity;
        std::size_t requests;
    };
    const Case cases[] = {
        {{{0xA5, 2}, {0xA5, 2}}, TPresence::Present, false, 32, 32768, 2},
        {{{0xA5, 2}, {0xA5, 1}}, TPresence::Present, true, 8, 256, 2},
        {{{0xA5, 2}, {0xA5, 0}}, TPresence::Present, true, 8, 256, 2},
        {{{0xA5, 2}, {0xA5, 0xFF}}, TPresence::Present, true, 8, 256, 2},
        {{{0xA5, 0}}, TPresence::Absent, true, 8, 256, 1}, // the kind is not asked
        {{{0xA5, 1}}, TPresence::Absent, true, 8, 256, 1},
        {{{0xA5, 0xFF}}, TPresence::Absent, true, 8, 256, 1},
        {{{0xA5, 2 ^ 0x5A}}, TPresence::Absent, true, 8, 256, 1},
        {{{0xA5, 2}, failed, failed, failed, failed, failed}, TPresence::Garbled, true, 8, 256, 6},
    };
    for (const auto& c : cases) {
        ScriptedDevice device;
        device.replies.assign(c.replies.begin(), c.replies.end());
        TTarnDevice adapter;
        TPresence presence = TPresence::Absent;
        ASSERT_TRUE(adapter.CheckConnector(presence));
        EXPECT_EQ(presence, c.presence);
        EXPECT_EQ(adapter.SmallMemory, c.small);
        EXPECT_EQ(adapter.BlockSize, c.blockSize);
        EXPECT_EQ(adapter.Capacity, c.capacity);
        EXPECT_EQ(device.writes.size(), c.requests);
    }
}

// Whoever builds the device, the adapter is opened with the short latency timer, and again
// when the link comes up anew. Through the chip's timing a read is exact.
TEST(TarnDeviceWire, OpensTheAdapterWithAShortLatencyTimer) {
    sim::InProcessAdapter adapter("CHIP");
    adapter.setTiming(sim::ChipModel::Timing::Chip);
    TTarnDevice device;
    ASSERT_TRUE(device.ReadVersion());
    EXPECT_EQ(adapter.latency().count(), TTarnAdapter::ShortLatencyMs);
    for (std::size_t i = 0; i < 128; ++i)
        adapter.firmware().memory()[i] = static_cast<std::uint8_t>(i * 13 + 5);
    std::uint8_t image[128] = {};
    ASSERT_TRUE(device.ReadMemory(0, image, 128));
    EXPECT_TRUE(std::equal(image, image + 128, adapter.firmware().memory().begin()));

    adapter.unplug();
    adapter.plug();
    adapter.latencyTimerSet(16); // a fresh chip
    ASSERT_TRUE(device.ReadVersion());
    EXPECT_EQ(adapter.latency().count(), TTarnAdapter::ShortLatencyMs);
}

TEST(TarnDeviceWire, UnpluggedConnectorKeepsTheLastKind) {
    sim::InProcessAdapter adapter("SIMLARGE");
    adapter.firmware().setSmallMemory(false);
    TTarnDevice device;
    TPresence presence = TPresence::Absent;
    ASSERT_TRUE(device.CheckConnector(presence));
    EXPECT_FALSE(device.SmallMemory);
    adapter.firmware().setConnectorPresent(false);
    ASSERT_TRUE(device.CheckConnector(presence));
    EXPECT_EQ(presence, TPresence::Absent);
    EXPECT_FALSE(device.SmallMemory);
    EXPECT_EQ(device.BlockSize, 32);
}

// ---- memory transfers -------------------------------------------------------------------

struct Transfer {
    std::vector<int> progress;
    std::vector<Bytes> frames;
};

TEST(TarnDeviceMemory, SmallReadIsSixteenBlocksOfEight) {
    sim::InProcessAdapter adapter;
    TTarnDevice device;
    std::vector<int> progress;
    device.OnProgress = [&progress](int percent) { progress.push_back(percent); };
    std::uint8_t image[128] = {};
    ASSERT_TRUE(device.ReadMemory(0, image, 128));
    EXPECT_THAT(progress,
                ElementsAre(0, 6, 12, 18, 25, 31, 37, 43, 50, 56, 62, 68, 75, 81, 87, 93, 100));
    const auto& frames = adapter.firmware().frames();
    ASSERT_EQ(frames.size(), 16u);
    for (std::size_t i = 0; i < frames.size(); ++i)
        EXPECT_EQ(frames[i], (Bytes{0x5A, 0x50, static_cast<std::uint8_t>(8 * i), 0x00, 0x08}));
    EXPECT_TRUE(std::equal(image, image + 128, adapter.firmware().memory().begin()));
}

TEST(TarnDeviceMemory, LargeReadIsFourBlocksOfThirtyTwo) {
    sim::InProcessAdapter adapter;
    adapter.firmware().setSmallMemory(false);
    TTarnDevice device;
    TPresence presence = TPresence::Absent;
    ASSERT_TRUE(device.CheckConnector(presence));
    adapter.firmware().clearFrames();
    std::vector<int> progress;
    device.OnProgress = [&progress](int percent) { progress.push_back(percent); };
    std::uint8_t image[128] = {};
    ASSERT_TRUE(device.ReadMemory(0, image, 128));
    EXPECT_THAT(progress, ElementsAre(0, 25, 50, 75, 100));
    const auto& frames = adapter.firmware().frames();
    ASSERT_EQ(frames.size(), 4u);
    for (std::size_t i = 0; i < frames.size(); ++i)
        EXPECT_EQ(frames[i], (Bytes{0x5A, 0x30, static_cast<std::uint8_t>(32 * i), 0x00, 0x20}));
    EXPECT_TRUE(std::equal(image, image + 128, adapter.firmware().memory().begin()));
}

TEST(TarnDeviceMemory, WritesNeverCrossABlockBoundary) {
    struct Case {
        int address;
        int length;
        std::vector<std::pair<int, int>> blocks; // address, count
        std::vector<int> progress;
    };
    const Case cases[] = {
        {5, 20, {{5, 3}, {8, 8}, {16, 8}, {24, 1}}, {0, 15, 55, 95, 100}},
        {0, 5, {{0, 5}}, {0, 100}},
        {0, 16, {{0, 8}, {8, 8}}, {0, 50, 100}},
        {7, 1, {{7, 1}}, {0, 100}},
        {6, 4, {{6, 2}, {8, 2}}, {0, 50, 100}},
    };
    for (const auto& c : cases) {
        sim::InProcessAdapter adapter;
        TTarnDevice device;
        std::vector<int> progress;
        device.OnProgress = [&progress](int percent) { progress.push_back(percent); };
        Bytes data(static_cast<std::size_t>(c.length));
        std::iota(data.begin(), data.end(), std::uint8_t(0x40));
        ASSERT_TRUE(device.WriteMemory(c.address, data.data(), c.length));
        EXPECT_EQ(progress, c.progress) << c.address << "+" << c.length;
        const auto& frames = adapter.firmware().frames();
        ASSERT_EQ(frames.size(), c.blocks.size()) << c.address << "+" << c.length;
        int offset = 0;
        for (std::size_t i = 0; i < frames.size(); ++i) {
            const auto [address, count] = c.blocks[i];
            const Bytes chunk(data.begin() + offset, data.begin() + offset + count);
            EXPECT_EQ(frames[i], writeFrame(0x60, static_cast<std::uint16_t>(address), chunk));
            offset += count;
        }
        EXPECT_TRUE(
            std::equal(data.begin(), data.end(), adapter.firmware().memory().begin() + c.address));
    }
}

// A block exchange that goes wrong is asked again on its own, once the line is quiet: reading
// or writing the same block twice does no harm. Only a block that fails every attempt fails
// the transfer, which then stops there.
TEST(TarnDeviceMemory, AFailedBlockIsAskedAgainOnItsOwn) {
    const Bytes data(128, 0x33);
    for (const Fault fault : {Fault::RefuseWrite, Fault::CorruptByte, Fault::WrongAck,
                              Fault::ShortReply, Fault::DropReply}) {
        SCOPED_TRACE(sim::AdapterFirmware::faultName(fault));
        sim::InProcessAdapter adapter;
        TTarnDevice device;
        // The fault strikes the fifth block, its reply once.
        device.OnProgress = [&](int percent) {
            if (percent == 50)
                adapter.firmware().setFault(fault, 0, 1);
        };
        ASSERT_TRUE(device.WriteMemory(0, data.data(), 128));
        EXPECT_TRUE(std::equal(data.begin(), data.end(), adapter.firmware().memory().begin()));
        device.OnProgress = nullptr;
        std::uint8_t image[128] = {};
        ASSERT_TRUE(device.ReadMemory(0, image, 128));
        EXPECT_TRUE(std::equal(data.begin(), data.end(), image));
        // The struck block went out twice, every other block once.
        const auto& frames = adapter.firmware().frames();
        ASSERT_EQ(frames.size(), 33u);
        EXPECT_EQ(frames[8], frames[9]);
    }

    // A block refused every time fails the write at that block.
    sim::InProcessAdapter adapter;
    adapter.firmware().setFault(Fault::RefuseWrite, 1.0);
    TTarnDevice device;
    std::vector<int> progress;
    device.OnProgress = [&progress](int percent) { progress.push_back(percent); };
    EXPECT_FALSE(device.WriteMemory(0, data.data(), 128));
    EXPECT_EQ(adapter.firmware().frames().size(), std::size_t(TTarnAdapter::Attempts));
    EXPECT_THAT(progress, ElementsAre(0));
    EXPECT_EQ(adapter.firmware().memory()[0], 0xDC);
}

TEST(TarnDeviceMemory, FailedReadLeavesTheBlocksBeforeIt) {
    sim::InProcessAdapter adapter;
    TTarnDevice device;
    std::uint8_t image[128];
    std::fill(std::begin(image), std::end(image), 0x77);
    // Three good blocks, then the fourth is never answered.
    std::uint8_t block[8];
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(device.ReadBlock(i * 8, block, 8));
    adapter.firmware().clearFrames();
    adapter.firmware().setFault(Fault::DropReply, 0, 5);
    EXPECT_FALSE(device.ReadMemory(0, image, 16));
    EXPECT_EQ(adapter.firmware().frames().size(), 5u); // the first block, five times
    EXPECT_EQ(image[0], 0x77);
}

TEST(TarnDeviceMemory, ZeroLengthOrOversizedBlockIsAnInternalError) {
    TTarnDevice device;
    std::uint8_t buffer[64] = {};
    EXPECT_THROW(device.ReadMemory(0, buffer, 0), Exception);
    EXPECT_THROW(device.WriteMemory(0, buffer, 0), Exception);
    EXPECT_THROW(device.ReadBlock(0, buffer, 33), Exception);
    EXPECT_THROW(device.WriteBlock(0, buffer, 33), Exception);
    EXPECT_THROW(device.Send(buffer, 64), Exception);
    EXPECT_THROW(device.Receive(buffer, 0), Exception);
}

// ---- retries and the link ---------------------------------------------------------------

TEST(TarnAdapterLink, BadRepliesAreRetriedAndTraced) {
    struct Case {
        const char* name;
        Bytes first;     // the faulty reply
        TraceEntry note; // what the trace says about it
    };
    const Case cases[] = {
        {"wrong ack", {0x5A, 0x05, 0x01}, {3, {0x5A}, {}}},
        {"short", {0xA5, 0x05}, {3, {0x05}, {}}},
        {"ack only", {0xA5}, {0, {}, "Rx timeout\n"}},
    };
    for (const auto& c : cases) {
        ScriptedDevice device;
        device.replies = {c.first, {0xA5, 0x05, 0x01}};
        TTarnDevice adapter;
        RecordingTrace trace;
        adapter.Monitor = &trace;
        ASSERT_TRUE(adapter.ReadVersion()) << c.name;
        EXPECT_EQ(adapter.Version, 0x0105) << c.name;
        ASSERT_EQ(device.writes.size(), 2u) << c.name;
        EXPECT_EQ(device.writes[1], (Bytes{0x5A, 0x10})) << c.name;
        ASSERT_GE(trace.entries.size(), 4u) << c.name;
        EXPECT_EQ(trace.entries[1], c.note) << c.name;
        EXPECT_EQ(trace.entries.back(), (TraceEntry{1, {0x05, 0x01}, {}})) << c.name;
    }
}

TEST(TarnAdapterLink, FiveFailuresGiveFalseAndKeepTheValue) {
    sim::InProcessAdapter adapter;
    adapter.firmware().setFault(Fault::WrongAck, 0, 5);
    TTarnDevice device;
    device.Version = 0x0203;
    EXPECT_FALSE(device.ReadVersion());
    EXPECT_EQ(device.Version, 0x0203);
    EXPECT_EQ(adapter.firmware().frames().size(), 5u);
    // The link stays up after failed receives; the next exchange works.
    EXPECT_NE(device.Uart, nullptr);
    EXPECT_TRUE(device.ReadVersion());
    EXPECT_EQ(device.Version, 0x0105);
}

// The fifth attempt still counts, on the port that was opened: opening it again after silence
// is the Linux driver's own business (platform/d2xx/ReopeningPort.h).
TEST(TarnAdapterLink, FourDroppedRepliesStillSucceedOnThePortThatWasOpened) {
    sim::InProcessAdapter adapter;
    adapter.firmware().setFault(Fault::DropReply, 0, 4);
    CountingDriver driver;
    d2xx::ScopedHook hook(driver);
    TTarnDevice device;
    TPresence presence = TPresence::Absent;
    EXPECT_TRUE(device.CheckConnector(presence));
    EXPECT_EQ(presence, TPresence::Present);
    EXPECT_EQ(driver.opens, 1);
}

TEST(TarnAdapterLink, FailedSendDisconnectsAndTheNextAttemptFindsTheAdapterAfresh) {
    sim::InProcessAdapter adapter;
    CountingDriver driver;
    d2xx::ScopedHook hook(driver);
    TTarnDevice device;
    RecordingTrace trace;
    device.Monitor = &trace;
    ASSERT_TRUE(device.ReadVersion());
    EXPECT_EQ(driver.deviceCounts, 1);
    EXPECT_EQ(driver.opens, 1);

    driver.failWrites = 1;
    ASSERT_TRUE(device.ReadVersion());
    EXPECT_EQ(driver.deviceCounts, 2);
    EXPECT_EQ(driver.opens, 2);
    EXPECT_EQ(trace.entries[2], (TraceEntry{0, {}, "Unable send\n"}));
    EXPECT_EQ(adapter.firmware().frames().size(), 2u); // the failed frame never got out
}

TEST(TarnAdapterLink, PulledAdapterIsFoundAgainWhenPluggedBack) {
    sim::InProcessAdapter adapter;
    TTarnDevice device;
    ASSERT_TRUE(device.ReadVersion());
    adapter.unplug();
    EXPECT_FALSE(device.ReadVersion());
    EXPECT_EQ(device.Uart, nullptr);
    adapter.plug();
    EXPECT_TRUE(device.ReadVersion());
}

TEST(TarnAdapterLink, NoAdapterFailsAfterFiveConnectAttempts) {
    CountingDriver driver;
    d2xx::ScopedHook hook(driver);
    TTarnDevice device;
    const std::uint8_t request[1] = {0x10};
    std::uint8_t reply[2];
    EXPECT_FALSE(device.Transact(request, 1, reply, 2));
    EXPECT_EQ(driver.deviceCounts, 5);
    EXPECT_EQ(driver.opens, 0);
    EXPECT_EQ(device.Uart, nullptr);
}

TEST(TarnAdapterLink, TwoAdaptersOfTheSameDescriptionAreNotUsed) {
    sim::InProcessAdapter first("SIM1");
    sim::InProcessAdapter second("SIM2");
    TTarnDevice device;
    EXPECT_FALSE(device.Connect());
    EXPECT_FALSE(device.ReadVersion());
    EXPECT_TRUE(first.firmware().frames().empty());
    second.unplug();
    EXPECT_TRUE(device.ReadVersion());
}

// The status timer looks for the adapter every second: one description listing per device, and
// a serial number only where one chooses the adapter or names the attached ones.
TEST(TarnAdapterLink, ALookForTheAdapterListsSerialNumbersOnlyWhereTheyAreAsked) {
    sim::InProcessAdapter first("SIM1");
    sim::InProcessAdapter second("SIM2");
    CountingDriver driver;
    d2xx::ScopedHook hook(driver);
    TTarnDevice device;
    EXPECT_EQ(device.Open().Problem, TAdapterOpen::TProblem::Several);
    EXPECT_EQ(driver.deviceCounts, 1);
    EXPECT_EQ(driver.descriptions, 2);
    EXPECT_EQ(driver.serials, 0);

    device.NamesAttached = true; // the command line's message names them
    const TAdapterOpen several = device.Open();
    EXPECT_EQ(several.Problem, TAdapterOpen::TProblem::Several);
    EXPECT_EQ(several.Attached, (QStringList{"SIM1", "SIM2"}));

    driver.descriptions = driver.serials = 0;
    device.NamesAttached = false;
    device.SerialNumber = QStringLiteral("SIM2");
    EXPECT_TRUE(device.Open().Ok());
    EXPECT_EQ(driver.descriptions, 3) << "the look's two and the open's own";
    EXPECT_EQ(driver.serials, 3);
}

TEST(TarnAdapterLink, UartThatIsNotOpenIsAnInternalError) {
    TTarnDevice device;
    device.Uart = std::make_unique<TUsbUart>();
    try {
        device.Connect();
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_THAT(error.Message.toStdString(), HasSubstr("Error on file TarnAdapter line "));
    }
}

TEST(TarnAdapterLink, ALineThatNeverFallsSilentRaisesFromThePurge) {
    sim::InProcessAdapter adapter;
    adapter.firmware().chatterSpan = std::chrono::milliseconds(3000);
    adapter.firmware().setFault(Fault::Chatter, 0, 1);
    TTarnDevice device;
    ASSERT_TRUE(device.ReadVersion()); // the reply comes, then the noise
    EXPECT_THROW(device.ReadVersion(), Exception);
    adapter.firmware().stopChatter();
    EXPECT_TRUE(device.ReadVersion());
}

} // namespace
