// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/d2xx/InProcessDevice.h"
#include "sim/AdapterFirmware.h"
#include "sim/ChipModel.h"

#include <chrono>
#include <string>

namespace sim {

// A simulated USB adapter inside the process: the D2XX layer lists it like a port and every
// byte the host writes goes to an AdapterFirmware. It is plugged in (attached) while it
// lives, unless constructed unplugged, and pulled out when destroyed. Its bytes move without
// delay unless it is given the USB chip's timing (setTiming).
//
//     sim::InProcessAdapter adapter;                 // "USB FETCHer Adapter", plugged in
//     adapter.firmware().setConnectorPresent(false); // pull the connector
//     adapter.unplug();                              // pull the USB adapter itself
class InProcessAdapter : public d2xx::InProcessDevice {
public:
    static constexpr const char* AdapterDescription = "USB FETCHer Adapter";

    explicit InProcessAdapter(std::string serial = "SIM00001",
                              std::string description = AdapterDescription, bool plugged = true);
    ~InProcessAdapter() override;

    AdapterFirmware& firmware() { return firmware_; }
    const AdapterFirmware& firmware() const { return firmware_; }

    void plug();   // attach to the D2XX device list (no effect when attached)
    void unplug(); // detach (no effect when detached)
    bool plugged() const { return plugged_; }

    // A fixed wait before every reply, on top of the chip's timing.
    void setAnswerDelay(std::chrono::milliseconds delay) { answerDelay_ = delay; }
    // How the USB chip between host and firmware moves the bytes (ChipModel); Instant at first.
    // The latency timer starts at the chip's 16 ms; the host sets it.
    void setTiming(ChipModel::Timing timing);
    ChipModel::Timing timing() const { return chip_.timing(); }
    std::chrono::milliseconds latency() const { return chip_.latency(); }

    // d2xx::InProcessDevice
    void received(const std::uint8_t* data, std::size_t size) override;
    void poll() override;
    void latencyTimerSet(unsigned milliseconds) override;

private:
    AdapterFirmware firmware_;
    bool plugged_ = false;
    ChipModel chip_;
    std::chrono::milliseconds answerDelay_{0};
    AdapterFirmware::Clock::time_point nextNoise_{};
};

} // namespace sim
