// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/UsbFaults.h"

#include <algorithm>

namespace sim {

const char* UsbFaults::name(Fault fault) {
    switch (fault) {
    case Fault::Stall:
        return "stall";
    case Fault::Short:
        return "short";
    case Fault::Empty:
        return "empty";
    case Fault::Zero:
        return "zero";
    case Fault::Overrun:
        return "overrun";
    case Fault::Parity:
        return "parity";
    case Fault::Framing:
        return "framing";
    case Fault::Late:
        return "late";
    case Fault::Disconnect:
        return "disconnect";
    }
    return "?";
}

const char* UsbFaults::help(Fault fault) {
    switch (fault) {
    case Fault::Stall:
        return "USB/IP: end bulk transfers with a stalled endpoint (-EPIPE); the bytes stay in the "
               "chip.";
    case Fault::Short:
        return "USB/IP: send only part of the waiting bytes in a bulk IN packet.";
    case Fault::Empty:
        return "USB/IP: answer a bulk IN transfer with the status bytes alone while bytes wait.";
    case Fault::Zero:
        return "USB/IP: end a bulk IN transfer with no bytes at all.";
    case Fault::Overrun:
        return "USB/IP: flag an overrun in the status and lose a byte.";
    case Fault::Parity:
        return "USB/IP: flag a parity error in the status and damage a byte.";
    case Fault::Framing:
        return "USB/IP: flag a framing error in the status and damage a byte.";
    case Fault::Late:
        return "USB/IP: hold a bulk IN packet back (see --usb-late-ms).";
    case Fault::Disconnect:
        return "USB/IP: drop off the bus in the middle of a transfer (the connection closes).";
    }
    return "?";
}

void UsbFaults::set(Fault fault, double probability, int count) {
    Rule& rule = rules_[static_cast<std::size_t>(fault)];
    rule.probability = std::clamp(probability, 0.0, 1.0);
    rule.count = std::max(count, 0);
    rule.on = rule.probability > 0 || rule.count > 0;
}

bool UsbFaults::any() const {
    return std::any_of(rules_.begin(), rules_.end(), [](const Rule& rule) { return rule.on; });
}

bool UsbFaults::strikes(Fault fault) {
    Rule& rule = rules_[static_cast<std::size_t>(fault)];
    bool strike = false;
    if (rule.count > 0) {
        --rule.count;
        strike = true;
    } else if (rule.probability > 0) {
        strike = std::uniform_real_distribution<double>(0.0, 1.0)(random_) < rule.probability;
    }
    rule.struck += strike;
    return strike;
}

std::string UsbFaults::summary() const {
    std::string text;
    for (int i = 0; i < Count; ++i) {
        const Rule& rule = rules_[static_cast<std::size_t>(i)];
        if (!rule.on && rule.struck == 0)
            continue;
        text += (text.empty() ? "" : ", ") + std::string(name(static_cast<Fault>(i))) + ' ' +
                std::to_string(rule.struck);
    }
    return text;
}

std::size_t UsbFaults::pick(std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0,
                                                      std::max<std::size_t>(bound, 1) - 1)(random_);
}

} // namespace sim
