// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/ChipModel.h"

#include <algorithm>
#include <limits>

namespace sim {

ChipModel::ChipModel(TimePoint origin, Timing timing, int bitsPerSecond)
    : timing_(timing),
      byteTime_(std::chrono::duration_cast<Clock::duration>(
          std::chrono::nanoseconds(10'000'000'000LL / std::max(bitsPerSecond, 1)))),
      origin_(origin), tickOrigin_(origin), txFree_(origin), rxFree_(origin) {}

void ChipModel::setLatency(std::chrono::milliseconds period, TimePoint now) {
    latency_ = std::clamp(period, MinLatency, MaxLatency);
    tickOrigin_ = now;
}

ChipModel::TimePoint ChipModel::nextTick(TimePoint after) const {
    if (after < tickOrigin_)
        return tickOrigin_;
    const auto ticks = (after - tickOrigin_) / latency_ + 1;
    return tickOrigin_ + ticks * latency_;
}

ChipModel::TimePoint ChipModel::nextFrame(TimePoint now) const {
    if (now < origin_)
        return origin_;
    return origin_ + ((now - origin_) / UsbFrame + 1) * UsbFrame;
}

void ChipModel::hostWrite(const std::uint8_t* data, std::size_t size, TimePoint now) {
    if (size == 0)
        return;
    if (timing_ == Timing::Instant) {
        for (std::size_t i = 0; i < size; ++i)
            toFirmware_.push_back({now, data[i]});
        return;
    }
    // The bytes cross the bus in the next frame, then leave the chip one after another.
    auto at = std::max(nextFrame(now), txFree_);
    for (std::size_t i = 0; i < size; ++i) {
        at += byteTime_;
        toFirmware_.push_back({at, data[i]});
    }
    txFree_ = at;
}

std::optional<ChipModel::TimePoint> ChipModel::nextToFirmware() const {
    if (toFirmware_.empty())
        return std::nullopt;
    return toFirmware_.front().at;
}

std::vector<std::uint8_t> ChipModel::takeToFirmware(TimePoint now) {
    std::vector<std::uint8_t> bytes;
    while (!toFirmware_.empty() && toFirmware_.front().at <= now) {
        bytes.push_back(toFirmware_.front().byte);
        toFirmware_.pop_front();
    }
    return bytes;
}

void ChipModel::firmwareSend(const std::uint8_t* data, std::size_t size, TimePoint now) {
    if (size == 0)
        return;
    if (timing_ == Timing::Instant) {
        for (std::size_t i = 0; i < size; ++i)
            toHost_.push_back({now, data[i]});
        return;
    }
    auto at = std::max(now, rxFree_);
    for (std::size_t i = 0; i < size; ++i) {
        at += byteTime_;
        toHost_.push_back({at, data[i]});
    }
    rxFree_ = at;
}

ChipModel::TimePoint ChipModel::releaseTime() const {
    const auto first = toHost_.front().at;
    if (timing_ != Timing::Chip)
        return first;
    // The timer's next tick, unless a whole packet fills up before it.
    auto release = nextTick(first);
    if (toHost_.size() >= PacketData)
        release = std::min(release, std::max(first, toHost_[PacketData - 1].at));
    return release;
}

std::optional<ChipModel::TimePoint> ChipModel::nextToHost() const {
    if (toHost_.empty())
        return std::nullopt;
    if (released_ > 0)
        return toHost_.front().at;
    return releaseTime();
}

std::vector<std::uint8_t> ChipModel::takeToHost(TimePoint now, std::size_t max) {
    std::vector<std::uint8_t> bytes;
    while (bytes.size() < max && !toHost_.empty()) {
        if (released_ == 0) {
            const auto release = releaseTime();
            if (release > now)
                break;
            // Everything that has arrived by the release goes, one packet's worth at most.
            const std::size_t cap =
                timing_ == Timing::Chip ? PacketData : std::numeric_limits<std::size_t>::max();
            while (released_ < toHost_.size() && released_ < cap &&
                   toHost_[released_].at <= release)
                ++released_;
        }
        const auto n = std::min(released_, max - bytes.size());
        for (std::size_t i = 0; i < n; ++i) {
            bytes.push_back(toHost_.front().byte);
            toHost_.pop_front();
        }
        released_ -= n;
    }
    return bytes;
}

void ChipModel::purgeToHost() {
    toHost_.clear();
    released_ = 0;
}

void ChipModel::purgeToFirmware() {
    toFirmware_.clear();
}

} // namespace sim
