// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pseudo-terminals, temporary folders and an isolated device list for the tests of the serial
// link.

#include "platform/d2xx/DeviceList.h"
#include "platform/d2xx/Ports.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace testsupport {

class TempDir {
public:
    TempDir() {
        char pattern[] = "/tmp/brookfetch-test-XXXXXX";
        if (!mkdtemp(pattern))
            throw std::runtime_error("mkdtemp");
        path_ = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// A pseudo-terminal: the test plays the device on the master side; the slave's name is what a
// port file points at. The test keeps a slave descriptor too, to look at the line settings.
class Pty {
public:
    Pty() {
        char name[128];
        if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0)
            throw std::runtime_error("openpty");
        name_ = name;
    }
    ~Pty() {
        closeMaster();
        if (slave_ >= 0)
            close(slave_);
    }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    const std::string& name() const { return name_; }
    int master() const { return master_; }
    int slave() const { return slave_; }

    void send(const std::string& bytes) {
        if (::write(master_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
            throw std::runtime_error("write to pty");
    }

    // What the host wrote, gathered until `count` bytes came or `wait` passed.
    std::string receive(std::size_t count,
                        std::chrono::milliseconds wait = std::chrono::milliseconds(2000)) {
        std::string bytes;
        const auto deadline = std::chrono::steady_clock::now() + wait;
        while (bytes.size() < count && std::chrono::steady_clock::now() < deadline) {
            pollfd entry{master_, POLLIN, 0};
            if (::poll(&entry, 1, 20) <= 0 || !(entry.revents & POLLIN))
                continue;
            char chunk[256];
            ssize_t got = ::read(master_, chunk, sizeof chunk);
            if (got > 0)
                bytes.append(chunk, static_cast<std::size_t>(got));
        }
        return bytes;
    }

    // The device goes away: the master side closes.
    void closeMaster() {
        if (master_ >= 0)
            close(master_);
        master_ = -1;
    }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string name_;
};

// For one test: the device list sees an empty sysfs and a port directory of its own, so devices
// of the machine the tests run on never join it.
class IsolatedDevices {
public:
    IsolatedDevices() : saved_(d2xx::systemRoots()) {
        if (const char* old = std::getenv("BROOKFETCH_PORTS"))
            oldPorts_ = old;
        setenv("BROOKFETCH_PORTS", ports().c_str(), 1);
        d2xx::setSystemRoots({dir_ / "sys", dir_ / "dev"});
    }
    ~IsolatedDevices() {
        if (oldPorts_)
            setenv("BROOKFETCH_PORTS", oldPorts_->c_str(), 1);
        else
            unsetenv("BROOKFETCH_PORTS");
        d2xx::setSystemRoots(saved_);
    }
    IsolatedDevices(const IsolatedDevices&) = delete;
    IsolatedDevices& operator=(const IsolatedDevices&) = delete;

    std::string ports() const { return dir_ / "ports"; }
    const TempDir& dir() const { return dir_; }

    // Registers a virtual port as the simulator does.
    void addPort(const std::string& file, const std::string& description, const std::string& path,
                 const std::string& serial = "") {
        if (!d2xx::writePortFile(ports() + "/" + file, {description, serial, path}))
            throw std::runtime_error("port file");
    }

private:
    TempDir dir_;
    d2xx::SystemRoots saved_;
    std::optional<std::string> oldPorts_;
};

} // namespace testsupport
