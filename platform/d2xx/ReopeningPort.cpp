// SPDX-License-Identifier: GPL-3.0-or-later
// A terminal opened again after it heard nothing for two exchanges in a row (ReopeningPort.h).
#include "platform/d2xx/ReopeningPort.h"

#include <map>
#include <optional>
#include <tuple>

namespace d2xx {

namespace {

class ReopeningPort : public Port {
public:
    ReopeningPort(std::function<std::unique_ptr<Port>()> open, std::unique_ptr<Port> port)
        : open_(std::move(open)), port_(std::move(port)) {}

    Io readSome(std::uint8_t* buffer, std::size_t size, std::size_t& moved) override {
        moved = 0;
        if (!port_)
            return Io::Gone;
        const Io io = port_->readSome(buffer, size, moved);
        if (moved > 0) {
            awaiting_ = false;
            silent_ = 0;
        }
        return io;
    }

    Io writeSome(const std::uint8_t* data, std::size_t size, std::size_t& moved) override {
        moved = 0;
        if (!port_)
            return Io::Gone;
        const Io io = port_->writeSome(data, size, moved);
        if (moved > 0)
            awaiting_ = true;
        return io;
    }

    Io waitReadable(Clock::time_point deadline) override {
        if (!port_)
            return Io::Gone;
        const Io io = port_->waitReadable(deadline);
        // The wait for a reply ran out without a byte: one silent exchange.
        if (io == Io::Timeout && awaiting_) {
            awaiting_ = false;
            if (++silent_ >= SilentExchanges)
                reopen();
        }
        return io;
    }

    Io waitWritable(Clock::time_point deadline) override {
        return port_ ? port_->waitWritable(deadline) : Io::Gone;
    }

    FT_STATUS queueStatus(DWORD& count) override {
        return port_ ? port_->queueStatus(count) : FT_IO_ERROR;
    }
    FT_STATUS purge(ULONG mask) override { return port_ ? port_->purge(mask) : FT_IO_ERROR; }

    FT_STATUS setBaudRate(ULONG rate) override {
        rate_ = rate;
        return port_ ? port_->setBaudRate(rate) : FT_IO_ERROR;
    }
    FT_STATUS setDataCharacteristics(UCHAR wordLength, UCHAR stopBits, UCHAR parity) override {
        characteristics_ = {wordLength, stopBits, parity};
        return port_ ? port_->setDataCharacteristics(wordLength, stopBits, parity) : FT_IO_ERROR;
    }
    FT_STATUS setFlowControl(USHORT flow, UCHAR xon, UCHAR xoff) override {
        flow_ = {flow, xon, xoff};
        return port_ ? port_->setFlowControl(flow, xon, xoff) : FT_IO_ERROR;
    }
    FT_STATUS setLatency(UCHAR milliseconds) override {
        latency_ = milliseconds;
        return port_ ? port_->setLatency(milliseconds) : FT_IO_ERROR;
    }
    FT_STATUS setLine(Line line, bool on) override {
        lines_[line] = on;
        return port_ ? port_->setLine(line, on) : FT_IO_ERROR;
    }
    bool modemStatus(DWORD& bits) override { return port_ && port_->modemStatus(bits); }

private:
    // The old terminal goes first: it holds the line's lock and its exclusive flag.
    void reopen() {
        silent_ = 0;
        port_.reset();
        port_ = open_();
        if (!port_)
            return;
        if (rate_)
            port_->setBaudRate(*rate_);
        if (characteristics_)
            std::apply([this](auto... values) { port_->setDataCharacteristics(values...); },
                       *characteristics_);
        if (flow_)
            std::apply([this](auto... values) { port_->setFlowControl(values...); }, *flow_);
        if (latency_)
            port_->setLatency(*latency_);
        for (const auto& [line, on] : lines_)
            port_->setLine(line, on);
        port_->purge(FT_PURGE_RX | FT_PURGE_TX);
    }

    std::function<std::unique_ptr<Port>()> open_;
    std::unique_ptr<Port> port_; // null once a reopening failed
    bool awaiting_ = false;      // a write went out and no read has waited for its reply yet
    int silent_ = 0;             // exchanges in a row that heard nothing
    // The settings made so far, for the terminal opened again.
    std::optional<ULONG> rate_;
    std::optional<std::tuple<UCHAR, UCHAR, UCHAR>> characteristics_;
    std::optional<std::tuple<USHORT, UCHAR, UCHAR>> flow_;
    std::optional<UCHAR> latency_;
    std::map<Line, bool> lines_;
};

} // namespace

std::unique_ptr<Port> reopenAfterSilence(std::unique_ptr<Port> port,
                                         std::function<std::unique_ptr<Port>()> reopen) {
    return std::make_unique<ReopeningPort>(std::move(reopen), std::move(port));
}

} // namespace d2xx
