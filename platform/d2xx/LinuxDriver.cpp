// SPDX-License-Identifier: GPL-3.0-or-later
// The system driver of the Linux build: kernel USB serial devices, virtual ports and in-process
// devices, in that order.
#include "platform/d2xx/DriverProblem.h"
#include "platform/d2xx/PortDriver.h"
#include "platform/d2xx/Ports.h"
#include "platform/d2xx/ReopeningPort.h"

#include <cerrno>
#include <sys/stat.h>

namespace d2xx {

namespace {

class LinuxDevices : public DeviceSource {
public:
    std::vector<DeviceEntry> list() override { return listDevices(); }

    std::unique_ptr<Port> open(const DeviceEntry& entry, FT_STATUS& status,
                               OpenRefusal& refusal) override {
        const bool portFile = entry.kind == DeviceEntry::Kind::Port;
        std::unique_ptr<Port> port =
            openTerminal(entry.path, entry.latencyFile, portFile, status, refusal);
        if (!port)
            return nullptr;
        // ftdi_sio may stop reading until the terminal is opened again (ReopeningPort.h).
        return reopenAfterSilence(std::move(port), [entry, portFile] {
            FT_STATUS status = FT_OK;
            OpenRefusal refusal = OpenRefusal::None;
            return openTerminal(entry.path, entry.latencyFile, portFile, status, refusal);
        });
    }
};

} // namespace

Driver& systemDriver() {
    static LinuxDevices devices;
    static const std::unique_ptr<Driver> driver = makePortDriver(devices);
    return *driver;
}

// Linked in, never loaded: the functions are always there.
bool systemDriverAvailable() {
    return true;
}

std::string DriverProblem() {
    return {};
}

std::string refusedPortFolder() {
    const PortLocation where = portLocation();
    std::string why;
    struct stat info {};
    if (trustedPortDirectory(where, &why) ||
        (::lstat(where.directory.c_str(), &info) != 0 && errno == ENOENT))
        return {};
    return why;
}

} // namespace d2xx
