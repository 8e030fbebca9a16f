#include "adapter/TarnAdapter.h"

#include "Library/Serial/USB/UsbUart.h"
#include "platform/framework/Exceptions.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr const char* Unit = "TarnAdapter";

// The frame, lead byte included, fits 64 bytes.
constexpr int MaxRequest = 63;
// A block travels in a 32-byte field either way.
constexpr int MaxBlock = 32;
constexpr int WriteRequestLength = 36;

enum : std::uint8_t {
    CmdReadVersion = 0x10,
    CmdConnectorPresent = 0x20,
    CmdMemoryKind = 0x70,
    CmdReadSmall = 0x50,
    CmdReadLarge = 0x30,
    CmdWriteSmall = 0x60,
    CmdWriteLarge = 0x40,
};

constexpr std::uint8_t Yes = 2; // the adapter's "present" / "large" / "written"

} // namespace

// ---- TTarnAdapter -------------------------------------------------------------------------

TTarnAdapter::TTarnAdapter() : Monitor(nullptr), Description("USB FETCHer Adapter") {}

TTarnAdapter::~TTarnAdapter() = default;

bool TTarnAdapter::Connect() {
    if (Uart) {
        if (Uart->IsOpen())
            return true;
        throw Exception(ErrorOnFile(Unit, __LINE__));
    }
    std::int32_t index = -1;
    if (!TUsbUart::FindDevice(Description, index))
        return false;
    return OpenUart(index);
}

bool TTarnAdapter::OpenUart(std::int32_t index) {
    auto uart = std::make_unique<TUsbUart>();
    if (!uart->Open(index))
        return false;
    TUartConfig config;
    config.BaudRate = 19200;
    config.DataBits = 8;
    config.StopBits = 10;
    config.Parity = 0;
    config.FlowControl = 0;
    // The results are not looked at: a refusal shows up as a failed exchange.
    uart->SetConfig(config);
    // After SetConfig, which switches reads back to immediate mode.
    uart->SetReadTimeouts(300, 20);
    uart->Purge();
    Uart = std::move(uart);
    return true;
}

void TTarnAdapter::Disconnect() {
    Uart.reset();
}

bool TTarnAdapter::Send(const std::uint8_t* request, int length) {
    if (request == nullptr || length < 1 || length > MaxRequest)
        throw Exception(ErrorOnFile(Unit, __LINE__));
    if (!Connect())
        return false;
    std::uint8_t frame[MaxRequest + 1];
    frame[0] = LeadByte;
    std::memcpy(frame + 1, request, static_cast<std::size_t>(length));
    Uart->Purge();
    const auto expected = static_cast<std::uint32_t>(length + 1);
    if (Uart->Write(frame, expected) != expected) {
        if (Monitor)
            Monitor->TraceText(QStringLiteral("Unable send\n"));
        Disconnect();
        return false;
    }
    if (Monitor)
        Monitor->TraceData(TTraceSink::Request, request, length);
    return true;
}

bool TTarnAdapter::Receive(std::uint8_t* reply, int length) {
    if (reply == nullptr || length < 1)
        throw Exception(ErrorOnFile(Unit, __LINE__));
    if (!Connect())
        return false;
    if (Uart->Read(reply, 1) != 1)
        return false; // nothing within the read time-out
    if (reply[0] != AckByte) {
        if (Monitor)
            Monitor->TraceData(TTraceSink::Unexpected, reply, 1);
        return false;
    }
    const std::uint32_t count = Uart->Read(reply, static_cast<std::uint32_t>(length));
    if (count == 0) {
        if (Monitor)
            Monitor->TraceText(QStringLiteral("Rx timeout\n"));
        return false;
    }
    if (count != static_cast<std::uint32_t>(length)) {
        if (Monitor)
            Monitor->TraceData(TTraceSink::Unexpected, reply, static_cast<int>(count));
        return false;
    }
    if (Monitor)
        Monitor->TraceData(TTraceSink::Reply, reply, length);
    return true;
}

bool TTarnAdapter::Transact(const std::uint8_t* request, int requestLength, std::uint8_t* reply,
                            int replyLength) {
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        if (Send(request, requestLength) && Receive(reply, replyLength))
            return true;
    }
    return false;
}

// ---- TTarnDevice --------------------------------------------------------------------------

TTarnDevice::TTarnDevice() : Version(0), SmallMemory(true), BlockSize(8), Capacity(256) {}

bool TTarnDevice::ReadVersion() {
    const std::uint8_t request[1] = {CmdReadVersion};
    std::uint8_t reply[2];
    if (!Transact(request, 1, reply, 2))
        return false;
    Version = static_cast<std::uint16_t>(reply[0] | reply[1] << 8);
    return true;
}

bool TTarnDevice::CheckConnector(bool& present) {
    present = false;
    std::uint8_t request[1] = {CmdConnectorPresent};
    std::uint8_t reply[1];
    if (!Transact(request, 1, reply, 1))
        return false;
    if (reply[0] != Yes)
        return true;
    request[0] = CmdMemoryKind;
    if (!Transact(request, 1, reply, 1))
        return false;
    const bool large = reply[0] == Yes;
    SmallMemory = !large;
    BlockSize = large ? 32 : 8;
    Capacity = large ? 32768 : 256;
    present = true;
    return true;
}

bool TTarnDevice::ReadBlock(int address, std::uint8_t* destination, int count) {
    if (destination == nullptr || count < 1 || count > MaxBlock)
        throw Exception(ErrorOnFile(Unit, __LINE__));
    std::uint8_t request[WriteRequestLength] = {};
    request[0] = SmallMemory ? CmdReadSmall : CmdReadLarge;
    request[1] = static_cast<std::uint8_t>(address & 0xFF);
    request[2] = static_cast<std::uint8_t>((address >> 8) & 0xFF);
    request[3] = static_cast<std::uint8_t>(count);
    std::uint8_t reply[MaxBlock];
    if (!Transact(request, 4, reply, count))
        return false;
    std::memcpy(destination, reply, static_cast<std::size_t>(count));
    return true;
}

bool TTarnDevice::WriteBlock(int address, const std::uint8_t* source, int count) {
    if (source == nullptr || count < 1 || count > MaxBlock)
        throw Exception(ErrorOnFile(Unit, __LINE__));
    std::uint8_t request[WriteRequestLength] = {};
    request[0] = SmallMemory ? CmdWriteSmall : CmdWriteLarge;
    request[1] = static_cast<std::uint8_t>(address & 0xFF);
    request[2] = static_cast<std::uint8_t>((address >> 8) & 0xFF);
    request[3] = static_cast<std::uint8_t>(count);
    std::memcpy(request + 4, source, static_cast<std::size_t>(count));
    std::uint8_t reply[1];
    return Transact(request, WriteRequestLength, reply, 1) && reply[0] == Yes;
}

bool TTarnDevice::ReadMemory(int address, std::uint8_t* destination, int length) {
    // A zero length would divide by zero in the progress figures.
    if (destination == nullptr || length < 1 || BlockSize < 1)
        throw Exception(ErrorOnFile(Unit, __LINE__));
    if (OnProgress)
        OnProgress(0);
    int remaining = length;
    while (remaining > 0) {
        const int chunk = std::min(remaining, BlockSize);
        remaining -= chunk;
        if (!ReadBlock(address, destination, chunk))
            return false;
        address += chunk;
        destination += chunk;
        if (OnProgress)
            OnProgress((length - remaining) * 100 / length);
    }
    return true;
}

bool TTarnDevice::WriteMemory(int address, const std::uint8_t* source, int length) {
    if (source == nullptr || length < 1 || BlockSize < 1 || address < 0)
        throw Exception(ErrorOnFile(Unit, __LINE__));
    if (OnProgress)
        OnProgress(0);
    // No block may cross a multiple of BlockSize, so the first one ends at the next boundary.
    const int boundary = address / BlockSize * BlockSize + BlockSize;
    int first = boundary - address;
    int remaining = 0;
    if (first < length)
        remaining = length - first;
    else
        first = length;
    if (!WriteBlock(address, source, first))
        return false;
    if (OnProgress)
        OnProgress(first * 100 / length);
    source += first;
    address = boundary;
    while (remaining > 0) {
        const int chunk = std::min(remaining, BlockSize);
        remaining -= chunk;
        if (!WriteBlock(address, source, chunk))
            return false;
        address += chunk;
        source += chunk;
        if (OnProgress)
            OnProgress((length - remaining) * 100 / length);
    }
    return true;
}
