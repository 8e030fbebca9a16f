#include "platform/d2xx/Ports.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace d2xx {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// A port file is a few short lines; anything much bigger is not one.
constexpr off_t MaxPortFile = 64 * 1024;

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

std::string portDirectory() {
    std::string ports = environment("BROOKFETCH_PORTS");
    if (!ports.empty())
        return ports;
    std::string runtime = environment("XDG_RUNTIME_DIR");
    if (!runtime.empty())
        return runtime + "/brookfetch/ports";
    return "/tmp/brookfetch-" + std::to_string(getuid()) + "/ports";
}

std::optional<PortFile> readPortFile(const std::string& file) {
    // Only a small regular file is a port file. Anything else named "*.port" (a fifo would
    // block the open, a device or a huge file would never end) is not read at all.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    std::string contents;
    bool usable = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= MaxPortFile;
    while (usable) {
        char chunk[4096];
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            usable = n == 0;
            break;
        }
        contents.append(chunk, static_cast<std::size_t>(n));
        usable = contents.size() <= static_cast<std::size_t>(MaxPortFile);
    }
    ::close(fd);
    if (!usable)
        return std::nullopt;

    PortFile port;
    bool haveDescription = false;
    std::istringstream in(contents);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        auto equals = line.find('=');
        if (line.empty() || line[0] == '#' || equals == std::string::npos)
            continue;
        std::string key = line.substr(0, equals);
        std::string value = line.substr(equals + 1);
        if (key == "description") {
            port.description = value;
            haveDescription = true;
        } else if (key == "serial") {
            port.serial = value;
        } else if (key == "path") {
            port.path = value;
        } else if (key == "pid") {
            port.pid = std::strtol(value.c_str(), nullptr, 10);
        }
    }
    if (!haveDescription || port.path.empty() || port.path[0] != '/')
        return std::nullopt;
    return port;
}

bool writePortFile(const std::string& file, const PortFile& port) {
    std::error_code error;
    std::filesystem::path target(file);
    if (target.has_parent_path())
        std::filesystem::create_directories(target.parent_path(), error);
    // The temporary name does not end in ".port", so a listing never picks it up.
    std::string aside = file + ".tmp" + std::to_string(getpid());
    {
        std::ofstream out(aside, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out << "description=" << port.description << '\n'
            << "serial=" << port.serial << '\n'
            << "path=" << port.path << '\n';
        if (port.pid > 0)
            out << "pid=" << port.pid << '\n';
        out.flush();
        if (!out) {
            std::remove(aside.c_str());
            return false;
        }
    }
    if (std::rename(aside.c_str(), file.c_str()) != 0) {
        std::remove(aside.c_str());
        return false;
    }
    return true;
}

bool isTerminalDevice(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISCHR(info.st_mode))
        return false;
    unsigned int major = major(info.st_rdev);
    unsigned int minor = minor(info.st_rdev);
    // Pseudo-terminal slaves (majors 136..143) have no entry under /sys/dev.
    if (major >= 136 && major <= 143)
        return true;
    char link[64];
    std::snprintf(link, sizeof link, "/sys/dev/char/%u:%u/subsystem", major, minor);
    char target[512];
    ssize_t length = readlink(link, target, sizeof target - 1);
    if (length <= 0)
        return false;
    target[length] = '\0';
    return endsWith(target, "/tty");
}

namespace {

bool servingProcessGone(const PortFile& port) {
    return port.pid > 0 && ::kill(static_cast<pid_t>(port.pid), 0) != 0 && errno == ESRCH;
}

} // namespace

bool trustedPortDirectory(const std::string& directory) {
    struct stat info {};
    if (stat(directory.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return false;
    return info.st_uid == getuid() || info.st_uid == 0;
}

std::vector<PortFile> listPortFiles(const std::string& directory) {
    std::vector<std::string> names;
    // Another user's folder (the fallback under /tmp can be made by anyone first) could send
    // us to a terminal of their choosing.
    if (!trustedPortDirectory(directory))
        return {};
    if (DIR* dir = opendir(directory.c_str())) {
        while (dirent* entry = readdir(dir)) {
            std::string name = entry->d_name;
            // Like the shell's "*.port": hidden files are not ports.
            if (name[0] != '.' && endsWith(name, ".port"))
                names.push_back(name);
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    std::vector<PortFile> ports;
    for (const std::string& name : names) {
        auto port = readPortFile(directory + "/" + name);
        if (port && isTerminalDevice(port->path) && !servingProcessGone(*port))
            ports.push_back(*port);
    }
    return ports;
}

int removePortFilesFor(const std::string& directory, const std::string& path) {
    int removed = 0;
    if (DIR* dir = opendir(directory.c_str())) {
        while (dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name[0] == '.' || !endsWith(name, ".port"))
                continue;
            const std::string file = directory + "/" + name;
            auto port = readPortFile(file);
            if (port && port->path == path && std::remove(file.c_str()) == 0)
                ++removed;
        }
        closedir(dir);
    }
    return removed;
}

} // namespace d2xx
