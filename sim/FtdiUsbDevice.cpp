// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/FtdiUsbDevice.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace sim {

namespace {

// Standard requests (USB 2.0, chapter 9).
enum : std::uint8_t {
    GetStatus = 0,
    ClearFeature = 1,
    SetFeature = 3,
    SetAddress = 5,
    GetDescriptor = 6,
    GetConfiguration = 8,
    SetConfiguration = 9,
    GetInterface = 10,
    SetInterface = 11,
};
enum : std::uint8_t { DeviceDescriptor = 1, ConfigDescriptor = 2, StringDescriptor = 3 };

// FTDI's vendor requests, as its chips and Linux's ftdi_sio know them.
enum : std::uint8_t {
    FtdiReset = 0x00,
    FtdiModemControl = 0x01,
    FtdiFlowControl = 0x02,
    FtdiBaudRate = 0x03,
    FtdiData = 0x04,
    FtdiModemStatus = 0x05,
    FtdiEventChar = 0x06,
    FtdiErrorChar = 0x07,
    FtdiSetLatency = 0x09,
    FtdiGetLatency = 0x0A,
    FtdiBitMode = 0x0B,
    FtdiReadPins = 0x0C,
    FtdiReadEeprom = 0x90,
};

// The resets' wValue: the whole chip, or one of its buffers. FTDI's "RX" is the chip's
// receive side, what goes towards the host.
enum : std::uint16_t { ResetChip = 0, PurgeRx = 1, PurgeTx = 2 };

std::vector<std::uint8_t> stringDescriptor(const std::string& text) {
    // The adapter's strings are ASCII; UTF-16LE is then the bytes with a zero behind each.
    std::vector<std::uint8_t> out{0, StringDescriptor};
    for (char c : text.substr(0, 126)) {
        out.push_back(static_cast<std::uint8_t>(c));
        out.push_back(0);
    }
    out[0] = static_cast<std::uint8_t>(out.size());
    return out;
}

std::string hexWord(std::uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", value);
    return text;
}

} // namespace

FtdiUsbDevice::FtdiUsbDevice(AdapterFirmware& firmware, Identity identity, TimePoint now,
                             ChipModel::Timing timing, std::chrono::milliseconds answerDelay,
                             UsbFaults* faults)
    : firmware_(firmware), identity_(std::move(identity)), chip_(now, timing),
      answerDelay_(answerDelay), faults_(faults) {}

usbip::ExportedDevice FtdiUsbDevice::exported(const std::string& busId) const {
    usbip::ExportedDevice device;
    device.path = "/sys/devices/platform/brookfetch-adapter-sim/usb1/" + busId;
    device.busId = busId;
    device.vendor = Vendor;
    device.product = Product;
    device.bcdDevice = Bcd;
    device.configurationValue = configuration_;
    device.interfaces = {{0xFF, 0xFF, 0xFF}};
    return device;
}

std::vector<std::uint8_t> FtdiUsbDevice::descriptor(std::uint8_t type, std::uint8_t index,
                                                    std::uint16_t language) const {
    switch (type) {
    case DeviceDescriptor:
        return {18,   DeviceDescriptor,
                0x00, 0x02,
                0,    0,
                0,    8, // USB 2.0, 8-byte endpoint 0
                0x03, 0x04,
                0x01, 0x60, // 0403:6001
                0x00, 0x06, // bcdDevice 0x0600
                1,    2,
                3,    1};
    case ConfigDescriptor:
        return {9,          ConfigDescriptor,
                32,         0,
                1,          1,
                0,          0xA0,
                45, // bus-powered, 90 mA
                9,          4,
                0,          0,
                2,          0xFF,
                0xFF,       0xFF,
                2, // one vendor interface
                7,          5,
                BulkIn,     2,
                PacketSize, 0,
                0, //
                7,          5,
                BulkOut,    2,
                PacketSize, 0,
                0};
    case StringDescriptor:
        if (index == 0)
            return {4, StringDescriptor, 0x09, 0x04}; // English (United States)
        if (language != 0x0409)
            return {};
        if (index == 1)
            return stringDescriptor(identity_.manufacturer);
        if (index == 2)
            return stringDescriptor(identity_.description);
        if (index == 3)
            return stringDescriptor(identity_.serial);
        return {};
    default:
        return {}; // a full-speed device has no qualifier; the host asks and is told so
    }
}

FtdiUsbDevice::ControlAnswer FtdiUsbDevice::standardRequest(const usbip::Setup& setup) {
    ControlAnswer answer;
    switch (setup.request) {
    case GetDescriptor:
        answer.data = descriptor(static_cast<std::uint8_t>(setup.value >> 8),
                                 static_cast<std::uint8_t>(setup.value), setup.index);
        answer.stall = answer.data.empty();
        break;
    case GetStatus:
        answer.data = {0, 0};
        break;
    case GetConfiguration:
        answer.data = {configuration_};
        break;
    case GetInterface:
        answer.data = {0};
        break;
    case SetConfiguration:
        answer.stall = setup.value > 1;
        if (!answer.stall)
            configuration_ = static_cast<std::uint8_t>(setup.value);
        break;
    case SetAddress:
    case SetInterface:
    case ClearFeature:
    case SetFeature:
        break;
    default:
        answer.stall = true;
    }
    return answer;
}

std::array<std::uint8_t, 2> FtdiUsbDevice::modemStatus() const {
    // No handshake lines are wired on the adapter; the transmitter is always empty, since
    // the firmware takes what the chip sends at once.
    return {0x01, 0x60};
}

FtdiUsbDevice::ControlAnswer FtdiUsbDevice::vendorRequest(const usbip::Setup& setup,
                                                          TimePoint now) {
    ControlAnswer answer;
    switch (setup.request) {
    case FtdiReset:
        if (setup.value == ResetChip || setup.value == PurgeRx)
            chip_.purgeToHost();
        if (setup.value == ResetChip || setup.value == PurgeTx)
            chip_.purgeToFirmware();
        break;
    case FtdiModemControl:
        if (setup.value & 0x0100)
            dtr_ = setup.value & 0x01;
        if (setup.value & 0x0200)
            rts_ = setup.value & 0x02;
        break;
    case FtdiFlowControl:
    case FtdiBaudRate:
    case FtdiData:
    case FtdiEventChar:
    case FtdiErrorChar:
    case FtdiBitMode:
        // Recorded in the log only: the adapter's firmware runs at 19200 8N1 whatever the
        // host sets, as the real one does.
        break;
    case FtdiSetLatency:
        chip_.setLatency(std::chrono::milliseconds(setup.value & 0xFF), now);
        break;
    case FtdiGetLatency:
        answer.data = {static_cast<std::uint8_t>(chip_.latency().count())};
        break;
    case FtdiModemStatus: {
        const auto status = modemStatus();
        answer.data.assign(status.begin(), status.end());
        break;
    }
    case FtdiReadPins:
        answer.data = {0};
        break;
    case FtdiReadEeprom:
        // A blank configuration: no pin is set up for general-purpose use.
        answer.data = {0, 0};
        break;
    default:
        answer.stall = true;
    }
    return answer;
}

FtdiUsbDevice::ControlAnswer FtdiUsbDevice::control(const usbip::Setup& setup,
                                                    const std::vector<std::uint8_t>& /*outData*/,
                                                    TimePoint now) {
    const std::uint8_t type = setup.requestType & 0x60;
    ControlAnswer answer;
    if (type == 0x00)
        answer = standardRequest(setup);
    else if (type == 0x40)
        answer = vendorRequest(setup, now);
    else
        answer.stall = true;
    if (answer.data.size() > setup.length)
        answer.data.resize(setup.length);
    if (!setup.in())
        answer.data.clear();
    char line[96];
    std::snprintf(line, sizeof line, "control %02X %02X value %s index %s length %u%s",
                  setup.requestType, setup.request, hexWord(setup.value).c_str(),
                  hexWord(setup.index).c_str(), setup.length, answer.stall ? ": stall" : "");
    answer.log = line;
    return answer;
}

bool FtdiUsbDevice::strikes(UsbFaults::Fault fault, const char* where) {
    if (faults_ == nullptr || !faults_->strikes(fault))
        return false;
    log_.push_back(std::string("usb fault: ") + UsbFaults::name(fault) + " (" + where + ")");
    return true;
}

FtdiUsbDevice::OutResult FtdiUsbDevice::bulkOut(const std::uint8_t* data, std::size_t size,
                                                TimePoint now) {
    if (strikes(UsbFaults::Fault::Disconnect, "bulk OUT"))
        return OutResult::Gone;
    if (strikes(UsbFaults::Fault::Stall, "bulk OUT"))
        return OutResult::Stalled;
    chip_.hostWrite(data, size, now);
    return OutResult::Taken;
}

bool FtdiUsbDevice::advance(TimePoint now) {
    bool stored = false;
    // Events in the order they happen, so the chip sees its times never going back.
    for (;;) {
        const auto toFirmware = chip_.nextToFirmware();
        const bool answerDue = !answers_.empty() && answers_.front().due <= now;
        const bool bytesDue = toFirmware && *toFirmware <= now;
        if (!answerDue && !bytesDue)
            break;
        if (answerDue && (!bytesDue || answers_.front().due <= *toFirmware)) {
            const Answer answer = std::move(answers_.front());
            answers_.pop_front();
            chip_.firmwareSend(answer.bytes.data(), answer.bytes.size(), answer.due);
            continue;
        }
        const TimePoint at = *toFirmware;
        const std::vector<std::uint8_t> bytes = chip_.takeToFirmware(at);
        for (auto& reply : firmware_.receive(bytes.data(), bytes.size(), at)) {
            log_.push_back(reply.logLine());
            stored = stored || reply.stored;
            if (reply.reply.empty())
                continue;
            TimePoint due = at + answerDelay_ + reply.delay;
            // Replies leave in order even when one of them is slow.
            if (!answers_.empty())
                due = std::max(due, answers_.back().due);
            answers_.push_back({due, std::move(reply.reply)});
        }
    }
    return stored;
}

std::optional<FtdiUsbDevice::TimePoint> FtdiUsbDevice::nextEvent(bool hostWaiting) const {
    std::optional<TimePoint> next = chip_.nextToFirmware();
    const auto consider = [&next](std::optional<TimePoint> candidate) {
        if (candidate && (!next || *candidate < *next))
            next = candidate;
    };
    if (!answers_.empty())
        consider(answers_.front().due);
    if (hostWaiting) {
        std::optional<TimePoint> packet = chip_.nextToHost();
        if (statusChanged_ || !carry_.empty())
            packet = TimePoint{};
        if (packet)
            consider(std::max(*packet, heldUntil_));
    }
    return next;
}

void FtdiUsbDevice::damage(std::vector<std::uint8_t>& data, std::uint8_t& lineStatus) {
    // FTDI's line-status bits in the second status byte; ftdi_sio flags the packet's bytes.
    enum : std::uint8_t { OverrunError = 0x02, ParityError = 0x04, FramingError = 0x08 };
    if (data.size() > 1 && strikes(UsbFaults::Fault::Short, "bulk IN")) {
        const std::size_t keep = 1 + faults_->pick(data.size() - 1);
        carry_.assign(data.begin() + static_cast<long>(keep), data.end());
        data.resize(keep);
    }
    if (strikes(UsbFaults::Fault::Overrun, "bulk IN")) {
        lineStatus |= OverrunError;
        data.erase(data.begin() + static_cast<long>(faults_->pick(data.size())));
    }
    for (const auto& [fault, bit] : {std::pair{UsbFaults::Fault::Parity, ParityError},
                                     std::pair{UsbFaults::Fault::Framing, FramingError}}) {
        if (!data.empty() && strikes(fault, "bulk IN")) {
            lineStatus |= bit;
            data[faults_->pick(data.size())] ^= static_cast<std::uint8_t>(1u << faults_->pick(8));
        }
    }
}

std::optional<FtdiUsbDevice::InPacket> FtdiUsbDevice::bulkIn(TimePoint now) {
    if (now < heldUntil_)
        return std::nullopt;
    std::vector<std::uint8_t> data = std::exchange(carry_, {});
    const std::vector<std::uint8_t> more =
        chip_.takeToHost(now, ChipModel::PacketData - std::min(data.size(), ChipModel::PacketData));
    data.insert(data.end(), more.begin(), more.end());
    if (data.empty() && !statusChanged_)
        return std::nullopt;
    statusChanged_ = false;
    auto status = modemStatus();
    InPacket packet;
    if (!data.empty()) {
        // A packet that goes out without its bytes leaves them for the next one.
        if (strikes(UsbFaults::Fault::Disconnect, "bulk IN")) {
            packet.gone = true;
            return packet;
        }
        if (strikes(UsbFaults::Fault::Late, "bulk IN")) {
            carry_ = std::move(data);
            heldUntil_ = now + faults_->lateDelay;
            return std::nullopt;
        }
        if (strikes(UsbFaults::Fault::Stall, "bulk IN")) {
            carry_ = std::move(data);
            packet.stall = true;
            return packet;
        }
        if (strikes(UsbFaults::Fault::Zero, "bulk IN")) {
            carry_ = std::move(data);
            return packet;
        }
        if (strikes(UsbFaults::Fault::Empty, "bulk IN")) {
            carry_ = std::move(data);
            packet.bytes.assign(status.begin(), status.end());
            return packet;
        }
        damage(data, status[1]);
    }
    packet.bytes.assign(status.begin(), status.end());
    packet.bytes.insert(packet.bytes.end(), data.begin(), data.end());
    return packet;
}

std::vector<std::string> FtdiUsbDevice::takeLog() {
    return std::exchange(log_, {});
}

} // namespace sim
