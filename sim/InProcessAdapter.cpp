#include "sim/InProcessAdapter.h"

#include <utility>

namespace sim {

InProcessAdapter::InProcessAdapter(std::string serial, std::string description, bool plugged)
    : d2xx::InProcessDevice(std::move(description), std::move(serial)) {
    if (plugged)
        plug();
}

InProcessAdapter::~InProcessAdapter() {
    unplug();
}

void InProcessAdapter::plug() {
    if (plugged_)
        return;
    d2xx::attach(*this);
    plugged_ = true;
}

void InProcessAdapter::unplug() {
    if (!plugged_)
        return;
    d2xx::detach(*this);
    plugged_ = false;
}

void InProcessAdapter::received(const std::uint8_t* data, std::size_t size) {
    const bool chattering = firmware_.chattering();
    for (auto& answer : firmware_.receive(data, size)) {
        if (answer.reply.empty())
            continue;
        // A reply into a chattering line lands behind noise.
        if (chattering)
            answer.reply.insert(answer.reply.begin(), firmware_.noise());
        auto delay = answerDelay_ + answer.delay;
        if (pace_)
            delay += std::chrono::ceil<std::chrono::milliseconds>(
                lineTime(answer.frame.size() + answer.reply.size()));
        send(answer.reply.data(), answer.reply.size(), delay);
    }
}

void InProcessAdapter::poll() {
    // A chattering adapter puts a byte on the line about every millisecond (19200 bit/s).
    // Whenever the host looks, something has just arrived: a purge never finds the line quiet.
    const auto now = AdapterFirmware::Clock::now();
    if (!firmware_.chattering(now) || (now < nextNoise_ && available() > 0))
        return;
    const std::uint8_t byte = firmware_.noise();
    send(&byte, 1);
    nextNoise_ = now + std::chrono::microseconds(520);
}

} // namespace sim
