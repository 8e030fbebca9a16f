// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <string>

namespace sim {

// What a worn cable, a hub or a busy host does to the USB line between the adapter's chip and
// the kernel's driver, for the USB/IP device. Like the firmware's faults, each one strikes the
// next N times it can, then each further time with a probability; the strikes are counted.
class UsbFaults {
public:
    enum class Fault {
        Stall,      // a bulk transfer ends with a stalled endpoint; its data stay in the chip
        Short,      // a bulk IN packet carries only part of the bytes waiting
        Empty,      // a bulk IN packet carries the status bytes alone while bytes wait
        Zero,       // a bulk IN transfer ends with no bytes at all
        Overrun,    // the status flags an overrun: the chip's buffer lost a byte
        Parity,     // the status flags a parity error on a byte that came in damaged
        Framing,    // the status flags a framing error on a byte that came in damaged
        Late,       // a bulk IN packet is held back for lateDelay
        Disconnect, // the adapter drops off the bus in the middle of a transfer
    };
    static constexpr int Count = 9;
    static const char* name(Fault fault); // "stall", ... (the options are "usb-" + name)
    static const char* help(Fault fault);

    void set(Fault fault, double probability, int count = 0);
    void setSeed(std::uint32_t seed) { random_.seed(seed); }
    bool any() const;
    // Whether the fault strikes now; a strike is counted.
    bool strikes(Fault fault);
    int struck(Fault fault) const { return rules_[static_cast<std::size_t>(fault)].struck; }
    // "stall 2, short 5, ..." over the faults that are switched on.
    std::string summary() const;
    // A random number below `bound` (at least 1), for where a fault strikes within a packet.
    std::size_t pick(std::size_t bound);

    std::chrono::milliseconds lateDelay{50};

private:
    struct Rule {
        double probability = 0;
        int count = 0;
        bool on = false;
        int struck = 0;
    };
    std::array<Rule, Count> rules_{};
    std::mt19937 random_{1};
};

} // namespace sim
