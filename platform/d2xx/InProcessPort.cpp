// SPDX-License-Identifier: GPL-3.0-or-later
// A port on an in-process device: the simulator's firmware inside a test, no system port between.
#include "platform/d2xx/DeviceList.h"
#include "platform/d2xx/InProcessDevice.h"
#include "platform/d2xx/Port.h"

#include <algorithm>
#include <thread>

namespace d2xx {

namespace {

// A device that answers from poll() is looked at again at least this often while a read waits.
constexpr auto PollPeriod = std::chrono::milliseconds(1);

class InProcessPort : public Port {
public:
    InProcessPort(InProcessDevice* device, std::uint64_t attachment)
        : device_(device), attachment_(attachment) {}

    Io readSome(std::uint8_t* buffer, std::size_t size, std::size_t& moved) override {
        moved = 0;
        if (!alive())
            return Io::Gone;
        device_->poll();
        moved = device_->take(buffer, size);
        return Io::Ready;
    }

    Io writeSome(const std::uint8_t* data, std::size_t size, std::size_t& moved) override {
        moved = 0;
        if (!alive())
            return Io::Gone;
        device_->received(data, size);
        moved = size;
        return Io::Ready;
    }

    Io waitReadable(Clock::time_point deadline) override {
        for (;;) {
            if (!alive())
                return Io::Gone;
            device_->poll();
            if (device_->available() > 0)
                return Io::Ready;
            const auto now = Clock::now();
            // A device that says nothing unasked has said all it will: waiting out the time-out
            // would only cost the time.
            if (now >= deadline ||
                (device_->answersOnlyWhenWritten() &&
                 device_->nextArrival() == std::chrono::steady_clock::time_point::max()))
                return Io::Timeout;
            std::this_thread::sleep_until(
                std::min({device_->nextArrival(), deadline, now + PollPeriod}));
        }
    }

    Io waitWritable(Clock::time_point) override { return alive() ? Io::Ready : Io::Gone; }

    FT_STATUS queueStatus(DWORD& count) override {
        if (!alive())
            return FT_IO_ERROR;
        device_->poll();
        count = static_cast<DWORD>(device_->available());
        return FT_OK;
    }

    FT_STATUS purge(ULONG mask) override {
        if (!alive())
            return FT_IO_ERROR;
        device_->poll();
        // Bytes the host wrote went to the device at once; only the receive side holds any.
        if (mask & FT_PURGE_RX)
            device_->discardPending();
        return FT_OK;
    }

    FT_STATUS setBaudRate(ULONG rate) override {
        if (!alive())
            return FT_IO_ERROR;
        return rate == 0 ? FT_INVALID_BAUD_RATE : FT_OK;
    }

    FT_STATUS setDataCharacteristics(UCHAR wordLength, UCHAR stopBits, UCHAR parity) override {
        if (!alive())
            return FT_IO_ERROR;
        bool valid = (wordLength == FT_BITS_7 || wordLength == FT_BITS_8) &&
                     (stopBits == FT_STOP_BITS_1 || stopBits == FT_STOP_BITS_2) &&
                     parity <= FT_PARITY_SPACE;
        return valid ? FT_OK : FT_INVALID_PARAMETER;
    }

    FT_STATUS setFlowControl(USHORT flow, UCHAR, UCHAR) override {
        if (!alive())
            return FT_IO_ERROR;
        bool valid = flow == FT_FLOW_NONE || flow == FT_FLOW_RTS_CTS || flow == FT_FLOW_DTR_DSR ||
                     flow == FT_FLOW_XON_XOFF;
        return valid ? FT_OK : FT_INVALID_PARAMETER;
    }

    FT_STATUS setLatency(UCHAR milliseconds) override {
        if (!alive())
            return FT_IO_ERROR;
        device_->latencyTimerSet(milliseconds);
        return FT_OK;
    }

    FT_STATUS setLine(Line line, bool on) override {
        if (!alive())
            return FT_IO_ERROR;
        switch (line) {
        case Line::Dtr:
            device_->setDtr(on);
            break;
        case Line::Rts:
            device_->setRts(on);
            break;
        case Line::Break:
            device_->setBreak(on);
            break;
        }
        return FT_OK;
    }

    bool modemStatus(DWORD& bits) override {
        if (!alive())
            return false;
        bits = device_->modemStatus();
        return true;
    }

private:
    // The device may have been detached or destroyed since the port was opened; it is only
    // touched while it is still attached under the same attachment.
    bool alive() const { return stillAttached(device_, attachment_); }

    InProcessDevice* device_;
    std::uint64_t attachment_;
};

} // namespace

std::unique_ptr<Port> openInProcess(InProcessDevice* device, std::uint64_t attachment) {
    return std::make_unique<InProcessPort>(device, attachment);
}

} // namespace d2xx
