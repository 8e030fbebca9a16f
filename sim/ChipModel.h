// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <limits>
#include <optional>
#include <vector>

namespace sim {

// The adapter's USB chip (an FTDI FT232R) as timing alone: no clock of its own, no system
// calls. Whoever serves the firmware tells it what happened when, and asks it when bytes move
// on. Both directions run at the line rate; what the host writes leaves in the next USB frame;
// what the firmware sends waits in the chip until its latency timer ticks (a free-running grid
// of the current period) or a USB packet's worth (62 bytes) is waiting.
//
//     sim::ChipModel chip(now);
//     chip.hostWrite(request, size, now);          // the host wrote a request
//     ... at chip.nextToFirmware():
//     auto bytes = chip.takeToFirmware(now);       // it has reached the firmware
//     chip.firmwareSend(reply, size, now);         // the firmware starts to answer
//     ... at chip.nextToHost():
//     auto data = chip.takeToHost(now);            // the chip hands it to the host
//     chip.setLatency(std::chrono::milliseconds(2), now); // the host set the latency timer
//
// Single-threaded; all times are of one steady clock, given by the caller and never
// decreasing.
class ChipModel {
public:
    using Clock = std::chrono::steady_clock;
    using TimePoint = Clock::time_point;

    enum class Timing {
        Instant, // bytes move the moment they are written: an ideal line
        Line,    // line rate both ways and the USB frame, but no latency timer
        Chip,    // the chip as it is: line rate, USB frame, latency timer
    };

    static constexpr std::size_t PacketData = 62; // data bytes in one bulk IN packet
    static constexpr std::chrono::microseconds UsbFrame{1000};
    static constexpr std::chrono::milliseconds DefaultLatency{16}; // the chip at power-on
    // The range the chip takes; other values are brought into it.
    static constexpr std::chrono::milliseconds MinLatency{1};
    static constexpr std::chrono::milliseconds MaxLatency{255};

    // `origin` starts the USB frame grid and the latency timer's grid. `bitsPerSecond` is the
    // line rate, 10 bits a byte (the adapter's 8N1).
    explicit ChipModel(TimePoint origin, Timing timing = Timing::Chip, int bitsPerSecond = 19200);

    Timing timing() const { return timing_; }
    // The time one byte takes on the line.
    Clock::duration byteTime() const { return byteTime_; }

    // ---- latency timer ------------------------------------------------------------------

    // The host set the latency timer. The grid restarts at `now` with the new period.
    void setLatency(std::chrono::milliseconds period, TimePoint now);
    std::chrono::milliseconds latency() const { return latency_; }
    // The first tick of the latency timer strictly after `after` (status-only packets go
    // out at each tick when no data waits).
    TimePoint nextTick(TimePoint after) const;

    // ---- host → firmware ----------------------------------------------------------------

    // The host wrote these bytes at `now`. They leave in the next USB frame and reach the
    // firmware at the line rate, behind whatever is still on its way.
    void hostWrite(const std::uint8_t* data, std::size_t size, TimePoint now);
    // When the next written bytes will have reached the firmware; nothing when none travel.
    std::optional<TimePoint> nextToFirmware() const;
    // The bytes that have reached the firmware by `now`, in order, taken out of the chip.
    std::vector<std::uint8_t> takeToFirmware(TimePoint now);

    // ---- firmware → host ----------------------------------------------------------------

    // The firmware starts to send these bytes at `now` (or, when the line is still busy
    // with earlier ones, right behind them); each arrives in the chip one byte time later.
    void firmwareSend(const std::uint8_t* data, std::size_t size, TimePoint now);
    // When the chip next hands bytes to the host; nothing when none are on their way.
    std::optional<TimePoint> nextToHost() const;
    // The bytes the chip has handed to the host by `now`, at most `max`, taken out of the
    // chip; released bytes beyond `max` wait for the next call. A bulk IN packet takes
    // PacketData.
    std::vector<std::uint8_t> takeToHost(TimePoint now,
                                         std::size_t max = std::numeric_limits<std::size_t>::max());
    // Bytes in the chip or on the line towards it, not yet taken by the host.
    std::size_t waitingToHost() const { return toHost_.size(); }

    // ---- purge ----------------------------------------------------------------------------

    void purgeToHost();     // the host's receive purge: the chip's buffer is emptied
    void purgeToFirmware(); // the host's transmit purge: bytes not yet on the line are lost

private:
    struct Timed {
        TimePoint at; // arrival (towards the host) or delivery (towards the firmware)
        std::uint8_t byte;
    };
    // When the front of toHost_ is released; only for Timing::Chip with toHost_ not empty.
    TimePoint releaseTime() const;
    TimePoint nextFrame(TimePoint now) const;

    Timing timing_;
    Clock::duration byteTime_;
    TimePoint origin_;
    TimePoint tickOrigin_;
    std::chrono::milliseconds latency_ = DefaultLatency;
    std::deque<Timed> toFirmware_;
    TimePoint txFree_{}; // the chip's line towards the firmware is free from then on
    std::deque<Timed> toHost_;
    TimePoint rxFree_{};       // the firmware's line towards the chip is free from then on
    std::size_t released_ = 0; // bytes at the front of toHost_ already handed over
};

} // namespace sim
