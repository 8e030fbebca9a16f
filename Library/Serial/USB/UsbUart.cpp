// SPDX-License-Identifier: GPL-3.0-or-later
#include "Library/Serial/USB/UsbUart.h"

#include "platform/framework/Exceptions.h"

#include <chrono>
#include <cstdint>
#include <thread>

namespace {

// The listing buffers: a USB description and a serial number fit these. FT_ListDevices takes
// no length, so the serial number gets the 64 bytes FTDI's programmer's guide gives it.
constexpr std::size_t DescriptionSize = 256;
constexpr std::size_t SerialSize = 64;

constexpr int PurgeAttempts = 10;
constexpr auto PurgePause = std::chrono::milliseconds(50);

// "No handle held": all bits set.
FT_HANDLE noHandle() {
    return reinterpret_cast<FT_HANDLE>(~std::uintptr_t{0});
}

// FT_ListDevices takes a device index in place of its first pointer.
PVOID indexArgument(std::int32_t index) {
    return reinterpret_cast<PVOID>(static_cast<std::uintptr_t>(static_cast<DWORD>(index)));
}

[[noreturn]] void raiseOnFile(const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
    throw Exception(ErrorOnFile(file, line));
}

[[noreturn]] void raiseSwitch(const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
    throw Exception(ErrorSwitchFile(file, line));
}

} // namespace

TSerial::TSerial() : DeviceIndex(-1) {}

TSerial::~TSerial() = default;

TUart::~TUart() = default;

TUsbUart::TUsbUart() : Handle(noHandle()), ImmediateRead(true), LatencyMs(16) {
    Dtr = false;
    Rts = false;
    Break = false;
    Config = TUartConfig{9600, 8, 10, 0, 0};
}

TUsbUart::~TUsbUart() {
    Close();
}

QList<TUsbDevice> TUsbUart::ListDevices(TListing listing) {
    QList<TUsbDevice> devices;
    DWORD count = 0;
    if (FT_ListDevices(&count, nullptr, FT_LIST_NUMBER_ONLY) != FT_OK)
        return devices;
    for (DWORD i = 0; i < count; ++i) {
        const auto index = static_cast<std::int32_t>(i);
        char description[DescriptionSize] = {};
        if (FT_ListDevices(indexArgument(index), description,
                           FT_LIST_BY_INDEX | FT_OPEN_BY_DESCRIPTION) != FT_OK)
            continue;
        description[DescriptionSize - 1] = '\0';
        char serial[SerialSize] = {};
        if (listing == TListing::WithSerialNumbers &&
            FT_ListDevices(indexArgument(index), serial,
                           FT_LIST_BY_INDEX | FT_OPEN_BY_SERIAL_NUMBER) != FT_OK)
            serial[0] = '\0';
        serial[SerialSize - 1] = '\0';
        devices.append({index, QString::fromUtf8(description), QString::fromUtf8(serial),
                        QString::fromStdString(d2xx::devicePort(index))});
    }
    return devices;
}

bool TUsbUart::FindDevice(const QString& description, std::int32_t& index) {
    int matches = 0;
    std::int32_t found = -1;
    // One description listing per device: the status timer looks for the adapter this way
    // every second.
    for (const TUsbDevice& device : ListDevices(TListing::Descriptions)) {
        // Case-sensitive, whole string.
        if (device.Description == description) {
            ++matches;
            found = device.Index;
        }
    }
    if (matches != 1)
        return false;
    index = found;
    return true;
}

bool TUsbUart::DriverAvailable() {
    return d2xx::driverAvailable();
}

bool TUsbUart::Open(std::int32_t index) {
    d2xx::OpenFailure ignored;
    return Open(index, ignored);
}

bool TUsbUart::Open(std::int32_t index, d2xx::OpenFailure& failure) {
    failure = {};
    if (index == -1)
        raiseOnFile();
    if (IsOpen())
        Close();

    char description[DescriptionSize] = {};
    if (FT_ListDevices(indexArgument(index), description,
                       FT_LIST_BY_INDEX | FT_OPEN_BY_DESCRIPTION) != FT_OK)
        return false;
    description[DescriptionSize - 1] = '\0';
    Description = QString::fromUtf8(description);

    char serial[SerialSize] = {};
    if (FT_ListDevices(indexArgument(index), serial, FT_LIST_BY_INDEX | FT_OPEN_BY_SERIAL_NUMBER) !=
        FT_OK)
        return false;
    serial[SerialSize - 1] = '\0';
    SerialNumber = QString::fromUtf8(serial);

    if (d2xx::openDevice(index, &Handle, failure) != FT_OK)
        return false;
    FT_SetLatencyTimer(Handle, static_cast<UCHAR>(LatencyMs & 0xFF));
    DeviceIndex = index;
    return true;
}

void TUsbUart::Close() {
    if (IsOpen())
        FT_W32_CloseHandle(Handle);
    Handle = noHandle();
    DeviceIndex = -1;
}

std::uint32_t TUsbUart::Write(const void* data, std::uint32_t count) {
    if (!IsOpen())
        raiseOnFile();
    DWORD written = 0;
    if (!FT_W32_WriteFile(Handle, const_cast<void*>(data), count, &written, nullptr))
        return 0;
    return written;
}

std::uint32_t TUsbUart::Read(void* buffer, std::uint32_t count) {
    if (!IsOpen())
        raiseOnFile();
    auto bytes = static_cast<std::uint8_t*>(buffer);
    DWORD read = 0;
    if (ImmediateRead) {
        DWORD queued = 0;
        if (FT_GetQueueStatus(Handle, &queued) != FT_OK)
            return 0;
        if (queued == 0)
            return 0;
        const DWORD wanted = count < queued ? count : queued;
        if (!FT_W32_ReadFile(Handle, bytes, wanted, &read, nullptr))
            return 0;
        return read;
    }
    // A timed read always stores its first byte; with no room for one there is nothing to do.
    if (count == 0)
        return 0;
    if (!FT_W32_ReadFile(Handle, bytes, 1, &read, nullptr))
        return 0;
    if (read != 1)
        return 0;
    if (count == 1)
        return 1;
    read = 0;
    if (!FT_W32_ReadFile(Handle, bytes + 1, count - 1, &read, nullptr))
        return 0;
    return read + 1;
}

void TUsbUart::Purge() {
    if (!IsOpen())
        raiseOnFile();
    for (int attempt = 0; attempt < PurgeAttempts; ++attempt) {
        FT_Purge(Handle, FT_PURGE_RX | FT_PURGE_TX);
        DWORD queued = 0;
        if (FT_GetQueueStatus(Handle, &queued) != FT_OK)
            return;
        if (queued == 0)
            return;
        std::this_thread::sleep_for(PurgePause);
    }
    raiseOnFile();
}

bool TUsbUart::SetReadImmediate() {
    if (!IsOpen())
        raiseOnFile();
    ImmediateRead = true;
    FTTIMEOUTS timeouts{};
    FT_W32_GetCommTimeouts(Handle, &timeouts);
    timeouts.ReadIntervalTimeout = 0xFFFFFFFF;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = 0;
    return FT_W32_SetCommTimeouts(Handle, &timeouts) != 0;
}

bool TUsbUart::SetReadTimeouts(std::int32_t total, std::int32_t perByte) {
    if (!IsOpen())
        raiseOnFile();
    // Both limits at zero would mean "wait for ever" to the driver; a negative per-byte
    // value would turn into a wait of weeks.
    if (perByte < 0 || (perByte == 0 && total <= 0))
        raiseOnFile();
    ImmediateRead = false;
    if (total <= perByte)
        total = static_cast<std::int32_t>(static_cast<std::uint32_t>(perByte) * 20u);
    FTTIMEOUTS timeouts{};
    FT_W32_GetCommTimeouts(Handle, &timeouts);
    timeouts.ReadIntervalTimeout = 0;
    timeouts.ReadTotalTimeoutMultiplier = static_cast<DWORD>(perByte);
    timeouts.ReadTotalTimeoutConstant = static_cast<DWORD>(total);
    return FT_W32_SetCommTimeouts(Handle, &timeouts) != 0;
}

bool TUsbUart::SetConfig(const TUartConfig& config) {
    if (!IsOpen())
        raiseOnFile();
    if (FT_SetBaudRate(Handle, static_cast<ULONG>(config.BaudRate)) != FT_OK)
        return false;

    UCHAR wordLength = 0;
    switch (config.DataBits) {
    case 7:
        wordLength = FT_BITS_7;
        break;
    case 8:
        wordLength = FT_BITS_8;
        break;
    default:
        return false;
    }
    UCHAR stopBits = 0;
    switch (config.StopBits) {
    case 10:
        stopBits = FT_STOP_BITS_1;
        break;
    case 20:
        stopBits = FT_STOP_BITS_2;
        break;
    default:
        return false;
    }
    UCHAR parity = 0;
    switch (static_cast<std::int8_t>(config.Parity)) {
    case 0:
        parity = FT_PARITY_NONE;
        break;
    case 1:
        parity = FT_PARITY_ODD;
        break;
    case 2:
        parity = FT_PARITY_EVEN;
        break;
    case 3:
        parity = FT_PARITY_MARK;
        break;
    case 4:
        parity = FT_PARITY_SPACE;
        break;
    default:
        raiseSwitch();
    }
    if (FT_SetDataCharacteristics(Handle, wordLength, stopBits, parity) != FT_OK)
        return false;

    USHORT flow = 0;
    switch (static_cast<std::int8_t>(config.FlowControl)) {
    case 0:
        flow = FT_FLOW_NONE;
        break;
    case 1:
        flow = FT_FLOW_RTS_CTS;
        break;
    case 2:
        flow = FT_FLOW_XON_XOFF;
        break;
    case 3: // accepted, but no handshake is configured for it
        flow = FT_FLOW_NONE;
        break;
    default:
        raiseSwitch();
    }
    if (FT_SetFlowControl(Handle, flow, 0x0B, 0x0D) != FT_OK)
        return false;

    Config = config;
    ApplyWriteTimeouts();
    SetReadImmediate();
    return true;
}

void TUsbUart::ApplyWriteTimeouts() {
    if (!IsOpen())
        raiseOnFile();
    FTTIMEOUTS timeouts{};
    FT_W32_GetCommTimeouts(Handle, &timeouts);
    // Microseconds per character, plus a little; the write limit is at least 1 ms per byte.
    std::int32_t x = 1;
    if (Config.BaudRate > 0 && Config.DataBits > 0) {
        x = (1000000 / Config.BaudRate) * Config.DataBits + 3;
        if (x < 1)
            x = 1;
    }
    std::int32_t m = x / 1000;
    if (m <= 0)
        m = 1;
    timeouts.WriteTotalTimeoutMultiplier = static_cast<DWORD>(2 * m);
    timeouts.WriteTotalTimeoutConstant = 100;
    FT_W32_SetCommTimeouts(Handle, &timeouts);
}

void TUsbUart::GetConfig(TUartConfig& config) {
    config = Config;
}

QString TUsbUart::GetName() {
    return Description;
}

bool TUsbUart::IsOpen() {
    return DeviceIndex != -1;
}

DWORD TUsbUart::ModemStatus() {
    if (!IsOpen())
        return 0;
    DWORD status = 0;
    if (!FT_W32_GetCommModemStatus(Handle, &status))
        return 0;
    return status;
}

bool TUsbUart::GetCts() {
    return (ModemStatus() & MS_CTS_ON) != 0;
}

bool TUsbUart::GetDsr() {
    return (ModemStatus() & MS_DSR_ON) != 0;
}

bool TUsbUart::GetRing() {
    return (ModemStatus() & MS_RING_ON) != 0;
}

bool TUsbUart::GetDcd() {
    return (ModemStatus() & MS_RLSD_ON) != 0;
}

void TUsbUart::SetDtr(bool state) {
    if (!IsOpen())
        raiseOnFile();
    if (state)
        FT_SetDtr(Handle);
    else
        FT_ClrDtr(Handle);
    Dtr = state;
}

void TUsbUart::SetRts(bool state) {
    if (!IsOpen())
        raiseOnFile();
    if (state)
        FT_SetRts(Handle);
    else
        FT_ClrRts(Handle);
    Rts = state;
}

void TUsbUart::SetBreak(bool state) {
    if (!IsOpen())
        raiseOnFile();
    if (state)
        FT_SetBreakOn(Handle);
    else
        FT_SetBreakOff(Handle);
    Break = state;
}
