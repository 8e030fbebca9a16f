// SPDX-License-Identifier: GPL-3.0-or-later
// The trace of the FT_* calls and the link's frames (D2xxTrace.h).
#include "platform/d2xx/D2xxTrace.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <mutex>
#include <system_error>

namespace d2xx {

namespace {

using Clock = std::chrono::steady_clock;

std::string format(const char* pattern, auto... values) {
    char text[160];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

std::string statusName(FT_STATUS status) {
    switch (status) {
    case FT_OK:
        return "FT_OK";
    case FT_INVALID_HANDLE:
        return "FT_INVALID_HANDLE";
    case FT_DEVICE_NOT_FOUND:
        return "FT_DEVICE_NOT_FOUND";
    case FT_DEVICE_NOT_OPENED:
        return "FT_DEVICE_NOT_OPENED";
    case FT_IO_ERROR:
        return "FT_IO_ERROR";
    case FT_INSUFFICIENT_RESOURCES:
        return "FT_INSUFFICIENT_RESOURCES";
    case FT_INVALID_PARAMETER:
        return "FT_INVALID_PARAMETER";
    case FT_INVALID_BAUD_RATE:
        return "FT_INVALID_BAUD_RATE";
    default:
        return format("FT_STATUS %lu", static_cast<unsigned long>(status));
    }
}

std::string refusalName(OpenRefusal reason) {
    switch (reason) {
    case OpenRefusal::None:
        break;
    case OpenRefusal::DriverMissing:
        return "driver missing";
    case OpenRefusal::NotFound:
        return "not found";
    case OpenRefusal::Several:
        return "several";
    case OpenRefusal::InUse:
        return "in use";
    case OpenRefusal::PortBusy:
        return "port busy";
    case OpenRefusal::NoPermission:
        return "no permission";
    case OpenRefusal::OpenFailed:
        return "open failed";
    case OpenRefusal::Silent:
        return "silent";
    }
    return {};
}

std::string handleText(FT_HANDLE handle) {
    return format("%#llx",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(handle)));
}

// A device's text as the driver gave it, quoted; bytes that are not printable ASCII as \xNN.
std::string quoted(const char* text, std::size_t room) {
    std::string shown = "\"";
    for (std::size_t i = 0; i < room && text[i] != '\0'; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\')
            shown += static_cast<char>(byte);
        else
            shown += format("\\x%02X", byte);
    }
    return shown + "\"";
}

std::string truth(BOOL result) {
    return result ? "TRUE" : "FALSE";
}

struct Writer {
    std::mutex mutex;
    std::ofstream file;
    std::ostream* out = nullptr;
    Clock::time_point start;

    // One line, behind its time unless it is the header.
    void line(std::string_view text, bool stamped = true) {
        std::lock_guard lock(mutex);
        if (out == nullptr)
            return;
        const std::chrono::duration<double, std::milli> since = Clock::now() - start;
        if (stamped)
            *out << format("%10.1f ", since.count());
        *out << text << '\n';
        out->flush();
    }
};

// Never destroyed: a call may still come from another object's destructor at the end.
Writer& writer() {
    static Writer* const one = new Writer;
    return *one;
}

std::atomic<bool> on{false};

void write(std::string_view text) {
    writer().line(text);
}

// Passes every call on and writes it with its result. The buffers a call fills are read only
// when it says it filled them.
class TracingDriver : public Driver {
public:
    FT_STATUS ListDevices(PVOID arg1, PVOID arg2, DWORD flags) override {
        const FT_STATUS status = inner().ListDevices(arg1, arg2, flags);
        const bool ok = status == FT_OK;
        const char* what = (flags & FT_OPEN_BY_DESCRIPTION) ? "description" : "serial number";
        if (flags & FT_LIST_NUMBER_ONLY) {
            write("FT_ListDevices(count) = " + statusName(status) +
                  (ok && arg1
                       ? format(": %lu", static_cast<unsigned long>(*static_cast<DWORD*>(arg1)))
                       : std::string()));
        } else if (flags & FT_LIST_BY_INDEX) {
            const auto index = static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(arg1));
            // Within the smallest buffer FTDI's library fills, should a text come unended.
            const std::size_t room = (flags & FT_OPEN_BY_DESCRIPTION) ? 64 : 16;
            write(format("FT_ListDevices(#%lu %s) = ", index, what) + statusName(status) +
                  (ok && arg2 ? ": " + quoted(static_cast<const char*>(arg2), room) : ""));
        } else {
            write(format("FT_ListDevices(all, %s) = ", what) + statusName(status) +
                  (ok && arg2
                       ? format(": %lu", static_cast<unsigned long>(*static_cast<DWORD*>(arg2)))
                       : std::string()));
        }
        return status;
    }
    FT_STATUS Open(int deviceNumber, FT_HANDLE* handle) override {
        const FT_STATUS status = inner().Open(deviceNumber, handle);
        opened(deviceNumber, handle, status, {});
        return status;
    }
    FT_STATUS OpenWithReason(int deviceNumber, FT_HANDLE* handle, OpenFailure& failure) override {
        const FT_STATUS status = inner().OpenWithReason(deviceNumber, handle, failure);
        opened(deviceNumber, handle, status, failure);
        return status;
    }
    std::string DevicePort(int deviceNumber) override { return inner().DevicePort(deviceNumber); }
    FT_STATUS SetLatencyTimer(FT_HANDLE handle, UCHAR latency) override {
        return call("FT_SetLatencyTimer", handle, format(", %u ms", latency),
                    inner().SetLatencyTimer(handle, latency));
    }
    FT_STATUS GetQueueStatus(FT_HANDLE handle, DWORD* rxBytes) override {
        const FT_STATUS status = inner().GetQueueStatus(handle, rxBytes);
        write("FT_GetQueueStatus(" + handleText(handle) + ") = " + statusName(status) +
              (status == FT_OK && rxBytes
                   ? format(": %lu queued", static_cast<unsigned long>(*rxBytes))
                   : std::string()));
        return status;
    }
    FT_STATUS Purge(FT_HANDLE handle, ULONG mask) override {
        return call(
            "FT_Purge", handle,
            format(", %s%s", mask & FT_PURGE_RX ? "rx " : "", mask & FT_PURGE_TX ? "tx" : ""),
            inner().Purge(handle, mask));
    }
    FT_STATUS SetBaudRate(FT_HANDLE handle, ULONG baudRate) override {
        return call("FT_SetBaudRate", handle, format(", %lu", static_cast<unsigned long>(baudRate)),
                    inner().SetBaudRate(handle, baudRate));
    }
    FT_STATUS SetDataCharacteristics(FT_HANDLE handle, UCHAR wordLength, UCHAR stopBits,
                                     UCHAR parity) override {
        return call("FT_SetDataCharacteristics", handle,
                    format(", %u bits, stop bits %u, parity %u", wordLength, stopBits, parity),
                    inner().SetDataCharacteristics(handle, wordLength, stopBits, parity));
    }
    FT_STATUS SetFlowControl(FT_HANDLE handle, USHORT flowControl, UCHAR xon, UCHAR xoff) override {
        return call("FT_SetFlowControl", handle,
                    format(", 0x%04x, 0x%02x, 0x%02x", flowControl, xon, xoff),
                    inner().SetFlowControl(handle, flowControl, xon, xoff));
    }
    FT_STATUS SetDtr(FT_HANDLE handle) override {
        return call("FT_SetDtr", handle, {}, inner().SetDtr(handle));
    }
    FT_STATUS ClrDtr(FT_HANDLE handle) override {
        return call("FT_ClrDtr", handle, {}, inner().ClrDtr(handle));
    }
    FT_STATUS SetRts(FT_HANDLE handle) override {
        return call("FT_SetRts", handle, {}, inner().SetRts(handle));
    }
    FT_STATUS ClrRts(FT_HANDLE handle) override {
        return call("FT_ClrRts", handle, {}, inner().ClrRts(handle));
    }
    FT_STATUS SetBreakOn(FT_HANDLE handle) override {
        return call("FT_SetBreakOn", handle, {}, inner().SetBreakOn(handle));
    }
    FT_STATUS SetBreakOff(FT_HANDLE handle) override {
        return call("FT_SetBreakOff", handle, {}, inner().SetBreakOff(handle));
    }

    BOOL W32_CloseHandle(FT_HANDLE handle) override {
        const BOOL result = inner().W32_CloseHandle(handle);
        write("FT_W32_CloseHandle(" + handleText(handle) + ") = " + truth(result));
        return result;
    }
    BOOL W32_ReadFile(FT_HANDLE handle, LPVOID buffer, DWORD size, LPDWORD returned,
                      LPOVERLAPPED overlapped) override {
        const BOOL result = inner().W32_ReadFile(handle, buffer, size, returned, overlapped);
        write("FT_W32_ReadFile(" + handleText(handle) + sizeText(size) + ") = " + truth(result) +
              (returned ? format(": %lu read", static_cast<unsigned long>(*returned)) : ""));
        return result;
    }
    BOOL W32_WriteFile(FT_HANDLE handle, LPVOID buffer, DWORD size, LPDWORD written,
                       LPOVERLAPPED overlapped) override {
        const BOOL result = inner().W32_WriteFile(handle, buffer, size, written, overlapped);
        write("FT_W32_WriteFile(" + handleText(handle) + sizeText(size) + ") = " + truth(result) +
              (written ? format(": %lu written", static_cast<unsigned long>(*written)) : ""));
        return result;
    }
    BOOL W32_GetCommTimeouts(FT_HANDLE handle, LPFTTIMEOUTS timeouts) override {
        const BOOL result = inner().W32_GetCommTimeouts(handle, timeouts);
        write("FT_W32_GetCommTimeouts(" + handleText(handle) + ") = " + truth(result) +
              (result && timeouts ? ": " + timeoutText(*timeouts) : ""));
        return result;
    }
    BOOL W32_SetCommTimeouts(FT_HANDLE handle, LPFTTIMEOUTS timeouts) override {
        const BOOL result = inner().W32_SetCommTimeouts(handle, timeouts);
        write("FT_W32_SetCommTimeouts(" + handleText(handle) +
              (timeouts ? ", " + timeoutText(*timeouts) : "") + ") = " + truth(result));
        return result;
    }
    BOOL W32_GetCommModemStatus(FT_HANDLE handle, LPDWORD modemStatus) override {
        const BOOL result = inner().W32_GetCommModemStatus(handle, modemStatus);
        write("FT_W32_GetCommModemStatus(" + handleText(handle) + ") = " + truth(result) +
              (result && modemStatus ? format(": 0x%02lx", static_cast<unsigned long>(*modemStatus))
                                     : std::string()));
        return result;
    }

private:
    static Driver& inner() { return untracedDriver(); }

    static FT_STATUS call(const char* name, FT_HANDLE handle, const std::string& arguments,
                          FT_STATUS status) {
        write(std::string(name) + "(" + handleText(handle) + arguments +
              ") = " + statusName(status));
        return status;
    }

    static void opened(int deviceNumber, FT_HANDLE* handle, FT_STATUS status,
                       const OpenFailure& failure) {
        std::string text = format("FT_Open(#%d) = ", deviceNumber) + statusName(status);
        if (status == FT_OK && handle)
            text += ": handle " + handleText(*handle);
        else if (failure.reason != OpenRefusal::None)
            text += ": " + refusalName(failure.reason) +
                    (failure.path.empty() ? "" : ", " + failure.path);
        write(text);
    }

    static std::string sizeText(DWORD size) {
        return format(", %lu byte%s", static_cast<unsigned long>(size), size == 1 ? "" : "s");
    }

    // Read: interval, multiplier, constant; write: multiplier, constant (ms).
    static std::string timeoutText(const FTTIMEOUTS& t) {
        return format("read %lu/%lu/%lu, write %lu/%lu",
                      static_cast<unsigned long>(t.ReadIntervalTimeout),
                      static_cast<unsigned long>(t.ReadTotalTimeoutMultiplier),
                      static_cast<unsigned long>(t.ReadTotalTimeoutConstant),
                      static_cast<unsigned long>(t.WriteTotalTimeoutMultiplier),
                      static_cast<unsigned long>(t.WriteTotalTimeoutConstant));
    }
};

TracingDriver tracingDriver;

} // namespace

bool startTrace(const std::filesystem::path& name, std::string_view header, std::string& why) {
    stopTrace();
    Writer& w = writer();
    {
        std::lock_guard lock(w.mutex);
        if (name.empty()) {
            w.out = &std::cerr;
        } else {
            errno = 0;
            w.file.open(name, std::ios::out | std::ios::app | std::ios::binary);
            if (!w.file.is_open()) {
                why = errno != 0 ? std::generic_category().message(errno) : "it cannot be opened";
                return false;
            }
            w.out = &w.file;
        }
        w.start = Clock::now();
    }
    w.line(header, false);
    on.store(true);
    return true;
}

void stopTrace() {
    on.store(false);
    Writer& w = writer();
    std::lock_guard lock(w.mutex);
    w.out = nullptr;
    if (w.file.is_open())
        w.file.close();
}

bool tracing() {
    return on.load();
}

void traceFrame(std::string_view arrow, const std::uint8_t* bytes, std::size_t count) {
    if (!tracing())
        return;
    std::string text(arrow);
    for (std::size_t i = 0; i < count; ++i)
        text += format(" %02X", bytes[i]);
    write(text);
}

void traceNote(std::string_view text) {
    if (tracing())
        write("--- " + std::string(text));
}

Driver* traceDriver() {
    return tracing() ? &tracingDriver : nullptr;
}

} // namespace d2xx
