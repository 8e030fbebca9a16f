// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/d2xx/InProcessDevice.h"

#include <algorithm>
#include <utility>

namespace d2xx {

InProcessDevice::InProcessDevice(std::string description, std::string serial)
    : description_(std::move(description)), serial_(std::move(serial)) {}

// A device that goes away while listed or open must not be reached again.
InProcessDevice::~InProcessDevice() {
    detach(*this);
}

void InProcessDevice::send(const std::uint8_t* data, std::size_t size,
                           std::chrono::milliseconds delay) {
    sendAt(data, size, std::chrono::steady_clock::now() + delay);
}

void InProcessDevice::sendAt(const std::uint8_t* data, std::size_t size,
                             std::chrono::steady_clock::time_point at) {
    std::lock_guard lock(mutex_);
    for (std::size_t i = 0; i < size; ++i) {
        // Bytes never overtake each other: a later send with a shorter delay waits its turn.
        auto when = queue_.empty() ? at : std::max(at, queue_.back().at);
        queue_.push_back({when, data[i]});
    }
}

std::size_t InProcessDevice::available() {
    const auto now = std::chrono::steady_clock::now();
    std::lock_guard lock(mutex_);
    std::size_t count = 0;
    while (count < queue_.size() && queue_[count].at <= now)
        ++count;
    return count;
}

std::size_t InProcessDevice::take(std::uint8_t* buffer, std::size_t size) {
    const auto now = std::chrono::steady_clock::now();
    std::lock_guard lock(mutex_);
    std::size_t count = 0;
    while (count < size && !queue_.empty() && queue_.front().at <= now) {
        buffer[count++] = queue_.front().byte;
        queue_.pop_front();
    }
    return count;
}

std::chrono::steady_clock::time_point InProcessDevice::nextArrival() const {
    std::lock_guard lock(mutex_);
    return queue_.empty() ? std::chrono::steady_clock::time_point::max() : queue_.front().at;
}

void InProcessDevice::discardPending() {
    std::lock_guard lock(mutex_);
    queue_.clear();
}

void InProcessDevice::setModemStatus(std::uint32_t bits) {
    std::lock_guard lock(mutex_);
    modemStatus_ = bits;
}

std::uint32_t InProcessDevice::modemStatus() const {
    std::lock_guard lock(mutex_);
    return modemStatus_;
}

void InProcessDevice::setDtr(bool on) {
    std::lock_guard lock(mutex_);
    dtr_ = on;
}

void InProcessDevice::setRts(bool on) {
    std::lock_guard lock(mutex_);
    rts_ = on;
}

void InProcessDevice::setBreak(bool on) {
    std::lock_guard lock(mutex_);
    break_ = on;
}

bool InProcessDevice::dtr() const {
    std::lock_guard lock(mutex_);
    return dtr_;
}

bool InProcessDevice::rts() const {
    std::lock_guard lock(mutex_);
    return rts_;
}

bool InProcessDevice::breakOn() const {
    std::lock_guard lock(mutex_);
    return break_;
}

} // namespace d2xx
