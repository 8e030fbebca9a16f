// The system driver of the Linux build: kernel USB serial devices, virtual ports and in-process
// devices, in that order.
#include "platform/d2xx/DriverProblem.h"
#include "platform/d2xx/PortDriver.h"
#include "platform/d2xx/Ports.h"

#include <cerrno>
#include <sys/stat.h>

namespace d2xx {

namespace {

class LinuxDevices : public DeviceSource {
public:
    std::vector<DeviceEntry> list() override { return listDevices(); }

    std::unique_ptr<Port> open(const DeviceEntry& entry, FT_STATUS& status,
                               OpenRefusal& refusal) override {
        return openTerminal(entry.path, entry.latencyFile, entry.kind == DeviceEntry::Kind::Port,
                            status, refusal);
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
