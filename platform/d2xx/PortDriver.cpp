// SPDX-License-Identifier: GPL-3.0-or-later
// The handles of open devices, with the Win32 timeout rules of the vendor's library kept on top
// of each port, whatever lists and opens the devices.
#include "platform/d2xx/PortDriver.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>

namespace d2xx {

namespace {

constexpr DWORD Forever = 0xFFFFFFFF;
// The listing buffers of the USB UART: a description and a serial number fit these.
constexpr std::size_t DescriptionSize = 256;
constexpr std::size_t SerialSize = 32;

void copyText(const std::string& text, char* buffer, std::size_t size) {
    std::size_t length = std::min(text.size(), size - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

Clock::time_point after(std::uint64_t milliseconds) {
    // A DWORD product can exceed what the clock counts in nanoseconds; a limit of decades is
    // no limit at all.
    constexpr std::uint64_t Decades = 1000ull * 3600 * 24 * 365 * 30;
    if (milliseconds > Decades)
        return Clock::time_point::max();
    return Clock::now() + std::chrono::milliseconds(milliseconds);
}

class PortDriver : public ReasonedDriver {
public:
    explicit PortDriver(DeviceSource& source) : source_(source) {}

    FT_STATUS ListDevices(PVOID arg1, PVOID arg2, DWORD flags) override {
        std::lock_guard lock(mutex_);
        if (flags & FT_LIST_NUMBER_ONLY) {
            if (!arg1)
                return FT_INVALID_PARAMETER;
            devices_ = source_.list();
            listed_ = true;
            *static_cast<DWORD*>(arg1) = static_cast<DWORD>(devices_.size());
            return FT_OK;
        }
        // Neither kind asked for gives the serial number, as FTDI's library does.
        DWORD what = flags & (FT_OPEN_BY_SERIAL_NUMBER | FT_OPEN_BY_DESCRIPTION);
        if (what == 0)
            what = FT_OPEN_BY_SERIAL_NUMBER;
        if (what != FT_OPEN_BY_SERIAL_NUMBER && what != FT_OPEN_BY_DESCRIPTION)
            return FT_INVALID_PARAMETER;
        auto text = [what](const DeviceEntry& entry) -> const std::string& {
            return what == FT_OPEN_BY_DESCRIPTION ? entry.description : entry.serial;
        };
        const std::size_t size = what == FT_OPEN_BY_DESCRIPTION ? DescriptionSize : SerialSize;
        if (flags & FT_LIST_BY_INDEX) {
            if (!arg2)
                return FT_INVALID_PARAMETER;
            ensureListed();
            auto index = static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(arg1));
            if (index >= devices_.size())
                return FT_DEVICE_NOT_FOUND;
            copyText(text(devices_[index]), static_cast<char*>(arg2), size);
            return FT_OK;
        }
        if (flags & FT_LIST_ALL) {
            // arg1: array of buffer pointers, one per device, ended by a null pointer; arg2: the
            // device count. An array that ends early gets no more than it has room for.
            if (!arg1 || !arg2)
                return FT_INVALID_PARAMETER;
            devices_ = source_.list();
            listed_ = true;
            auto buffers = static_cast<char**>(arg1);
            for (std::size_t i = 0; i < devices_.size() && buffers[i]; ++i)
                copyText(text(devices_[i]), buffers[i], size);
            *static_cast<DWORD*>(arg2) = static_cast<DWORD>(devices_.size());
            return FT_OK;
        }
        return FT_INVALID_PARAMETER;
    }

    FT_STATUS OpenWithReason(int deviceNumber, FT_HANDLE* handle, OpenFailure& failure) override {
        failure = {};
        if (!handle)
            return FT_INVALID_PARAMETER;
        std::lock_guard lock(mutex_);
        ensureListed();
        if (deviceNumber < 0 || static_cast<std::size_t>(deviceNumber) >= devices_.size())
            return FT_DEVICE_NOT_FOUND;
        const DeviceEntry& entry = devices_[static_cast<std::size_t>(deviceNumber)];
        const auto refused = [&entry, &failure](OpenRefusal reason, FT_STATUS status) {
            if (reason != OpenRefusal::None)
                failure = {reason, entry.path, entry.description, entry.serial};
            return status;
        };
        // One handle per device, as with the vendor's driver; root would pass TIOCEXCL.
        for (const auto& [id, open] : open_)
            if (open.entry.path == entry.path && open.entry.device == entry.device &&
                open.entry.attachment == entry.attachment)
                return refused(OpenRefusal::InUse, FT_DEVICE_NOT_OPENED);
        std::unique_ptr<Port> port;
        FT_STATUS status = FT_OK;
        if (entry.kind == DeviceEntry::Kind::InProcess) {
            if (!stillAttached(entry.device, entry.attachment))
                return refused(OpenRefusal::None, FT_DEVICE_NOT_FOUND);
            port = openInProcess(entry.device, entry.attachment);
        } else {
            OpenRefusal refusal = OpenRefusal::None;
            port = source_.open(entry, status, refusal);
            if (!port)
                return refused(refusal, status);
        }
        const std::uintptr_t id = ++lastId_;
        open_.emplace(id, OpenDevice{entry, std::move(port)});
        *handle = reinterpret_cast<FT_HANDLE>(id);
        return FT_OK;
    }

    std::string DevicePort(int deviceNumber) override {
        std::lock_guard lock(mutex_);
        ensureListed();
        if (deviceNumber < 0 || static_cast<std::size_t>(deviceNumber) >= devices_.size())
            return {};
        return devices_[static_cast<std::size_t>(deviceNumber)].path;
    }

    FT_STATUS SetLatencyTimer(FT_HANDLE handle, UCHAR latency) override {
        std::shared_ptr<Port> port = find(handle);
        return port ? port->setLatency(latency) : FT_INVALID_HANDLE;
    }

    FT_STATUS GetQueueStatus(FT_HANDLE handle, DWORD* rxBytes) override {
        std::shared_ptr<Port> port = find(handle);
        if (!port)
            return FT_INVALID_HANDLE;
        if (!rxBytes)
            return FT_INVALID_PARAMETER;
        return port->queueStatus(*rxBytes);
    }

    FT_STATUS Purge(FT_HANDLE handle, ULONG mask) override {
        std::shared_ptr<Port> port = find(handle);
        return port ? port->purge(mask) : FT_INVALID_HANDLE;
    }

    FT_STATUS SetBaudRate(FT_HANDLE handle, ULONG baudRate) override {
        std::shared_ptr<Port> port = find(handle);
        return port ? port->setBaudRate(baudRate) : FT_INVALID_HANDLE;
    }

    FT_STATUS SetDataCharacteristics(FT_HANDLE handle, UCHAR wordLength, UCHAR stopBits,
                                     UCHAR parity) override {
        std::shared_ptr<Port> port = find(handle);
        return port ? port->setDataCharacteristics(wordLength, stopBits, parity)
                    : FT_INVALID_HANDLE;
    }

    FT_STATUS SetFlowControl(FT_HANDLE handle, USHORT flowControl, UCHAR xon, UCHAR xoff) override {
        std::shared_ptr<Port> port = find(handle);
        return port ? port->setFlowControl(flowControl, xon, xoff) : FT_INVALID_HANDLE;
    }

    FT_STATUS SetDtr(FT_HANDLE handle) override { return setLine(handle, Line::Dtr, true); }
    FT_STATUS ClrDtr(FT_HANDLE handle) override { return setLine(handle, Line::Dtr, false); }
    FT_STATUS SetRts(FT_HANDLE handle) override { return setLine(handle, Line::Rts, true); }
    FT_STATUS ClrRts(FT_HANDLE handle) override { return setLine(handle, Line::Rts, false); }
    FT_STATUS SetBreakOn(FT_HANDLE handle) override { return setLine(handle, Line::Break, true); }
    FT_STATUS SetBreakOff(FT_HANDLE handle) override { return setLine(handle, Line::Break, false); }

    BOOL W32_CloseHandle(FT_HANDLE handle) override {
        std::shared_ptr<Port> closing; // released outside the lock
        {
            std::lock_guard lock(mutex_);
            auto it = open_.find(reinterpret_cast<std::uintptr_t>(handle));
            if (it == open_.end())
                return false;
            closing = std::move(it->second.port);
            open_.erase(it);
        }
        return true;
    }

    BOOL W32_ReadFile(FT_HANDLE handle, LPVOID buffer, DWORD size, LPDWORD returned,
                      LPOVERLAPPED) override {
        std::shared_ptr<Port> port = transferPort(handle, buffer, size, returned);
        if (!port)
            return false;
        auto bytes = static_cast<std::uint8_t*>(buffer);
        const FTTIMEOUTS t = port->timeouts;
        std::size_t got = 0;
        auto finish = [&](bool ok) {
            *returned = static_cast<DWORD>(got);
            return ok;
        };
        if (size == 0)
            return finish(true);
        if (port->readSome(bytes, size, got) == Io::Gone)
            return finish(false);
        const bool immediate = t.ReadIntervalTimeout == Forever &&
                               t.ReadTotalTimeoutMultiplier == 0 && t.ReadTotalTimeoutConstant == 0;
        if (immediate || got == size)
            return finish(true);
        // Interval "forever" with multiplier "forever": return as soon as anything came,
        // waiting up to the constant for the first byte.
        const bool firstByte =
            t.ReadIntervalTimeout == Forever && t.ReadTotalTimeoutMultiplier == Forever &&
            t.ReadTotalTimeoutConstant != 0 && t.ReadTotalTimeoutConstant != Forever;
        if (firstByte && got > 0)
            return finish(true);
        Clock::time_point total = Clock::time_point::max();
        if (firstByte)
            total = after(t.ReadTotalTimeoutConstant);
        else if (t.ReadTotalTimeoutMultiplier != 0 || t.ReadTotalTimeoutConstant != 0)
            total = after(std::uint64_t{t.ReadTotalTimeoutMultiplier} * size +
                          t.ReadTotalTimeoutConstant);
        const bool useInterval =
            !firstByte && t.ReadIntervalTimeout != 0 && t.ReadIntervalTimeout != Forever;
        Clock::time_point lastByte = Clock::now();
        while (got < size) {
            Clock::time_point deadline = total;
            if (useInterval && got > 0)
                deadline =
                    std::min(deadline, lastByte + std::chrono::milliseconds(t.ReadIntervalTimeout));
            Io waited = port->waitReadable(deadline);
            if (waited == Io::Timeout)
                break;
            if (waited == Io::Gone)
                return finish(false);
            std::size_t more = 0;
            if (port->readSome(bytes + got, size - got, more) == Io::Gone)
                return finish(false);
            if (more > 0) {
                got += more;
                lastByte = Clock::now();
                if (firstByte)
                    break;
            }
        }
        return finish(true);
    }

    BOOL W32_WriteFile(FT_HANDLE handle, LPVOID buffer, DWORD size, LPDWORD written,
                       LPOVERLAPPED) override {
        std::shared_ptr<Port> port = transferPort(handle, buffer, size, written);
        if (!port)
            return false;
        auto bytes = static_cast<const std::uint8_t*>(buffer);
        const FTTIMEOUTS t = port->timeouts;
        Clock::time_point deadline = Clock::time_point::max();
        if (t.WriteTotalTimeoutMultiplier != 0 || t.WriteTotalTimeoutConstant != 0)
            deadline = after(std::uint64_t{t.WriteTotalTimeoutMultiplier} * size +
                             t.WriteTotalTimeoutConstant);
        std::size_t put = 0;
        for (;;) {
            std::size_t more = 0;
            if (port->writeSome(bytes + put, size - put, more) == Io::Gone) {
                *written = static_cast<DWORD>(put + more);
                return false;
            }
            put += more;
            if (put == size)
                break;
            Io waited = port->waitWritable(deadline);
            if (waited == Io::Timeout)
                break;
            if (waited == Io::Gone) {
                *written = static_cast<DWORD>(put);
                return false;
            }
        }
        *written = static_cast<DWORD>(put);
        return true;
    }

    BOOL W32_GetCommTimeouts(FT_HANDLE handle, LPFTTIMEOUTS timeouts) override {
        std::shared_ptr<Port> port = find(handle);
        if (!port || !timeouts)
            return false;
        *timeouts = port->timeouts;
        return true;
    }

    BOOL W32_SetCommTimeouts(FT_HANDLE handle, LPFTTIMEOUTS timeouts) override {
        std::shared_ptr<Port> port = find(handle);
        if (!port || !timeouts)
            return false;
        port->timeouts = *timeouts;
        return true;
    }

    BOOL W32_GetCommModemStatus(FT_HANDLE handle, LPDWORD modemStatus) override {
        std::shared_ptr<Port> port = find(handle);
        if (!port || !modemStatus)
            return false;
        DWORD bits = 0;
        if (!port->modemStatus(bits))
            return false;
        *modemStatus = bits;
        return true;
    }

private:
    struct OpenDevice {
        DeviceEntry entry;
        std::shared_ptr<Port> port;
    };

    // Handles are numbers that are never reused, so a stale handle finds nothing. A call in
    // progress keeps its port alive even if another thread closes the handle meanwhile.
    std::shared_ptr<Port> find(FT_HANDLE handle) {
        std::lock_guard lock(mutex_);
        auto it = open_.find(reinterpret_cast<std::uintptr_t>(handle));
        return it == open_.end() ? nullptr : it->second.port;
    }

    // The port of a read or write of `size` bytes at `buffer`, with the count of bytes moved
    // zeroed first; null for a handle that is not open or arguments the call refuses.
    std::shared_ptr<Port> transferPort(FT_HANDLE handle, const void* buffer, DWORD size,
                                       LPDWORD count) {
        std::shared_ptr<Port> port = find(handle);
        if (count)
            *count = 0;
        if (!port || !count || (!buffer && size > 0))
            return nullptr;
        return port;
    }

    FT_STATUS setLine(FT_HANDLE handle, Line line, bool on) {
        std::shared_ptr<Port> port = find(handle);
        return port ? port->setLine(line, on) : FT_INVALID_HANDLE;
    }

    // A listing by index or an open before any count works on a fresh list.
    void ensureListed() {
        if (!listed_) {
            devices_ = source_.list();
            listed_ = true;
        }
    }

    DeviceSource& source_;
    std::mutex mutex_;
    std::vector<DeviceEntry> devices_;
    bool listed_ = false;
    std::map<std::uintptr_t, OpenDevice> open_;
    std::uintptr_t lastId_ = 0;
};

} // namespace

std::unique_ptr<Driver> makePortDriver(DeviceSource& source) {
    return std::make_unique<PortDriver>(source);
}

} // namespace d2xx
