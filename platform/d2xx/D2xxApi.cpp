// SPDX-License-Identifier: GPL-3.0-or-later
// The FT_* entry points of a build without the vendor's library: each one goes to the installed
// hook, or else to the system driver, through the trace while one is on.
#include "platform/d2xx/D2xxHook.h"
#include "platform/d2xx/D2xxTrace.h"

#include <atomic>

namespace d2xx {
namespace {
std::atomic<Driver*> hook{nullptr};

// A trace, when one is on, sees each call on its way.
Driver& active() {
    Driver* traced = traceDriver();
    return traced ? *traced : untracedDriver();
}
} // namespace

Driver& untracedDriver() {
    Driver* installed = hook.load();
    return installed ? *installed : systemDriver();
}

void installHook(Driver* driver) {
    hook.store(driver);
}

FT_STATUS openDevice(int deviceNumber, FT_HANDLE* handle, OpenFailure& failure) {
    return active().OpenWithReason(deviceNumber, handle, failure);
}

// A test's hook stands for the whole library, so the library is there; else the system says.
bool driverAvailable() {
    return hook.load() != nullptr || systemDriverAvailable();
}

std::string devicePort(int deviceNumber) {
    return active().DevicePort(deviceNumber);
}

} // namespace d2xx

using d2xx::active;

extern "C" {

FT_STATUS WINAPI FT_ListDevices(PVOID pArg1, PVOID pArg2, DWORD Flags) {
    return active().ListDevices(pArg1, pArg2, Flags);
}
FT_STATUS WINAPI FT_Open(int deviceNumber, FT_HANDLE* pHandle) {
    return active().Open(deviceNumber, pHandle);
}
FT_STATUS WINAPI FT_SetLatencyTimer(FT_HANDLE ftHandle, UCHAR ucLatency) {
    return active().SetLatencyTimer(ftHandle, ucLatency);
}
FT_STATUS WINAPI FT_GetQueueStatus(FT_HANDLE ftHandle, DWORD* dwRxBytes) {
    return active().GetQueueStatus(ftHandle, dwRxBytes);
}
FT_STATUS WINAPI FT_Purge(FT_HANDLE ftHandle, ULONG Mask) {
    return active().Purge(ftHandle, Mask);
}
FT_STATUS WINAPI FT_SetBaudRate(FT_HANDLE ftHandle, ULONG BaudRate) {
    return active().SetBaudRate(ftHandle, BaudRate);
}
FT_STATUS WINAPI FT_SetDataCharacteristics(FT_HANDLE ftHandle, UCHAR WordLength, UCHAR StopBits,
                                           UCHAR Parity) {
    return active().SetDataCharacteristics(ftHandle, WordLength, StopBits, Parity);
}
FT_STATUS WINAPI FT_SetFlowControl(FT_HANDLE ftHandle, USHORT FlowControl, UCHAR XonChar,
                                   UCHAR XoffChar) {
    return active().SetFlowControl(ftHandle, FlowControl, XonChar, XoffChar);
}
FT_STATUS WINAPI FT_SetDtr(FT_HANDLE ftHandle) {
    return active().SetDtr(ftHandle);
}
FT_STATUS WINAPI FT_ClrDtr(FT_HANDLE ftHandle) {
    return active().ClrDtr(ftHandle);
}
FT_STATUS WINAPI FT_SetRts(FT_HANDLE ftHandle) {
    return active().SetRts(ftHandle);
}
FT_STATUS WINAPI FT_ClrRts(FT_HANDLE ftHandle) {
    return active().ClrRts(ftHandle);
}
FT_STATUS WINAPI FT_SetBreakOn(FT_HANDLE ftHandle) {
    return active().SetBreakOn(ftHandle);
}
FT_STATUS WINAPI FT_SetBreakOff(FT_HANDLE ftHandle) {
    return active().SetBreakOff(ftHandle);
}

BOOL WINAPI FT_W32_CloseHandle(FT_HANDLE ftHandle) {
    return active().W32_CloseHandle(ftHandle);
}
BOOL WINAPI FT_W32_ReadFile(FT_HANDLE ftHandle, LPVOID lpBuffer, DWORD nBufferSize,
                            LPDWORD lpBytesReturned, LPOVERLAPPED lpOverlapped) {
    return active().W32_ReadFile(ftHandle, lpBuffer, nBufferSize, lpBytesReturned, lpOverlapped);
}
BOOL WINAPI FT_W32_WriteFile(FT_HANDLE ftHandle, LPVOID lpBuffer, DWORD nBufferSize,
                             LPDWORD lpBytesWritten, LPOVERLAPPED lpOverlapped) {
    return active().W32_WriteFile(ftHandle, lpBuffer, nBufferSize, lpBytesWritten, lpOverlapped);
}
BOOL WINAPI FT_W32_GetCommTimeouts(FT_HANDLE ftHandle, LPFTTIMEOUTS pTimeouts) {
    return active().W32_GetCommTimeouts(ftHandle, pTimeouts);
}
BOOL WINAPI FT_W32_SetCommTimeouts(FT_HANDLE ftHandle, LPFTTIMEOUTS pTimeouts) {
    return active().W32_SetCommTimeouts(ftHandle, pTimeouts);
}
BOOL WINAPI FT_W32_GetCommModemStatus(FT_HANDLE ftHandle, LPDWORD lpdwModemStatus) {
    return active().W32_GetCommModemStatus(ftHandle, lpdwModemStatus);
}
}
