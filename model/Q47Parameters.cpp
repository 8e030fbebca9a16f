// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Q47Parameters.h"

#include "model/Q47.h"
#include "platform/framework/Exceptions.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace {

// The names of the page's drop-down lists, as the command line reads and writes them.
constexpr TQ47Choice SamplingModes[] = {{0, "Acc. to Samples Count"}, {1, "Continuous"}};
constexpr TQ47Choice VarModes[] = {{0, "Disabled"}, {1, "0 - 20mA"}, {3, "4 - 20mA"}};

using K = TParameterKind;

// In the model's member order; 16-bit fields are little-endian.
const TQ47Parameter Parameters[] = {
    {"PumpPulses", K::Pulses, 0, 2, 0, 65535, &TQ47::PumpPulses, nullptr, nullptr, nullptr, {}},
    {"DeadTime",
     K::Duration,
     2,
     2,
     0,
     54000,
     &TQ47::DeadTime,
     nullptr,
     &TQ47::SetDeadTime,
     nullptr,
     {}},
    {"PrePurge",
     K::Seconds,
     4,
     1,
     1,
     240,
     &TQ47::PrePurge,
     nullptr,
     &TQ47::SetPrePurge,
     nullptr,
     {}},
    {"Aeration",
     K::Seconds,
     5,
     1,
     0,
     255,
     &TQ47::Aeration,
     nullptr,
     &TQ47::SetAeration,
     nullptr,
     {}},
    {"PostPurge",
     K::Seconds,
     6,
     1,
     1,
     240,
     &TQ47::PostPurge,
     nullptr,
     &TQ47::SetPostPurge,
     nullptr,
     {}},
    // From 1 s, not from the minute the page's hint names.
    {"SamplingInterval",
     K::Duration,
     7,
     2,
     1,
     54000,
     &TQ47::SamplingInterval,
     nullptr,
     &TQ47::SetSamplingInterval,
     nullptr,
     {}},
    // Kept in the samples count's byte, which it sets to 0; set directly, without a check.
    {"Continuous", K::Mode, 9, 0, 0, 1, nullptr, nullptr, nullptr, nullptr, SamplingModes},
    // From 1, as the page's hint says: a count of 0 would be written as continuous mode, and the
    // sampler would sample without end where the page said it would stop. An image holding 0
    // still decodes, as continuous mode.
    {"SamplesCount",
     K::Samples,
     9,
     1,
     1,
     255,
     &TQ47::SamplesCount,
     nullptr,
     &TQ47::SetSamplesCount,
     nullptr,
     {}},
    {"AccuWarning",
     K::Volts,
     10,
     1,
     0,
     255,
     nullptr,
     &TQ47::AccuWarning,
     nullptr,
     &TQ47::SetAccuWarning,
     {}},
    {"AccuOff", K::Volts, 11, 1, 0, 255, nullptr, &TQ47::AccuOff, nullptr, &TQ47::SetAccuOff, {}},
    {"MaxSuctionTime",
     K::Seconds,
     12,
     1,
     0,
     255,
     &TQ47::MaxSuctionTime,
     nullptr,
     &TQ47::SetMaxSuctionTime,
     nullptr,
     {}},
    {"PurgesCount",
     K::Count,
     14,
     1,
     0,
     5,
     &TQ47::PurgesCount,
     nullptr,
     &TQ47::SetPurgesCount,
     nullptr,
     {}},
    // 2 passes the setter and has no name.
    {"VarMode", K::VarMode, 15, 1, 0, 3, &TQ47::VarMode, nullptr, &TQ47::SetVarMode, nullptr,
     VarModes},
};

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::span<const TQ47Parameter> Q47Parameters() {
    return Parameters;
}

const TQ47Parameter* FindQ47Parameter(std::string_view name) {
    for (const TQ47Parameter& parameter : Parameters) {
        if (SameName(name, parameter.Name))
            return &parameter;
    }
    return nullptr;
}

std::string_view Q47ImagePart(int offset) {
    if (offset < 0 || offset >= TQ47::ImageSize)
        throw Exception(ErrorOnFile());
    for (const TQ47Parameter& parameter : Parameters) {
        if (offset >= parameter.Offset && offset < parameter.Offset + parameter.Width)
            return parameter.Name;
    }
    if (offset == TQ47::ConstantOffset)
        return "constant";
    return offset >= TQ47::ChecksumOffset ? "checksum" : "reserved";
}

int Q47VarModeItem(int code) {
    for (std::size_t item = 0; item < std::size(VarModes); ++item)
        if (VarModes[item].Value == code)
            return static_cast<int>(item);
    return 0;
}

std::optional<int> Q47VarModeCode(int item) {
    if (item < 0 || item >= static_cast<int>(std::size(VarModes)))
        return std::nullopt;
    return VarModes[item].Value;
}
