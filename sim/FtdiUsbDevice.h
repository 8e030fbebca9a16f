// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/AdapterFirmware.h"
#include "sim/ChipModel.h"
#include "sim/UsbFaults.h"
#include "sim/UsbIpProtocol.h"

#include <chrono>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace sim {

// The adapter as a USB device: an FTDI FT232R with the adapter's descriptors, FTDI's vendor
// requests, bulk OUT into the firmware and bulk IN packets (two modem-status bytes, then the
// data the chip releases at its latency timer). Plugged in when made, so the chip starts as at
// power-on. No clock and no system calls: the server says what happened when. Faults of the
// USB line, when given, strike the bulk transfers.
class FtdiUsbDevice {
public:
    using TimePoint = ChipModel::TimePoint;

    static constexpr std::uint16_t Vendor = 0x0403;
    static constexpr std::uint16_t Product = 0x6001;
    static constexpr std::uint16_t Bcd = 0x0600; // FT232R
    static constexpr std::uint8_t BulkIn = 0x81;
    static constexpr std::uint8_t BulkOut = 0x02;
    static constexpr std::size_t PacketSize = 64;

    struct Identity {
        std::string description = "USB FETCHer Adapter";
        std::string serial = "SIM0001";
        std::string manufacturer = "FTDI";
    };

    FtdiUsbDevice(AdapterFirmware& firmware, Identity identity, TimePoint now,
                  ChipModel::Timing timing = ChipModel::Timing::Chip,
                  std::chrono::milliseconds answerDelay = {}, UsbFaults* faults = nullptr);

    // The device as `usbip list` shows it.
    usbip::ExportedDevice exported(const std::string& busId) const;

    // A control transfer on endpoint 0; a request the chip does not know stalls.
    struct ControlAnswer {
        bool stall = false;
        std::vector<std::uint8_t> data; // IN: what goes back, at most the setup's length
        std::string log;                // one line for a verbose log
    };
    ControlAnswer control(const usbip::Setup& setup, const std::vector<std::uint8_t>& outData,
                          TimePoint now);

    // Every call below at a time `now` comes after advance(now).

    // The host sent bytes on the bulk OUT endpoint. Stalled: the endpoint stalled and the
    // bytes went nowhere; Gone: the adapter dropped off the bus as they came.
    enum class OutResult { Taken, Stalled, Gone };
    OutResult bulkOut(const std::uint8_t* data, std::size_t size, TimePoint now);

    // Moves bytes along until `now`: into the firmware, and its answers back into the chip.
    // True when the connector memory changed (the server saves it).
    bool advance(TimePoint now);
    // When something next moves, for the server's wait; nothing when all is quiet. The chip's
    // packets count only while the host has a bulk IN transfer waiting for one.
    std::optional<TimePoint> nextEvent(bool hostWaiting) const;
    // A bulk IN packet for a transfer the host has pending, when the chip sends one by `now`:
    // the modem status and the released data, or the status alone when it changed. A fault
    // may stall the endpoint instead or take the adapter off the bus.
    struct InPacket {
        std::vector<std::uint8_t> bytes;
        bool stall = false;
        bool gone = false;
    };
    std::optional<InPacket> bulkIn(TimePoint now);

    std::chrono::milliseconds latency() const { return chip_.latency(); }
    // Verbose lines of the firmware's requests since the last call.
    std::vector<std::string> takeLog();

private:
    struct Answer {
        TimePoint due;
        std::vector<std::uint8_t> bytes;
    };
    ControlAnswer standardRequest(const usbip::Setup& setup);
    ControlAnswer vendorRequest(const usbip::Setup& setup, TimePoint now);
    std::vector<std::uint8_t> descriptor(std::uint8_t type, std::uint8_t index,
                                         std::uint16_t language) const;
    std::array<std::uint8_t, 2> modemStatus() const;
    bool strikes(UsbFaults::Fault fault, const char* where);
    // The faults that change a packet with data: what it carries, and its line status.
    void damage(std::vector<std::uint8_t>& data, std::uint8_t& lineStatus);

    AdapterFirmware& firmware_;
    Identity identity_;
    ChipModel chip_;
    std::chrono::milliseconds answerDelay_;
    UsbFaults* faults_;          // not owned; none: a clean line
    std::deque<Answer> answers_; // firmware replies waiting to go on the line
    // Released bytes that a faulty packet did not carry: they go first in the next one, not
    // before heldUntil_ when a packet was held back.
    std::vector<std::uint8_t> carry_;
    TimePoint heldUntil_{};
    std::uint8_t configuration_ = 0;
    bool dtr_ = false;
    bool rts_ = false;
    bool statusChanged_ = true; // the first IN packet reports the lines
    std::vector<std::string> log_;
};

} // namespace sim
