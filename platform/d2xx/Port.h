// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The system driver's private contract: one open device, whatever stands behind it (a
// terminal or an in-process device). The driver keeps the Win32 timeout rules above it.

#include "platform/d2xx/OpenFailure.h"
#include "platform/d2xx/ftd2xx.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace d2xx {

class InProcessDevice;

using Clock = std::chrono::steady_clock;

enum class Io {
    Ready,   // data moved or the device is ready for it
    Timeout, // the deadline passed first
    Gone,    // the device vanished or failed; the handle is of no further use
};

enum class Line { Dtr, Rts, Break };

class Port {
public:
    virtual ~Port() = default;

    // Moves what can be moved now, never blocking; `moved` may be 0 with Ready.
    virtual Io readSome(std::uint8_t* buffer, std::size_t size, std::size_t& moved) = 0;
    virtual Io writeSome(const std::uint8_t* data, std::size_t size, std::size_t& moved) = 0;
    // Waits until reading (writing) can make progress or `deadline` passes.
    virtual Io waitReadable(Clock::time_point deadline) = 0;
    virtual Io waitWritable(Clock::time_point deadline) = 0;

    virtual FT_STATUS queueStatus(DWORD& count) = 0;
    virtual FT_STATUS purge(ULONG mask) = 0;
    virtual FT_STATUS setBaudRate(ULONG rate) = 0;
    virtual FT_STATUS setDataCharacteristics(UCHAR wordLength, UCHAR stopBits, UCHAR parity) = 0;
    virtual FT_STATUS setFlowControl(USHORT flow, UCHAR xon, UCHAR xoff) = 0;
    virtual FT_STATUS setLatency(UCHAR milliseconds) = 0;
    virtual FT_STATUS setLine(Line line, bool on) = 0;
    virtual bool modemStatus(DWORD& bits) = 0;

    // Fresh ports have no time limits, as the vendor's library's handles until their caller
    // sets timeouts: a read waits until all its bytes came, a write until all went.
    FTTIMEOUTS timeouts{0, 0, 0, 0, 0};
};

// Opens a terminal device in raw mode, to be put back as it was when the port goes; nullptr
// with `status` set when it cannot, and `refusal` saying whether the line is held by another
// program or denied to this user. With `pseudoTerminalOnly` (a port file's path) nothing but a
// pseudo-terminal slave of this user's is opened.
std::unique_ptr<Port> openTerminal(const std::string& path, const std::string& latencyFile,
                                   bool pseudoTerminalOnly, FT_STATUS& status,
                                   OpenRefusal& refusal);
// A port on an attached in-process device.
std::unique_ptr<Port> openInProcess(InProcessDevice* device, std::uint64_t attachment);

} // namespace d2xx
