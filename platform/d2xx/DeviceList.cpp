// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/d2xx/DeviceList.h"

#include "platform/d2xx/Ports.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <mutex>
#include <unistd.h>

namespace d2xx {

namespace {

std::mutex mutex;
SystemRoots roots;

// A sysfs attribute's first line, without its newline.
bool readAttribute(const std::string& file, std::string& value) {
    std::ifstream in(file);
    if (!in)
        return false;
    std::getline(in, value);
    while (!value.empty() && (value.back() == '\n' || value.back() == '\r'))
        value.pop_back();
    return true;
}

std::string linkTarget(const std::string& link) {
    char target[PATH_MAX];
    ssize_t length = readlink(link.c_str(), target, sizeof target - 1);
    if (length <= 0)
        return {};
    target[length] = '\0';
    return target;
}

std::string baseName(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string parentOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos || slash == 0 ? std::string() : path.substr(0, slash);
}

bool exists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

} // namespace

void setSystemRoots(SystemRoots newRoots) {
    std::lock_guard lock(mutex);
    roots = std::move(newRoots);
}

SystemRoots systemRoots() {
    std::lock_guard lock(mutex);
    return roots;
}

std::vector<DeviceEntry> listKernelDevices(const SystemRoots& where) {
    const std::string classDir = where.sysfs + "/class/tty";
    std::vector<std::string> names;
    if (DIR* dir = opendir(classDir.c_str())) {
        while (dirent* entry = readdir(dir)) {
            std::string name = entry->d_name;
            if (name.rfind("ttyUSB", 0) == 0)
                names.push_back(name);
        }
        closedir(dir);
    }
    // ttyUSB2 before ttyUSB10.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });

    std::vector<DeviceEntry> devices;
    for (const std::string& name : names) {
        // <tty>/device is the USB serial port; its driver link names the serial driver.
        const std::string port = classDir + "/" + name + "/device";
        if (baseName(linkTarget(port + "/driver")) != "ftdi_sio")
            continue;
        char resolved[PATH_MAX];
        if (!realpath(port.c_str(), resolved))
            continue;
        // The USB device (the one with idVendor) lies a few levels above the port: port,
        // interface, device.
        std::string usb = parentOf(resolved);
        for (int level = 0; level < 4 && !usb.empty() && !exists(usb + "/idVendor"); ++level)
            usb = parentOf(usb);
        if (usb.empty() || !exists(usb + "/idVendor"))
            continue;
        DeviceEntry entry;
        entry.kind = DeviceEntry::Kind::Kernel;
        readAttribute(usb + "/product", entry.description);
        readAttribute(usb + "/serial", entry.serial);
        entry.path = where.dev + "/" + name;
        entry.latencyFile = port + "/latency_timer";
        devices.push_back(std::move(entry));
    }
    return devices;
}

std::vector<DeviceEntry> listDevices() {
    std::vector<DeviceEntry> devices = listKernelDevices(systemRoots());
    for (PortFile& port : listPortFiles(portLocation())) {
        DeviceEntry entry;
        entry.kind = DeviceEntry::Kind::Port;
        entry.description = std::move(port.description);
        entry.serial = std::move(port.serial);
        entry.path = std::move(port.path);
        entry.latencyFile = std::move(port.latency);
        devices.push_back(std::move(entry));
    }
    for (DeviceEntry& entry : listInProcessDevices())
        devices.push_back(std::move(entry));
    return devices;
}

} // namespace d2xx
