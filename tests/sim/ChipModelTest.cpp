// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated FTDI chip's timing: latency timer, buffers and baud rate.
#include "sim/ChipModel.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using sim::ChipModel;
using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

const ChipModel::TimePoint T0{};

Bytes bytes(std::size_t n) {
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i)
        b[i] = static_cast<std::uint8_t>(i);
    return b;
}

TEST(ChipModel, RepliesWaitForTheNextTickOfAFreeRunningTimer) {
    ChipModel chip(T0);
    EXPECT_EQ(chip.latency(), 16ms);
    const auto reply = bytes(3);
    // Sent 17 ms after power-on: the bytes are in by 18.6 ms, the timer ticks at 32 ms.
    chip.firmwareSend(reply.data(), reply.size(), T0 + 17ms);
    ASSERT_TRUE(chip.nextToHost());
    EXPECT_EQ(*chip.nextToHost(), T0 + 32ms);
    EXPECT_TRUE(chip.takeToHost(T0 + 31ms).empty());
    EXPECT_EQ(chip.takeToHost(T0 + 32ms), reply);
    EXPECT_FALSE(chip.nextToHost());

    // At 2 ms the grid restarts where the host set it, and a tick in the middle of a reply
    // hands over what has come so far.
    chip.setLatency(2ms, T0 + 40ms);
    chip.firmwareSend(reply.data(), reply.size(), T0 + 41ms);
    EXPECT_EQ(*chip.nextToHost(), T0 + 42ms);
    EXPECT_EQ(chip.takeToHost(T0 + 43ms), Bytes{0});
    EXPECT_EQ(*chip.nextToHost(), T0 + 44ms);
    EXPECT_EQ(chip.takeToHost(T0 + 44ms), (Bytes{1, 2}));

    // Out of range periods are brought into the chip's range.
    chip.setLatency(0ms, T0 + 50ms);
    EXPECT_EQ(chip.latency(), 1ms);
}

TEST(ChipModel, AFullPacketGoesAtOnceAndTheRestAtTheTick) {
    ChipModel chip(T0);
    chip.setLatency(100ms, T0);
    const auto reply = bytes(100);
    chip.firmwareSend(reply.data(), reply.size(), T0);
    const auto packetFull = T0 + 62 * chip.byteTime();
    EXPECT_EQ(*chip.nextToHost(), packetFull);
    auto first = chip.takeToHost(packetFull);
    EXPECT_EQ(first, Bytes(reply.begin(), reply.begin() + 62));
    // The other 38 are in by 52 ms; they wait for the tick.
    EXPECT_EQ(*chip.nextToHost(), T0 + 100ms);
    // A bulk IN packet of at most 62 bytes at a time; what is released waits for the next.
    auto part = chip.takeToHost(T0 + 100ms, 20);
    auto rest = chip.takeToHost(T0 + 100ms);
    EXPECT_EQ(part.size(), 20u);
    part.insert(part.end(), rest.begin(), rest.end());
    EXPECT_EQ(part, Bytes(reply.begin() + 62, reply.end()));
}

TEST(ChipModel, HostBytesLeaveInTheNextFrameAtTheLineRate) {
    ChipModel chip(T0);
    // 10 bits a byte (start, 8 data, stop) at 19200 bit/s.
    EXPECT_EQ(std::chrono::duration_cast<std::chrono::nanoseconds>(chip.byteTime()).count(),
              520833);
    const auto request = bytes(5);
    chip.hostWrite(request.data(), request.size(), T0 + 2300us);
    const auto arrived = T0 + 3ms + 5 * chip.byteTime();
    EXPECT_EQ(*chip.nextToFirmware(), T0 + 3ms + chip.byteTime());
    EXPECT_EQ(chip.takeToFirmware(arrived - 1us).size(), 4u);
    EXPECT_EQ(chip.takeToFirmware(arrived).size(), 1u);
    // A second write while the first is still on the line queues behind it.
    chip.hostWrite(request.data(), request.size(), T0 + 10ms);
    chip.hostWrite(request.data(), request.size(), T0 + 10ms);
    EXPECT_EQ(chip.takeToFirmware(T0 + 11ms + 10 * chip.byteTime()).size(), 10u);
}

TEST(ChipModel, LineTimingHasNoTimerAndInstantTimingNoWaitAtAll) {
    const auto reply = bytes(3);
    ChipModel line(T0, ChipModel::Timing::Line);
    line.firmwareSend(reply.data(), reply.size(), T0);
    EXPECT_EQ(*line.nextToHost(), T0 + line.byteTime());
    EXPECT_EQ(line.takeToHost(T0 + 3 * line.byteTime()), reply);

    ChipModel instant(T0, ChipModel::Timing::Instant);
    instant.hostWrite(reply.data(), reply.size(), T0 + 5ms);
    EXPECT_EQ(instant.takeToFirmware(T0 + 5ms), reply);
    instant.firmwareSend(reply.data(), reply.size(), T0 + 5ms);
    EXPECT_EQ(instant.takeToHost(T0 + 5ms), reply);

    // A receive purge empties the chip's buffer.
    ChipModel chip(T0);
    chip.firmwareSend(reply.data(), reply.size(), T0);
    chip.purgeToHost();
    EXPECT_FALSE(chip.nextToHost());
    EXPECT_TRUE(chip.takeToHost(T0 + 1s).empty());
}

} // namespace
