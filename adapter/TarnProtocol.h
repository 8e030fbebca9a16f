// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The adapter's wire protocol as both ends speak it: the host's TTarnAdapter and the
// simulator's firmware. Requests travel behind the lead byte, replies behind the acknowledge
// byte; the request's first byte is its command.
namespace tarn {

constexpr std::uint8_t LeadByte = 0x5A;
constexpr std::uint8_t AckByte = 0xA5;

// A block travels in a 32-byte field either way; a write request is 36 bytes after the lead
// byte, whatever its count.
constexpr int MaxBlock = 32;
constexpr int WriteRequestLength = 36;

enum Command : std::uint8_t {
    ReadVersion = 0x10,
    ConnectorPresent = 0x20,
    MemoryKind = 0x70,
    ReadSmall = 0x50,
    ReadLarge = 0x30,
    WriteSmall = 0x60,
    WriteLarge = 0x40,
};

// The adapter's "a connector is plugged in", "large memory" and "written". Any other answer
// means the opposite: adapters do not all say "no" with the same byte.
constexpr std::uint8_t Yes = 2;

} // namespace tarn
