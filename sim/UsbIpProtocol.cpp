// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/UsbIpProtocol.h"

#include <algorithm>
#include <initializer_list>
#include <span>

namespace sim::usbip {

namespace {

// One field in network byte order, whatever its width.
template <typename T>
T get(const std::uint8_t* p) {
    T value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        value = static_cast<T>(value << 8 | p[i]);
    return value;
}

template <typename T>
void put(std::vector<std::uint8_t>& out, T value) {
    for (std::size_t i = sizeof(T); i-- > 0;)
        out.push_back(static_cast<std::uint8_t>(value >> 8 * i));
}

// The 32-bit words of a URB header: the basic header, then those of a submit or an unlink.
using Word = std::uint32_t UrbHeader::*;
constexpr Word BasicWords[] = {&UrbHeader::command, &UrbHeader::seqnum, &UrbHeader::devId,
                               &UrbHeader::direction, &UrbHeader::endpoint};
constexpr Word SubmitWords[] = {&UrbHeader::transferFlags, &UrbHeader::transferLength,
                                &UrbHeader::startFrame, &UrbHeader::numberOfPackets,
                                &UrbHeader::interval};
constexpr Word UnlinkWords[] = {&UrbHeader::unlinkSeqnum};

// Calls `each` with the words of a command's header in the order they travel; the setup
// packet or the padding follows them.
template <typename Each>
void eachWord(std::uint32_t command, Each each) {
    for (Word word : BasicWords)
        each(word);
    for (Word word : command == CmdUnlink ? std::span<const Word>(UnlinkWords) : SubmitWords)
        each(word);
}

// A NUL-padded text field of a fixed size; the last byte always stays NUL.
void putText(std::vector<std::uint8_t>& out, const std::string& text, std::size_t size) {
    const std::size_t used = std::min(text.size(), size - 1);
    out.insert(out.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(used));
    out.insert(out.end(), size - used, 0);
}

void putOpHeader(std::vector<std::uint8_t>& out, std::uint16_t code, std::uint32_t status) {
    put(out, Version);
    put(out, code);
    put(out, status);
}

void putDevice(std::vector<std::uint8_t>& out, const ExportedDevice& device) {
    putText(out, device.path, PathSize);
    putText(out, device.busId, BusIdSize);
    for (std::uint32_t word :
         {device.busNumber, device.deviceNumber, static_cast<std::uint32_t>(device.speed)})
        put(out, word);
    for (std::uint16_t half : {device.vendor, device.product, device.bcdDevice})
        put(out, half);
    out.insert(out.end(), {device.deviceClass, device.deviceSubClass, device.deviceProtocol,
                           device.configurationValue, device.numConfigurations,
                           static_cast<std::uint8_t>(device.interfaces.size())});
}

// A return's header: a server's returns carry no device, direction or endpoint. Then the
// status, the words of its kind, and zeros to the header's size.
std::vector<std::uint8_t> returnHeader(std::uint32_t command, std::uint32_t seqnum,
                                       std::int32_t status,
                                       std::initializer_list<std::uint32_t> words) {
    std::vector<std::uint8_t> out;
    for (std::uint32_t word : {command, seqnum, 0u, 0u, 0u, static_cast<std::uint32_t>(status)})
        put(out, word);
    for (std::uint32_t word : words)
        put(out, word);
    out.resize(UrbHeaderSize);
    return out;
}

bool hasIsoPackets(const UrbHeader& header) {
    // Non-isochronous URBs carry 0, or 0xFFFFFFFF from newer clients.
    return header.numberOfPackets != 0 && header.numberOfPackets != 0xFFFFFFFFu;
}

} // namespace

OpHeader parseOpHeader(const std::uint8_t* data) {
    return {get<std::uint16_t>(data), get<std::uint16_t>(data + 2), get<std::uint32_t>(data + 4)};
}

std::size_t opRequestSize(std::uint16_t code) {
    switch (code) {
    case OpReqDevlist:
        return OpHeaderSize;
    case OpReqImport:
        return OpHeaderSize + BusIdSize;
    default:
        return 0;
    }
}

std::string importBusId(const std::uint8_t* request) {
    const auto* text = reinterpret_cast<const char*>(request + OpHeaderSize);
    return std::string(text, std::find(text, text + BusIdSize, '\0'));
}

std::vector<std::uint8_t> devlistReply(const std::vector<ExportedDevice>& devices) {
    std::vector<std::uint8_t> out;
    putOpHeader(out, OpRepDevlist, 0);
    put(out, static_cast<std::uint32_t>(devices.size()));
    for (const ExportedDevice& device : devices) {
        putDevice(out, device);
        for (const auto& interface : device.interfaces) {
            out.push_back(interface.interfaceClass);
            out.push_back(interface.interfaceSubClass);
            out.push_back(interface.interfaceProtocol);
            out.push_back(0);
        }
    }
    return out;
}

std::vector<std::uint8_t> importReply(const ExportedDevice* device) {
    std::vector<std::uint8_t> out;
    putOpHeader(out, OpRepImport, device ? 0 : 1);
    if (device)
        putDevice(out, *device);
    return out;
}

UrbHeader parseUrbHeader(const std::uint8_t* data) {
    UrbHeader header;
    header.command = get<std::uint32_t>(data);
    eachWord(header.command, [&](Word word) {
        header.*word = get<std::uint32_t>(data);
        data += 4;
    });
    if (header.command != CmdUnlink)
        std::copy(data, data + header.setup.size(), header.setup.begin());
    return header;
}

std::size_t urbPayloadSize(const UrbHeader& header) {
    if (header.command != CmdSubmit)
        return 0;
    std::size_t size = header.direction == DirOut ? header.transferLength : 0;
    if (hasIsoPackets(header))
        size += std::size_t{header.numberOfPackets} * IsoDescriptorSize;
    return size;
}

std::vector<std::uint8_t> packCommand(const UrbHeader& header,
                                      const std::vector<std::uint8_t>& outData) {
    std::vector<std::uint8_t> out;
    eachWord(header.command, [&](Word word) { put(out, header.*word); });
    if (header.command == CmdUnlink) {
        out.resize(UrbHeaderSize);
        return out;
    }
    out.insert(out.end(), header.setup.begin(), header.setup.end());
    out.insert(out.end(), outData.begin(), outData.end());
    return out;
}

std::vector<std::uint8_t> retSubmit(std::uint32_t seqnum, std::int32_t status,
                                    std::uint32_t actualLength,
                                    const std::vector<std::uint8_t>& inData) {
    // Start frame, number of packets (none: this is no isochronous transfer), error count and
    // setup are all zero.
    std::vector<std::uint8_t> out = returnHeader(RetSubmit, seqnum, status, {actualLength});
    out.insert(out.end(), inData.begin(), inData.end());
    return out;
}

std::vector<std::uint8_t> retUnlink(std::uint32_t seqnum, std::int32_t status) {
    return returnHeader(RetUnlink, seqnum, status, {});
}

std::optional<Return> parseReturn(const std::vector<std::uint8_t>& bytes, bool inDirection,
                                  std::size_t& used) {
    if (bytes.size() < UrbHeaderSize)
        return std::nullopt;
    Return ret;
    const std::uint8_t* data = bytes.data();
    ret.header.command = get<std::uint32_t>(data);
    ret.header.seqnum = get<std::uint32_t>(data + 4);
    ret.status = static_cast<std::int32_t>(get<std::uint32_t>(data + 20));
    std::size_t size = UrbHeaderSize;
    if (ret.header.command == RetSubmit) {
        ret.actualLength = get<std::uint32_t>(data + 24);
        if (inDirection) {
            if (bytes.size() < size + ret.actualLength)
                return std::nullopt;
            ret.data.assign(bytes.begin() + UrbHeaderSize,
                            bytes.begin() + UrbHeaderSize + ret.actualLength);
            size += ret.actualLength;
        }
    }
    used = size;
    return ret;
}

Setup Setup::from(const std::array<std::uint8_t, 8>& b) {
    return {b[0], b[1], static_cast<std::uint16_t>(b[2] | b[3] << 8),
            static_cast<std::uint16_t>(b[4] | b[5] << 8),
            static_cast<std::uint16_t>(b[6] | b[7] << 8)};
}

std::array<std::uint8_t, 8> Setup::bytes() const {
    return {requestType,
            request,
            static_cast<std::uint8_t>(value),
            static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(index),
            static_cast<std::uint8_t>(index >> 8),
            static_cast<std::uint8_t>(length),
            static_cast<std::uint8_t>(length >> 8)};
}

} // namespace sim::usbip
