// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/d2xx/D2xxHook.h"
#include "platform/d2xx/DeviceList.h"
#include "platform/d2xx/Port.h"

#include <memory>
#include <vector>

namespace d2xx {

// What a port driver serves: the devices of this system in their listing order, and how one of
// them that does not live in this process is opened. In-process devices the driver opens itself.
class DeviceSource {
public:
    virtual ~DeviceSource() = default;
    virtual std::vector<DeviceEntry> list() = 0;
    // Nullptr with `status` (and `refusal`, where known) set when the device cannot be opened.
    virtual std::unique_ptr<Port> open(const DeviceEntry& entry, FT_STATUS& status,
                                       OpenRefusal& refusal) = 0;
};

// The FT_* functions over ports: one handle per device, the vendor's Win32 timeout rules kept on
// top of every port. `source` must outlive the driver.
std::unique_ptr<Driver> makePortDriver(DeviceSource& source);

} // namespace d2xx
