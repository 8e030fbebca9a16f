// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/d2xx/OpenFailure.h"
#include "platform/d2xx/ftd2xx.h"

// What stands behind the FT_* functions. On Linux the system driver (kernel USB serial devices,
// virtual ports, in-process devices) serves them. A test may install a driver of its own that
// then receives every FT_* call, with the caller's arguments unchanged, instead of the system
// driver: this is how the call sequences of the USB UART are checked.
namespace d2xx {

class Driver {
public:
    virtual ~Driver() = default;

    virtual FT_STATUS ListDevices(PVOID arg1, PVOID arg2, DWORD flags) = 0;
    virtual FT_STATUS Open(int deviceNumber, FT_HANDLE* handle) = 0;
    // FT_Open that also says why a device could not be opened (openDevice). A driver that
    // cannot tell has no reason to give.
    virtual FT_STATUS OpenWithReason(int deviceNumber, FT_HANDLE* handle, OpenFailure& failure) {
        failure = {};
        return Open(deviceNumber, handle);
    }
    // The port of a listed device (devicePort); a driver that cannot tell says nothing.
    virtual std::string DevicePort(int /*deviceNumber*/) { return {}; }
    virtual FT_STATUS SetLatencyTimer(FT_HANDLE handle, UCHAR latency) = 0;
    virtual FT_STATUS GetQueueStatus(FT_HANDLE handle, DWORD* rxBytes) = 0;
    virtual FT_STATUS Purge(FT_HANDLE handle, ULONG mask) = 0;
    virtual FT_STATUS SetBaudRate(FT_HANDLE handle, ULONG baudRate) = 0;
    virtual FT_STATUS SetDataCharacteristics(FT_HANDLE handle, UCHAR wordLength, UCHAR stopBits,
                                             UCHAR parity) = 0;
    virtual FT_STATUS SetFlowControl(FT_HANDLE handle, USHORT flowControl, UCHAR xon,
                                     UCHAR xoff) = 0;
    virtual FT_STATUS SetDtr(FT_HANDLE handle) = 0;
    virtual FT_STATUS ClrDtr(FT_HANDLE handle) = 0;
    virtual FT_STATUS SetRts(FT_HANDLE handle) = 0;
    virtual FT_STATUS ClrRts(FT_HANDLE handle) = 0;
    virtual FT_STATUS SetBreakOn(FT_HANDLE handle) = 0;
    virtual FT_STATUS SetBreakOff(FT_HANDLE handle) = 0;

    virtual BOOL W32_CloseHandle(FT_HANDLE handle) = 0;
    virtual BOOL W32_ReadFile(FT_HANDLE handle, LPVOID buffer, DWORD size, LPDWORD returned,
                              LPOVERLAPPED overlapped) = 0;
    virtual BOOL W32_WriteFile(FT_HANDLE handle, LPVOID buffer, DWORD size, LPDWORD written,
                               LPOVERLAPPED overlapped) = 0;
    virtual BOOL W32_GetCommTimeouts(FT_HANDLE handle, LPFTTIMEOUTS timeouts) = 0;
    virtual BOOL W32_SetCommTimeouts(FT_HANDLE handle, LPFTTIMEOUTS timeouts) = 0;
    virtual BOOL W32_GetCommModemStatus(FT_HANDLE handle, LPDWORD modemStatus) = 0;
};

// A driver that can tell why an open failed: its FT_Open is the same open with the reason
// dropped.
class ReasonedDriver : public Driver {
public:
    FT_STATUS Open(int deviceNumber, FT_HANDLE* handle) final {
        OpenFailure ignored;
        return OpenWithReason(deviceNumber, handle, ignored);
    }
    FT_STATUS OpenWithReason(int deviceNumber, FT_HANDLE* handle,
                             OpenFailure& failure) override = 0;
};

// The driver that serves the FT_* functions when no hook is installed.
Driver& systemDriver();
// Whether the system driver can serve devices at all (driverAvailable without a hook).
bool systemDriverAvailable();

// Routes every FT_* call to `driver` (not owned) until removed with nullptr. Tests only.
void installHook(Driver* driver);

// Installs a hook for the lifetime of a scope.
class ScopedHook {
public:
    explicit ScopedHook(Driver& driver) { installHook(&driver); }
    ~ScopedHook() { installHook(nullptr); }
    ScopedHook(const ScopedHook&) = delete;
    ScopedHook& operator=(const ScopedHook&) = delete;
};

} // namespace d2xx
