// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Test doubles around the adapter link: a device that answers from a script and records what
// the host wrote, a trace sink that keeps what it is told, and a D2XX driver hook that counts
// calls on their way to the real driver.

#include "adapter/TarnAdapter.h"
#include "platform/d2xx/D2xxHook.h"
#include "platform/d2xx/InProcessDevice.h"

#include <deque>
#include <string>
#include <vector>

namespace linktest {

using Bytes = std::vector<std::uint8_t>;

// Answers each write of the host with the next scripted reply (an empty one: silence).
class ScriptedDevice : public d2xx::InProcessDevice {
public:
    explicit ScriptedDevice(std::string serial = "SCRIPT1",
                            std::string description = "USB FETCHer Adapter")
        : d2xx::InProcessDevice(std::move(description), std::move(serial)) {
        d2xx::attach(*this);
    }
    ~ScriptedDevice() override { d2xx::detach(*this); }

    void received(const std::uint8_t* data, std::size_t size) override {
        writes.emplace_back(data, data + size);
        if (replies.empty())
            return;
        const Bytes reply = replies.front();
        replies.pop_front();
        if (!reply.empty())
            send(reply.data(), reply.size());
    }

    std::deque<Bytes> replies;
    std::vector<Bytes> writes;
};

struct TraceEntry {
    int direction; // 0 for text
    Bytes bytes;
    std::string text;
    bool operator==(const TraceEntry&) const = default;
};

class RecordingTrace : public TTraceSink {
public:
    void TraceData(int direction, const std::uint8_t* bytes, int count) override {
        entries.push_back({direction, Bytes(bytes, bytes + count), {}});
    }
    void TraceText(const QString& text) override { entries.push_back({0, {}, text.toStdString()}); }
    std::vector<TraceEntry> entries;
};

// Passes every call to the real driver and counts the listings and the writes; can make the
// next writes fail as a USB write does when the cable is pulled.
class CountingDriver : public d2xx::Driver {
public:
    int deviceCounts = 0; // FT_ListDevices with FT_LIST_NUMBER_ONLY
    int descriptions = 0; // ... by index for a description
    int serials = 0;      // ... by index for a serial number
    int opens = 0;
    int failWrites = 0;

    FT_STATUS ListDevices(PVOID a, PVOID b, DWORD flags) override {
        if (flags & FT_LIST_NUMBER_ONLY)
            ++deviceCounts;
        else if ((flags & FT_LIST_BY_INDEX) && (flags & FT_OPEN_BY_DESCRIPTION))
            ++descriptions;
        else if ((flags & FT_LIST_BY_INDEX) && (flags & FT_OPEN_BY_SERIAL_NUMBER))
            ++serials;
        return real().ListDevices(a, b, flags);
    }
    FT_STATUS Open(int n, FT_HANDLE* h) override {
        ++opens;
        return real().Open(n, h);
    }
    FT_STATUS SetLatencyTimer(FT_HANDLE h, UCHAR l) override {
        return real().SetLatencyTimer(h, l);
    }
    FT_STATUS GetQueueStatus(FT_HANDLE h, DWORD* n) override { return real().GetQueueStatus(h, n); }
    FT_STATUS Purge(FT_HANDLE h, ULONG m) override { return real().Purge(h, m); }
    FT_STATUS SetBaudRate(FT_HANDLE h, ULONG r) override { return real().SetBaudRate(h, r); }
    FT_STATUS SetDataCharacteristics(FT_HANDLE h, UCHAR w, UCHAR s, UCHAR p) override {
        return real().SetDataCharacteristics(h, w, s, p);
    }
    FT_STATUS SetFlowControl(FT_HANDLE h, USHORT f, UCHAR on, UCHAR off) override {
        return real().SetFlowControl(h, f, on, off);
    }
    FT_STATUS SetDtr(FT_HANDLE h) override { return real().SetDtr(h); }
    FT_STATUS ClrDtr(FT_HANDLE h) override { return real().ClrDtr(h); }
    FT_STATUS SetRts(FT_HANDLE h) override { return real().SetRts(h); }
    FT_STATUS ClrRts(FT_HANDLE h) override { return real().ClrRts(h); }
    FT_STATUS SetBreakOn(FT_HANDLE h) override { return real().SetBreakOn(h); }
    FT_STATUS SetBreakOff(FT_HANDLE h) override { return real().SetBreakOff(h); }
    BOOL W32_CloseHandle(FT_HANDLE h) override { return real().W32_CloseHandle(h); }
    BOOL W32_ReadFile(FT_HANDLE h, LPVOID b, DWORD n, LPDWORD got, LPOVERLAPPED o) override {
        return real().W32_ReadFile(h, b, n, got, o);
    }
    BOOL W32_WriteFile(FT_HANDLE h, LPVOID b, DWORD n, LPDWORD done, LPOVERLAPPED o) override {
        if (failWrites > 0) {
            --failWrites;
            *done = 0;
            return 0;
        }
        return real().W32_WriteFile(h, b, n, done, o);
    }
    BOOL W32_GetCommTimeouts(FT_HANDLE h, LPFTTIMEOUTS t) override {
        return real().W32_GetCommTimeouts(h, t);
    }
    BOOL W32_SetCommTimeouts(FT_HANDLE h, LPFTTIMEOUTS t) override {
        return real().W32_SetCommTimeouts(h, t);
    }
    BOOL W32_GetCommModemStatus(FT_HANDLE h, LPDWORD s) override {
        return real().W32_GetCommModemStatus(h, s);
    }

private:
    static d2xx::Driver& real() { return d2xx::systemDriver(); }
};

} // namespace linktest
