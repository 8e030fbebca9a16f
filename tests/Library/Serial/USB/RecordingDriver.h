// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/d2xx/D2xxHook.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace testsupport {

// A stand-in for the D2XX library, for tests only: installed as the hook (ScopedHook), it
// writes down every FT_* call with its arguments, one line per call, and answers from a
// script, so a test can check exactly what the USB UART asks of the library:
//
//     testsupport::RecordingDriver driver;
//     d2xx::ScopedHook hook(driver);
//     driver.devices = {"USB FETCHer Adapter"};
//     driver.script("FT_SetBaudRate", Reply::Status(FT_INVALID_BAUD_RATE));
//     ... run the code under test ...
//     EXPECT_EQ(driver.calls, (std::vector<std::string>{"FT_ListDevices(&count, null, 0x80000000)",
//     ...}));
//
// Handles are written "H<index>" after the device index they were opened with, the handle with
// all bits set "H-1", anything else in hex.
class RecordingDriver : public d2xx::Driver {
public:
    // The answer to one call. `status` serves the FT_STATUS functions, `ok` the FT_W32_ ones;
    // `value` is the count, written count or modem status handed back, `bytes` what a read
    // delivers (its length is the count read).
    struct Reply {
        FT_STATUS status = FT_OK;
        bool ok = true;
        DWORD value = 0;
        std::string bytes;

        static Reply Status(FT_STATUS status);
        static Reply Failed(); // an FT_W32_ call that returns FALSE
        static Reply Value(DWORD value);
        static Reply Bytes(std::string bytes);
    };

    // Answers the next call of `function` (its full name, e.g. "FT_W32_ReadFile"). Calls
    // without a scripted reply succeed with the defaults described at each member below.
    void script(const std::string& function, Reply reply);
    // Shorthands: the next reads deliver these bytes; the next queue queries report this count.
    void scriptRead(std::string bytes) {
        script("FT_W32_ReadFile", Reply::Bytes(std::move(bytes)));
    }
    void scriptQueue(DWORD count) { script("FT_GetQueueStatus", Reply::Value(count)); }

    std::vector<std::string> calls;

    // Listed by index; their number answers a number-only listing. Serial numbers by the same
    // index, empty where missing.
    std::vector<std::string> devices;
    std::vector<std::string> serials;
    // The device's timeouts record: returned by FT_W32_GetCommTimeouts and replaced by every
    // accepted FT_W32_SetCommTimeouts.
    FTTIMEOUTS timeouts{0, 0, 0, 0, 0};
    // Reported by FT_W32_GetCommModemStatus when no reply is scripted.
    DWORD modemStatus = 0;
    // Bytes handed to FT_W32_WriteFile, all calls together.
    std::string written;

    static FT_HANDLE handleFor(int index);

    FT_STATUS ListDevices(PVOID arg1, PVOID arg2, DWORD flags) override;
    FT_STATUS Open(int deviceNumber, FT_HANDLE* handle) override;
    FT_STATUS SetLatencyTimer(FT_HANDLE handle, UCHAR latency) override;
    FT_STATUS GetQueueStatus(FT_HANDLE handle, DWORD* rxBytes) override;
    FT_STATUS Purge(FT_HANDLE handle, ULONG mask) override;
    FT_STATUS SetBaudRate(FT_HANDLE handle, ULONG baudRate) override;
    FT_STATUS SetDataCharacteristics(FT_HANDLE handle, UCHAR wordLength, UCHAR stopBits,
                                     UCHAR parity) override;
    FT_STATUS SetFlowControl(FT_HANDLE handle, USHORT flowControl, UCHAR xon, UCHAR xoff) override;
    FT_STATUS SetDtr(FT_HANDLE handle) override;
    FT_STATUS ClrDtr(FT_HANDLE handle) override;
    FT_STATUS SetRts(FT_HANDLE handle) override;
    FT_STATUS ClrRts(FT_HANDLE handle) override;
    FT_STATUS SetBreakOn(FT_HANDLE handle) override;
    FT_STATUS SetBreakOff(FT_HANDLE handle) override;
    BOOL W32_CloseHandle(FT_HANDLE handle) override;
    BOOL W32_ReadFile(FT_HANDLE handle, LPVOID buffer, DWORD size, LPDWORD returned,
                      LPOVERLAPPED overlapped) override;
    BOOL W32_WriteFile(FT_HANDLE handle, LPVOID buffer, DWORD size, LPDWORD written,
                       LPOVERLAPPED overlapped) override;
    BOOL W32_GetCommTimeouts(FT_HANDLE handle, LPFTTIMEOUTS timeouts) override;
    BOOL W32_SetCommTimeouts(FT_HANDLE handle, LPFTTIMEOUTS timeouts) override;
    BOOL W32_GetCommModemStatus(FT_HANDLE handle, LPDWORD modemStatus) override;

private:
    Reply next(const std::string& function);
    Reply next(const std::string& function, Reply fallback);
    FT_STATUS simple(const std::string& function, FT_HANDLE handle);

    std::map<std::string, std::deque<Reply>> script_;
};

} // namespace testsupport
