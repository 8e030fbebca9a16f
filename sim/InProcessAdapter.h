#pragma once

#include "platform/d2xx/InProcessDevice.h"
#include "sim/AdapterFirmware.h"

#include <chrono>
#include <string>

namespace sim {

// A simulated USB adapter inside the process: the D2XX layer lists it like a port and every
// byte the host writes goes to an AdapterFirmware. It is plugged in (attached) while it
// lives, unless constructed unplugged, and pulled out when destroyed.
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

    // A fixed wait before every reply, on top of the line time when pacing.
    void setAnswerDelay(std::chrono::milliseconds delay) { answerDelay_ = delay; }
    // Each reply then comes after the line time of its request and reply at 19200 bit/s.
    void setPace(bool pace) { pace_ = pace; }

    // d2xx::InProcessDevice
    void received(const std::uint8_t* data, std::size_t size) override;
    void poll() override;

private:
    AdapterFirmware firmware_;
    bool plugged_ = false;
    bool pace_ = false;
    std::chrono::milliseconds answerDelay_{0};
    AdapterFirmware::Clock::time_point nextNoise_{};
};

} // namespace sim
