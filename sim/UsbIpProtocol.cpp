#include "sim/UsbIpProtocol.h"

#include <algorithm>

namespace sim::usbip {

namespace {

std::uint32_t get32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

std::uint16_t get16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void put16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

// A NUL-padded text field of a fixed size; the last byte always stays NUL.
void putText(std::vector<std::uint8_t>& out, const std::string& text, std::size_t size) {
    const std::size_t used = std::min(text.size(), size - 1);
    out.insert(out.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(used));
    out.insert(out.end(), size - used, 0);
}

void putOpHeader(std::vector<std::uint8_t>& out, std::uint16_t code, std::uint32_t status) {
    put16(out, Version);
    put16(out, code);
    put32(out, status);
}

void putDevice(std::vector<std::uint8_t>& out, const ExportedDevice& device) {
    putText(out, device.path, PathSize);
    putText(out, device.busId, BusIdSize);
    put32(out, device.busNumber);
    put32(out, device.deviceNumber);
    put32(out, static_cast<std::uint32_t>(device.speed));
    put16(out, device.vendor);
    put16(out, device.product);
    put16(out, device.bcdDevice);
    out.push_back(device.deviceClass);
    out.push_back(device.deviceSubClass);
    out.push_back(device.deviceProtocol);
    out.push_back(device.configurationValue);
    out.push_back(device.numConfigurations);
    out.push_back(static_cast<std::uint8_t>(device.interfaces.size()));
}

void putBasic(std::vector<std::uint8_t>& out, std::uint32_t command, std::uint32_t seqnum) {
    put32(out, command);
    put32(out, seqnum);
    // A server's returns carry no device, direction or endpoint.
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
}

bool hasIsoPackets(const UrbHeader& header) {
    // Non-isochronous URBs carry 0, or 0xFFFFFFFF from newer clients.
    return header.numberOfPackets != 0 && header.numberOfPackets != 0xFFFFFFFFu;
}

} // namespace

OpHeader parseOpHeader(const std::uint8_t* data) {
    return {get16(data), get16(data + 2), get32(data + 4)};
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
    put32(out, static_cast<std::uint32_t>(devices.size()));
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
    header.command = get32(data);
    header.seqnum = get32(data + 4);
    header.devId = get32(data + 8);
    header.direction = get32(data + 12);
    header.endpoint = get32(data + 16);
    if (header.command == CmdUnlink) {
        header.unlinkSeqnum = get32(data + 20);
        return header;
    }
    header.transferFlags = get32(data + 20);
    header.transferLength = get32(data + 24);
    header.startFrame = get32(data + 28);
    header.numberOfPackets = get32(data + 32);
    header.interval = get32(data + 36);
    std::copy(data + 40, data + 48, header.setup.begin());
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
    put32(out, header.command);
    put32(out, header.seqnum);
    put32(out, header.devId);
    put32(out, header.direction);
    put32(out, header.endpoint);
    if (header.command == CmdUnlink) {
        put32(out, header.unlinkSeqnum);
        out.insert(out.end(), 24, 0);
        return out;
    }
    put32(out, header.transferFlags);
    put32(out, header.transferLength);
    put32(out, header.startFrame);
    put32(out, header.numberOfPackets);
    put32(out, header.interval);
    out.insert(out.end(), header.setup.begin(), header.setup.end());
    out.insert(out.end(), outData.begin(), outData.end());
    return out;
}

std::vector<std::uint8_t> retSubmit(std::uint32_t seqnum, std::int32_t status,
                                    std::uint32_t actualLength,
                                    const std::vector<std::uint8_t>& inData) {
    std::vector<std::uint8_t> out;
    putBasic(out, RetSubmit, seqnum);
    put32(out, static_cast<std::uint32_t>(status));
    put32(out, actualLength);
    put32(out, 0); // start frame
    put32(out, 0); // number of packets: none, this is no isochronous transfer
    put32(out, 0); // error count
    out.insert(out.end(), 8, 0);
    out.insert(out.end(), inData.begin(), inData.end());
    return out;
}

std::vector<std::uint8_t> retUnlink(std::uint32_t seqnum, std::int32_t status) {
    std::vector<std::uint8_t> out;
    putBasic(out, RetUnlink, seqnum);
    put32(out, static_cast<std::uint32_t>(status));
    out.insert(out.end(), 24, 0);
    return out;
}

std::optional<Return> parseReturn(const std::vector<std::uint8_t>& bytes, bool inDirection,
                                  std::size_t& used) {
    if (bytes.size() < UrbHeaderSize)
        return std::nullopt;
    Return ret;
    const std::uint8_t* data = bytes.data();
    ret.header.command = get32(data);
    ret.header.seqnum = get32(data + 4);
    ret.status = static_cast<std::int32_t>(get32(data + 20));
    std::size_t size = UrbHeaderSize;
    if (ret.header.command == RetSubmit) {
        ret.actualLength = get32(data + 24);
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
