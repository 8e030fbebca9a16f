// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>

namespace d2xx {

// A device that lives inside the process. Tests attach one to stand for a USB adapter: it
// is listed after the kernel devices and the virtual ports, opens like a port, receives
// every byte the host writes and answers at the byte level, without a terminal.
class InProcessDevice {
public:
    InProcessDevice(std::string description, std::string serial);
    virtual ~InProcessDevice();
    InProcessDevice(const InProcessDevice&) = delete;
    InProcessDevice& operator=(const InProcessDevice&) = delete;

    const std::string& description() const { return description_; }
    const std::string& serial() const { return serial_; }

    // The host wrote these bytes. An implementation answers through send().
    virtual void received(const std::uint8_t* data, std::size_t size) = 0;

    // Called each time the host looks at its receive side (read, queue status, purge), so a
    // device can keep talking on its own, e.g. a line that never falls silent.
    virtual void poll() {}

    // True for a device that sends nothing but what it queues while taking the host's bytes
    // (a script of answers): once those are read, a read times out at once instead of waiting
    // in real time for bytes that cannot come. A simulated adapter with the USB chip's timing
    // keeps the default.
    virtual bool answersOnlyWhenWritten() const { return false; }

    // The host set the latency timer (FT_SetLatencyTimer): a device that models the USB chip's
    // timing takes its period from here.
    virtual void latencyTimerSet(unsigned milliseconds) { (void)milliseconds; }

    // Queues bytes for the host; they become readable `delay` after this call.
    void send(const std::uint8_t* data, std::size_t size,
              std::chrono::milliseconds delay = std::chrono::milliseconds(0));
    // The same, readable from `at` on.
    void sendAt(const std::uint8_t* data, std::size_t size,
                std::chrono::steady_clock::time_point at);

    // Host side, used by the D2XX layer.
    std::size_t available();                                  // bytes readable now
    std::size_t take(std::uint8_t* buffer, std::size_t size); // reads what is readable now
    // The earliest moment at which another byte becomes readable, or max() when none waits.
    std::chrono::steady_clock::time_point nextArrival() const;
    void discardPending(); // purge: drops queued bytes, readable or not

    // Modem lines. The inputs (MS_CTS_ON, MS_DSR_ON, MS_RING_ON, MS_RLSD_ON) are what the host
    // reads; the outputs are what the host last set.
    void setModemStatus(std::uint32_t bits);
    std::uint32_t modemStatus() const;
    void setDtr(bool on);
    void setRts(bool on);
    void setBreak(bool on);
    bool dtr() const;
    bool rts() const;
    bool breakOn() const;

private:
    struct Chunk {
        std::chrono::steady_clock::time_point at;
        std::uint8_t byte;
    };
    std::string description_;
    std::string serial_;
    // The queue may be fed from a test's own thread while the host reads.
    mutable std::mutex mutex_;
    std::deque<Chunk> queue_;
    std::uint32_t modemStatus_ = 0;
    bool dtr_ = false;
    bool rts_ = false;
    bool break_ = false;
};

// Attached devices join the device list at the next listing, in the order attached.
void attach(InProcessDevice& device);
void detach(InProcessDevice& device);

} // namespace d2xx
