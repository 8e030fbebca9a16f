// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/InProcessAdapter.h"

#include <utility>

namespace sim {

InProcessAdapter::InProcessAdapter(std::string serial, std::string description, bool plugged)
    : d2xx::InProcessDevice(std::move(description), std::move(serial)),
      chip_(ChipModel::Clock::now(), ChipModel::Timing::Instant) {
    if (plugged)
        plug();
}

InProcessAdapter::~InProcessAdapter() {
    unplug();
}

void InProcessAdapter::plug() {
    if (plugged_)
        return;
    d2xx::attach(*this);
    plugged_ = true;
}

void InProcessAdapter::unplug() {
    if (!plugged_)
        return;
    d2xx::detach(*this);
    plugged_ = false;
}

void InProcessAdapter::setTiming(ChipModel::Timing timing) {
    const auto latency = chip_.latency();
    const auto now = ChipModel::Clock::now();
    chip_ = ChipModel(now, timing);
    chip_.setLatency(latency, now);
}

void InProcessAdapter::latencyTimerSet(unsigned milliseconds) {
    chip_.setLatency(std::chrono::milliseconds(milliseconds), ChipModel::Clock::now());
}

void InProcessAdapter::received(const std::uint8_t* data, std::size_t size) {
    // Nothing else happens on this line until the host looks again, so the bytes are taken
    // through the chip to the firmware and back at once, each with the moment it arrives.
    const auto now = ChipModel::Clock::now();
    const bool chattering = firmware_.chattering(now);
    chip_.hostWrite(data, size, now);
    while (const auto at = chip_.nextToFirmware()) {
        const auto bytes = chip_.takeToFirmware(*at);
        for (auto& answer : firmware_.receive(bytes.data(), bytes.size(), *at)) {
            if (answer.reply.empty())
                continue;
            // A reply into a chattering line lands behind noise.
            if (chattering)
                answer.reply.insert(answer.reply.begin(), firmware_.noise());
            chip_.firmwareSend(answer.reply.data(), answer.reply.size(),
                               *at + answerDelay_ + answer.delay);
        }
    }
    while (const auto at = chip_.nextToHost()) {
        const auto bytes = chip_.takeToHost(*at);
        sendAt(bytes.data(), bytes.size(), *at);
    }
}

void InProcessAdapter::poll() {
    // A chattering adapter puts a byte on the line about every millisecond (19200 bit/s).
    // Whenever the host looks, something has just arrived: a purge never finds the line quiet.
    const auto now = AdapterFirmware::Clock::now();
    if (!firmware_.chattering(now) || (now < nextNoise_ && available() > 0))
        return;
    const std::uint8_t byte = firmware_.noise();
    send(&byte, 1);
    nextNoise_ = now + std::chrono::microseconds(520);
}

} // namespace sim
