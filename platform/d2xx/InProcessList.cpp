// SPDX-License-Identifier: GPL-3.0-or-later
// The in-process devices attached now, in the order attached: the same on every system.
#include "platform/d2xx/DeviceList.h"
#include "platform/d2xx/InProcessDevice.h"

#include <algorithm>
#include <mutex>

namespace d2xx {

namespace {

std::mutex mutex;

struct Attached {
    InProcessDevice* device;
    std::uint64_t attachment;
};
std::vector<Attached> attached;
std::uint64_t lastAttachment = 0;

} // namespace

std::vector<DeviceEntry> listInProcessDevices() {
    std::vector<DeviceEntry> devices;
    std::lock_guard lock(mutex);
    for (const Attached& one : attached) {
        DeviceEntry entry;
        entry.kind = DeviceEntry::Kind::InProcess;
        entry.description = one.device->description();
        entry.serial = one.device->serial();
        entry.device = one.device;
        entry.attachment = one.attachment;
        devices.push_back(std::move(entry));
    }
    return devices;
}

bool stillAttached(const InProcessDevice* device, std::uint64_t attachment) {
    std::lock_guard lock(mutex);
    return std::any_of(attached.begin(), attached.end(), [&](const Attached& one) {
        return one.device == device && one.attachment == attachment;
    });
}

void attach(InProcessDevice& device) {
    std::lock_guard lock(mutex);
    for (const Attached& one : attached)
        if (one.device == &device)
            return;
    attached.push_back({&device, ++lastAttachment});
}

void detach(InProcessDevice& device) {
    std::lock_guard lock(mutex);
    std::erase_if(attached, [&](const Attached& one) { return one.device == &device; });
}

} // namespace d2xx
