// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace d2xx {

class InProcessDevice;

// One entry of the device list, as FT_ListDevices reports it and FT_Open opens it.
struct DeviceEntry {
    enum class Kind { Kernel, Port, InProcess };
    Kind kind = Kind::Port;
    std::string description;
    std::string serial;
    std::string path;                  // terminal device (Kernel, Port)
    std::string latencyFile;           // the interface's latency_timer attribute (Kernel),
                                       // the port file's latency file (Port)
    InProcessDevice* device = nullptr; // InProcess; valid while attached under `attachment`
    std::uint64_t attachment = 0;
};

// Where the system driver looks for kernel devices: the sysfs mount and the device-node
// folder. Tests point them at a tree of their own.
struct SystemRoots {
    std::string sysfs = "/sys";
    std::string dev = "/dev";
};
void setSystemRoots(SystemRoots roots);
SystemRoots systemRoots();

// USB serial ports bound to ftdi_sio under <sysfs>/class/tty/ttyUSB*, in name order, with
// the product and serial attributes of the USB device they belong to.
std::vector<DeviceEntry> listKernelDevices(const SystemRoots& roots);

// The whole list in its fixed order: kernel devices, virtual ports, in-process devices.
std::vector<DeviceEntry> listDevices();

// The in-process devices attached now, in the order attached (every system has them).
std::vector<DeviceEntry> listInProcessDevices();

// Whether the device attached as `attachment` is still attached.
bool stillAttached(const InProcessDevice* device, std::uint64_t attachment);

} // namespace d2xx
