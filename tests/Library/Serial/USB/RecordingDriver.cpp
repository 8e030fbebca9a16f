// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/Library/Serial/USB/RecordingDriver.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace testsupport {

namespace {

constexpr std::uintptr_t HandleBase = 0x4B00;
constexpr std::uintptr_t HandleSpan = 0x100;

std::string hex(std::uint64_t value, int digits) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%0*llX", digits, static_cast<unsigned long long>(value));
    return text;
}

std::string name(FT_HANDLE handle) {
    auto value = reinterpret_cast<std::uintptr_t>(handle);
    if (value == ~std::uintptr_t{0})
        return "H-1";
    if (value >= HandleBase && value < HandleBase + HandleSpan)
        return "H" + std::to_string(value - HandleBase);
    return hex(value, 1);
}

std::string pointer(const void* address, const char* what) {
    return address ? std::string("&") + what : std::string("null");
}

std::string bytesText(const void* data, DWORD size) {
    std::string text;
    auto bytes = static_cast<const std::uint8_t*>(data);
    for (DWORD i = 0; i < size; ++i) {
        char one[4];
        std::snprintf(one, sizeof one, i ? " %02X" : "%02X", bytes[i]);
        text += one;
    }
    return text;
}

} // namespace

FT_HANDLE RecordingDriver::handleFor(int index) {
    return reinterpret_cast<FT_HANDLE>(HandleBase + static_cast<std::uintptr_t>(index));
}

void RecordingDriver::script(const std::string& function, Reply reply) {
    script_[function].push_back(std::move(reply));
}

RecordingDriver::Reply RecordingDriver::Reply::Status(FT_STATUS status) {
    Reply reply;
    reply.status = status;
    return reply;
}

RecordingDriver::Reply RecordingDriver::Reply::Failed() {
    Reply reply;
    reply.ok = false;
    return reply;
}

RecordingDriver::Reply RecordingDriver::Reply::Value(DWORD value) {
    Reply reply;
    reply.value = value;
    return reply;
}

RecordingDriver::Reply RecordingDriver::Reply::Bytes(std::string bytes) {
    Reply reply;
    reply.bytes = std::move(bytes);
    return reply;
}

RecordingDriver::Reply RecordingDriver::next(const std::string& function) {
    return next(function, Reply());
}

RecordingDriver::Reply RecordingDriver::next(const std::string& function, Reply fallback) {
    auto it = script_.find(function);
    if (it == script_.end() || it->second.empty())
        return fallback;
    Reply reply = std::move(it->second.front());
    it->second.pop_front();
    return reply;
}

FT_STATUS RecordingDriver::simple(const std::string& function, FT_HANDLE handle) {
    calls.push_back(function + "(" + name(handle) + ")");
    return next(function).status;
}

FT_STATUS RecordingDriver::ListDevices(PVOID arg1, PVOID arg2, DWORD flags) {
    if (flags & FT_LIST_NUMBER_ONLY) {
        calls.push_back("FT_ListDevices(" + pointer(arg1, "count") + ", " +
                        pointer(arg2, "buffer") + ", " + hex(flags, 8) + ")");
        Reply reply = next("FT_ListDevices", Reply::Value(static_cast<DWORD>(devices.size())));
        if (reply.status == FT_OK && arg1)
            *static_cast<DWORD*>(arg1) = reply.value;
        return reply.status;
    }
    auto index = static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(arg1));
    calls.push_back("FT_ListDevices(" + std::to_string(index) + ", " + pointer(arg2, "buffer") +
                    ", " + hex(flags, 8) + ")");
    const bool bySerial = (flags & FT_OPEN_BY_SERIAL_NUMBER) != 0;
    Reply fallback;
    if (index >= devices.size())
        fallback.status = FT_DEVICE_NOT_FOUND;
    else if (bySerial)
        fallback.bytes = index < serials.size() ? serials[index] : std::string();
    else
        fallback.bytes = devices[index];
    Reply reply = next("FT_ListDevices", fallback);
    if (reply.status == FT_OK && arg2) {
        // The buffers of the caller: 256 bytes for a description, 64 for a serial number.
        const std::size_t size = bySerial ? 64 : 256;
        std::size_t length = std::min(reply.bytes.size(), size - 1);
        std::memcpy(arg2, reply.bytes.data(), length);
        static_cast<char*>(arg2)[length] = '\0';
    }
    return reply.status;
}

FT_STATUS RecordingDriver::Open(int deviceNumber, FT_HANDLE* handle) {
    calls.push_back("FT_Open(" + std::to_string(deviceNumber) + ", " + pointer(handle, "handle") +
                    ")");
    Reply reply = next("FT_Open");
    if (reply.status == FT_OK && handle)
        *handle = handleFor(deviceNumber);
    return reply.status;
}

FT_STATUS RecordingDriver::SetLatencyTimer(FT_HANDLE handle, UCHAR latency) {
    calls.push_back("FT_SetLatencyTimer(" + name(handle) + ", " + std::to_string(latency) + ")");
    return next("FT_SetLatencyTimer").status;
}

FT_STATUS RecordingDriver::GetQueueStatus(FT_HANDLE handle, DWORD* rxBytes) {
    calls.push_back("FT_GetQueueStatus(" + name(handle) + ", " + pointer(rxBytes, "count") + ")");
    Reply reply = next("FT_GetQueueStatus");
    if (reply.status == FT_OK && rxBytes)
        *rxBytes = reply.value;
    return reply.status;
}

FT_STATUS RecordingDriver::Purge(FT_HANDLE handle, ULONG mask) {
    calls.push_back("FT_Purge(" + name(handle) + ", " + std::to_string(mask) + ")");
    return next("FT_Purge").status;
}

FT_STATUS RecordingDriver::SetBaudRate(FT_HANDLE handle, ULONG baudRate) {
    calls.push_back("FT_SetBaudRate(" + name(handle) + ", " + std::to_string(baudRate) + ")");
    return next("FT_SetBaudRate").status;
}

FT_STATUS RecordingDriver::SetDataCharacteristics(FT_HANDLE handle, UCHAR wordLength,
                                                  UCHAR stopBits, UCHAR parity) {
    calls.push_back("FT_SetDataCharacteristics(" + name(handle) + ", " +
                    std::to_string(wordLength) + ", " + std::to_string(stopBits) + ", " +
                    std::to_string(parity) + ")");
    return next("FT_SetDataCharacteristics").status;
}

FT_STATUS RecordingDriver::SetFlowControl(FT_HANDLE handle, USHORT flowControl, UCHAR xon,
                                          UCHAR xoff) {
    calls.push_back("FT_SetFlowControl(" + name(handle) + ", " + hex(flowControl, 4) + ", " +
                    hex(xon, 2) + ", " + hex(xoff, 2) + ")");
    return next("FT_SetFlowControl").status;
}

FT_STATUS RecordingDriver::SetDtr(FT_HANDLE handle) {
    return simple("FT_SetDtr", handle);
}
FT_STATUS RecordingDriver::ClrDtr(FT_HANDLE handle) {
    return simple("FT_ClrDtr", handle);
}
FT_STATUS RecordingDriver::SetRts(FT_HANDLE handle) {
    return simple("FT_SetRts", handle);
}
FT_STATUS RecordingDriver::ClrRts(FT_HANDLE handle) {
    return simple("FT_ClrRts", handle);
}
FT_STATUS RecordingDriver::SetBreakOn(FT_HANDLE handle) {
    return simple("FT_SetBreakOn", handle);
}
FT_STATUS RecordingDriver::SetBreakOff(FT_HANDLE handle) {
    return simple("FT_SetBreakOff", handle);
}

BOOL RecordingDriver::W32_CloseHandle(FT_HANDLE handle) {
    calls.push_back("FT_W32_CloseHandle(" + name(handle) + ")");
    return next("FT_W32_CloseHandle").ok;
}

BOOL RecordingDriver::W32_ReadFile(FT_HANDLE handle, LPVOID buffer, DWORD size, LPDWORD returned,
                                   LPOVERLAPPED overlapped) {
    calls.push_back("FT_W32_ReadFile(" + name(handle) + ", " + pointer(buffer, "buffer") + ", " +
                    std::to_string(size) + ", " + pointer(returned, "count") + ", " +
                    pointer(overlapped, "overlapped") + ")");
    Reply reply = next("FT_W32_ReadFile");
    // Never more than asked, as the library would.
    std::size_t length = std::min<std::size_t>(reply.bytes.size(), size);
    if (buffer)
        std::memcpy(buffer, reply.bytes.data(), length);
    if (returned)
        *returned = static_cast<DWORD>(length);
    return reply.ok;
}

BOOL RecordingDriver::W32_WriteFile(FT_HANDLE handle, LPVOID buffer, DWORD size,
                                    LPDWORD writtenCount, LPOVERLAPPED overlapped) {
    calls.push_back("FT_W32_WriteFile(" + name(handle) + ", [" + bytesText(buffer, size) + "], " +
                    std::to_string(size) + ", " + pointer(writtenCount, "count") + ", " +
                    pointer(overlapped, "overlapped") + ")");
    Reply reply = next("FT_W32_WriteFile", Reply::Value(size));
    if (buffer)
        written.append(static_cast<const char*>(buffer), std::min(reply.value, size));
    if (writtenCount)
        *writtenCount = reply.value;
    return reply.ok;
}

BOOL RecordingDriver::W32_GetCommTimeouts(FT_HANDLE handle, LPFTTIMEOUTS record) {
    calls.push_back("FT_W32_GetCommTimeouts(" + name(handle) + ", " + pointer(record, "record") +
                    ")");
    Reply reply = next("FT_W32_GetCommTimeouts");
    if (reply.ok && record)
        *record = timeouts;
    return reply.ok;
}

BOOL RecordingDriver::W32_SetCommTimeouts(FT_HANDLE handle, LPFTTIMEOUTS record) {
    std::string text = "null";
    if (record)
        text = "{" + std::to_string(record->ReadIntervalTimeout) + ", " +
               std::to_string(record->ReadTotalTimeoutMultiplier) + ", " +
               std::to_string(record->ReadTotalTimeoutConstant) + ", " +
               std::to_string(record->WriteTotalTimeoutMultiplier) + ", " +
               std::to_string(record->WriteTotalTimeoutConstant) + "}";
    calls.push_back("FT_W32_SetCommTimeouts(" + name(handle) + ", " + text + ")");
    Reply reply = next("FT_W32_SetCommTimeouts");
    if (reply.ok && record)
        timeouts = *record;
    return reply.ok;
}

BOOL RecordingDriver::W32_GetCommModemStatus(FT_HANDLE handle, LPDWORD status) {
    // The value found in the caller's variable shows whether it was preset.
    calls.push_back("FT_W32_GetCommModemStatus(" + name(handle) + ", " +
                    (status ? std::to_string(*status) : std::string("null")) + ")");
    Reply reply = next("FT_W32_GetCommModemStatus", Reply::Value(modemStatus));
    if (reply.ok && status)
        *status = reply.value;
    return reply.ok;
}

} // namespace testsupport
