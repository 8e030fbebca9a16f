// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The part of FTDI's D2XX API that the USB UART uses, with the vendor's names, argument
// lists and constant values. This folder provides the functions: on Windows they call the
// vendor's FTD2XX.DLL, on Linux they work over kernel serial devices and virtual ports; on
// both, over in-process devices too.

#ifdef _WIN32
// The vendor's own types (DWORD, ULONG, USHORT, UCHAR, BOOL, PVOID, OVERLAPPED), without the
// rest of windows.h and its macros.
#include <windef.h>
// After the types it is made of:
#include <minwinbase.h>
#else
#include <cstdint>

using DWORD = std::uint32_t;
using ULONG = std::uint32_t;
using USHORT = std::uint16_t;
using UCHAR = std::uint8_t;
using BOOL = int;
using LPDWORD = DWORD*;
using LPVOID = void*;
using PVOID = void*;

struct OVERLAPPED;
using LPOVERLAPPED = OVERLAPPED*;

// The calling convention of the vendor's functions, which only 32-bit Windows tells apart.
#define WINAPI
#endif

using FT_HANDLE = PVOID;
using FT_STATUS = ULONG;

enum : FT_STATUS {
    FT_OK = 0,
    FT_INVALID_HANDLE = 1,
    FT_DEVICE_NOT_FOUND = 2,
    FT_DEVICE_NOT_OPENED = 3,
    FT_IO_ERROR = 4,
    FT_INSUFFICIENT_RESOURCES = 5,
    FT_INVALID_PARAMETER = 6,
    FT_INVALID_BAUD_RATE = 7,
    FT_OTHER_ERROR = 18,
};

// FT_ListDevices flags
constexpr DWORD FT_LIST_NUMBER_ONLY = 0x80000000;
constexpr DWORD FT_LIST_BY_INDEX = 0x40000000;
constexpr DWORD FT_LIST_ALL = 0x20000000;
constexpr DWORD FT_OPEN_BY_SERIAL_NUMBER = 1;
constexpr DWORD FT_OPEN_BY_DESCRIPTION = 2;

// Word lengths, stop bits, parity
constexpr UCHAR FT_BITS_8 = 8;
constexpr UCHAR FT_BITS_7 = 7;
constexpr UCHAR FT_STOP_BITS_1 = 0;
constexpr UCHAR FT_STOP_BITS_2 = 2;
constexpr UCHAR FT_PARITY_NONE = 0;
constexpr UCHAR FT_PARITY_ODD = 1;
constexpr UCHAR FT_PARITY_EVEN = 2;
constexpr UCHAR FT_PARITY_MARK = 3;
constexpr UCHAR FT_PARITY_SPACE = 4;

// Flow control
constexpr USHORT FT_FLOW_NONE = 0x0000;
constexpr USHORT FT_FLOW_RTS_CTS = 0x0100;
constexpr USHORT FT_FLOW_DTR_DSR = 0x0200;
constexpr USHORT FT_FLOW_XON_XOFF = 0x0400;

// Purge
constexpr ULONG FT_PURGE_RX = 1;
constexpr ULONG FT_PURGE_TX = 2;

// Modem status bits (Win32 names; winbase.h has them too)
#ifndef MS_CTS_ON
constexpr DWORD MS_CTS_ON = 0x0010;
constexpr DWORD MS_DSR_ON = 0x0020;
constexpr DWORD MS_RING_ON = 0x0040;
constexpr DWORD MS_RLSD_ON = 0x0080;
#endif

// The Win32 communication-timeouts record, in milliseconds.
struct FTTIMEOUTS {
    DWORD ReadIntervalTimeout;
    DWORD ReadTotalTimeoutMultiplier;
    DWORD ReadTotalTimeoutConstant;
    DWORD WriteTotalTimeoutMultiplier;
    DWORD WriteTotalTimeoutConstant;
};
using LPFTTIMEOUTS = FTTIMEOUTS*;

extern "C" {
FT_STATUS WINAPI FT_ListDevices(PVOID pArg1, PVOID pArg2, DWORD Flags);
FT_STATUS WINAPI FT_Open(int deviceNumber, FT_HANDLE* pHandle);
FT_STATUS WINAPI FT_SetLatencyTimer(FT_HANDLE ftHandle, UCHAR ucLatency);
FT_STATUS WINAPI FT_GetQueueStatus(FT_HANDLE ftHandle, DWORD* dwRxBytes);
FT_STATUS WINAPI FT_Purge(FT_HANDLE ftHandle, ULONG Mask);
FT_STATUS WINAPI FT_SetBaudRate(FT_HANDLE ftHandle, ULONG BaudRate);
FT_STATUS WINAPI FT_SetDataCharacteristics(FT_HANDLE ftHandle, UCHAR WordLength, UCHAR StopBits,
                                           UCHAR Parity);
FT_STATUS WINAPI FT_SetFlowControl(FT_HANDLE ftHandle, USHORT FlowControl, UCHAR XonChar,
                                   UCHAR XoffChar);
FT_STATUS WINAPI FT_SetDtr(FT_HANDLE ftHandle);
FT_STATUS WINAPI FT_ClrDtr(FT_HANDLE ftHandle);
FT_STATUS WINAPI FT_SetRts(FT_HANDLE ftHandle);
FT_STATUS WINAPI FT_ClrRts(FT_HANDLE ftHandle);
FT_STATUS WINAPI FT_SetBreakOn(FT_HANDLE ftHandle);
FT_STATUS WINAPI FT_SetBreakOff(FT_HANDLE ftHandle);

BOOL WINAPI FT_W32_CloseHandle(FT_HANDLE ftHandle);
BOOL WINAPI FT_W32_ReadFile(FT_HANDLE ftHandle, LPVOID lpBuffer, DWORD nBufferSize,
                            LPDWORD lpBytesReturned, LPOVERLAPPED lpOverlapped);
BOOL WINAPI FT_W32_WriteFile(FT_HANDLE ftHandle, LPVOID lpBuffer, DWORD nBufferSize,
                             LPDWORD lpBytesWritten, LPOVERLAPPED lpOverlapped);
BOOL WINAPI FT_W32_GetCommTimeouts(FT_HANDLE ftHandle, LPFTTIMEOUTS pTimeouts);
BOOL WINAPI FT_W32_SetCommTimeouts(FT_HANDLE ftHandle, LPFTTIMEOUTS pTimeouts);
BOOL WINAPI FT_W32_GetCommModemStatus(FT_HANDLE ftHandle, LPDWORD lpdwModemStatus);
}
