// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The USB/IP wire format as the kernel's vhci-hcd and the usbip tool speak it: the operations
// that list and import a device, then URB commands and their returns. Every field is in network
// byte order except the setup packet, which travels as USB has it. No system calls here.
namespace sim::usbip {

constexpr std::uint16_t Version = 0x0111;
constexpr std::uint16_t OpReqDevlist = 0x8005;
constexpr std::uint16_t OpRepDevlist = 0x0005;
constexpr std::uint16_t OpReqImport = 0x8003;
constexpr std::uint16_t OpRepImport = 0x0003;

constexpr std::uint32_t CmdSubmit = 1;
constexpr std::uint32_t CmdUnlink = 2;
constexpr std::uint32_t RetSubmit = 3;
constexpr std::uint32_t RetUnlink = 4;

constexpr std::uint32_t DirOut = 0;
constexpr std::uint32_t DirIn = 1;

constexpr std::size_t OpHeaderSize = 8;
constexpr std::size_t BusIdSize = 32;
constexpr std::size_t PathSize = 256;
constexpr std::size_t DeviceRecordSize = 312; // one exported device, without its interfaces
constexpr std::size_t UrbHeaderSize = 48;
constexpr std::size_t IsoDescriptorSize = 16;

// Linux's errno values as a URB status carries them.
constexpr std::int32_t StatusPipe = -32;       // the endpoint stalled
constexpr std::int32_t StatusConnReset = -104; // the URB was unlinked

enum class Speed : std::uint32_t { Low = 1, Full = 2, High = 3 };

// A device as the list and import replies describe it.
struct ExportedDevice {
    std::string path;  // where the device would be in the server's sysfs
    std::string busId; // what `usbip attach -b` names
    std::uint32_t busNumber = 1;
    std::uint32_t deviceNumber = 2;
    Speed speed = Speed::Full;
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
    std::uint16_t bcdDevice = 0;
    std::uint8_t deviceClass = 0;
    std::uint8_t deviceSubClass = 0;
    std::uint8_t deviceProtocol = 0;
    std::uint8_t configurationValue = 1;
    std::uint8_t numConfigurations = 1;
    struct Interface {
        std::uint8_t interfaceClass, interfaceSubClass, interfaceProtocol;
    };
    std::vector<Interface> interfaces;
    // What the client puts into every URB command for this device.
    std::uint32_t devId() const { return busNumber << 16 | deviceNumber; }
};

struct OpHeader {
    std::uint16_t version = 0;
    std::uint16_t code = 0;
    std::uint32_t status = 0;
};

// Operations before an import. `data` holds at least OpHeaderSize bytes.
OpHeader parseOpHeader(const std::uint8_t* data);
// Bytes an operation request takes in all, header included; 0 for a code no server knows.
std::size_t opRequestSize(std::uint16_t code);
// The bus id of an OP_REQ_IMPORT (whole request, header included).
std::string importBusId(const std::uint8_t* request);
std::vector<std::uint8_t> devlistReply(const std::vector<ExportedDevice>& devices);
// The device on success; nothing answers with status 1 (no such device, or it is in use).
std::vector<std::uint8_t> importReply(const ExportedDevice* device);

// One URB command or return: the basic header and the fields of its kind.
struct UrbHeader {
    std::uint32_t command = 0;
    std::uint32_t seqnum = 0;
    std::uint32_t devId = 0;
    std::uint32_t direction = 0;
    std::uint32_t endpoint = 0;
    // CmdSubmit
    std::uint32_t transferFlags = 0;
    std::uint32_t transferLength = 0;
    std::uint32_t startFrame = 0;
    std::uint32_t numberOfPackets = 0;
    std::uint32_t interval = 0;
    std::array<std::uint8_t, 8> setup{};
    // CmdUnlink
    std::uint32_t unlinkSeqnum = 0;
};

// `data` holds UrbHeaderSize bytes.
UrbHeader parseUrbHeader(const std::uint8_t* data);
// Bytes that follow a command's header on the wire: the OUT data and ISO descriptors.
std::size_t urbPayloadSize(const UrbHeader& header);
// A command as the client sends it, OUT data behind the header (tests, a client of our own).
std::vector<std::uint8_t> packCommand(const UrbHeader& header,
                                      const std::vector<std::uint8_t>& outData = {});
// The return of a submitted URB; IN data travel behind it, OUT transfers report their length.
std::vector<std::uint8_t> retSubmit(std::uint32_t seqnum, std::int32_t status,
                                    std::uint32_t actualLength,
                                    const std::vector<std::uint8_t>& inData = {});
std::vector<std::uint8_t> retUnlink(std::uint32_t seqnum, std::int32_t status);

// A return as a client reads it (tests): status, actual length and the data behind it.
struct Return {
    UrbHeader header;
    std::int32_t status = 0;
    std::uint32_t actualLength = 0;
    std::vector<std::uint8_t> data;
};
// One return from the front of `bytes`; nothing while it is incomplete. `inDirection` says
// whether data follow (the client knows from its command).
std::optional<Return> parseReturn(const std::vector<std::uint8_t>& bytes, bool inDirection,
                                  std::size_t& used);

// The USB setup packet of a control transfer.
struct Setup {
    std::uint8_t requestType = 0;
    std::uint8_t request = 0;
    std::uint16_t value = 0;
    std::uint16_t index = 0;
    std::uint16_t length = 0;
    static Setup from(const std::array<std::uint8_t, 8>& bytes);
    std::array<std::uint8_t, 8> bytes() const;
    bool in() const { return (requestType & 0x80) != 0; }
};

} // namespace sim::usbip
