// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/d2xx/Ports.h"

#include "platform/files/Descriptor.h"
#include "platform/files/Files.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <utility>

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

// The folder a path lies in.
std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

PortLocation::PortLocation(std::string directoryPath, std::string basePath)
    : directory(std::move(directoryPath)), base(std::move(basePath)) {
    for (std::string* path : {&directory, &base})
        while (path->size() > 1 && path->back() == '/')
            path->pop_back();
    if (base.empty())
        base = folderOf(directory);
}

PortLocation portLocation() {
    std::string ports = environment("BROOKFETCH_PORTS");
    if (!ports.empty())
        return {ports};
    std::string runtime = environment("XDG_RUNTIME_DIR");
    if (!runtime.empty())
        return {runtime + "/brookfetch/ports", runtime};
    return {"/tmp/brookfetch-" + std::to_string(getuid()) + "/ports", "/tmp"};
}

std::string portDirectory() {
    return portLocation().directory;
}

namespace {

// Nobody but this user may change what the thing holds (or, for a folder, which entries it has).
bool ownedAndPrivate(const struct stat& info) {
    return info.st_uid == getuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// Opens the port directory, folder by folder from `base` down, never through a symbolic link,
// and checks each folder below `base`. Missing folders are made when `create` is set.
TDescriptor openPortDirectory(const PortLocation& where, bool create, std::string& why) {
    const std::string& directory = where.directory;
    std::string below;
    if (where.base == "/" && directory.size() > 1 && directory[0] == '/')
        below = directory.substr(1);
    else if (directory.size() > where.base.size() + 1 &&
             directory.compare(0, where.base.size(), where.base) == 0 &&
             directory[where.base.size()] == '/')
        below = directory.substr(where.base.size() + 1);
    else {
        why = directory + " does not lie in " + where.base;
        return TDescriptor();
    }
    TDescriptor folder(::open(where.base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() < 0) {
        why = where.base + ": " + std::strerror(errno);
        return TDescriptor();
    }
    std::string path = where.base == "/" ? std::string() : where.base;
    std::istringstream parts(below);
    std::string name;
    while (std::getline(parts, name, '/')) {
        if (name.empty() || name == ".")
            continue;
        path += "/" + name;
        if (name == "..") {
            why = path + " climbs out of the folder it is made in";
            return TDescriptor();
        }
        if (create && ::mkdirat(folder.Get(), name.c_str(), 0700) != 0 && errno != EEXIST) {
            why = "cannot create " + path + ": " + std::strerror(errno);
            return TDescriptor();
        }
        TDescriptor next(
            ::openat(folder.Get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat info {};
        if (next.Get() < 0 &&
            ::fstatat(folder.Get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
            why = path + (S_ISLNK(info.st_mode) ? " is a symbolic link" : " is not a folder");
            return TDescriptor();
        }
        if (next.Get() < 0 || ::fstat(next.Get(), &info) != 0) {
            why = path + ": " + std::strerror(errno);
            return TDescriptor();
        }
        if (info.st_uid != getuid()) {
            why = path + " belongs to another user";
            return TDescriptor();
        }
        if (!ownedAndPrivate(info)) {
            char mode[8];
            std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(info.st_mode & 07777));
            why = path + " may be written by other users (mode " + mode + ")";
            return TDescriptor();
        }
        folder = std::move(next);
    }
    return folder;
}

// A port file as it stands in an open folder: never through a symbolic link, never anything
// that could block or not end (a fifo, a device, a huge file), only this user's own.
std::optional<PortFile> readPortFileAt(int folder, const std::string& name) {
    const TDescriptor file(
        ::openat(folder, name.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY));
    if (file.Get() < 0)
        return std::nullopt;
    struct stat info {};
    std::string contents;
    bool usable = fstat(file.Get(), &info) == 0 && S_ISREG(info.st_mode) && ownedAndPrivate(info) &&
                  info.st_size <= MaxPortFile;
    while (usable) {
        char chunk[4096];
        const ssize_t n = ::read(file.Get(), chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            usable = n == 0;
            break;
        }
        contents.append(chunk, static_cast<std::size_t>(n));
        usable = contents.size() <= static_cast<std::size_t>(MaxPortFile);
    }
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
        } else if (key == "latency") {
            // Only an absolute path; a relative one would depend on whoever reads the file.
            if (!value.empty() && value[0] == '/')
                port.latency = value;
        }
    }
    if (!haveDescription || port.path.empty())
        return std::nullopt;
    return port;
}

// Makes a folder and its missing parents, the new ones private to this user.
bool makeFolders(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) == 0)
        return true;
    const std::string parent = folderOf(path);
    if (parent != path && !makeFolders(parent))
        return false;
    return ::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST;
}

// Pseudo-terminal slaves have majors 136 to 143.
bool ownPseudoTerminal(const struct stat& info) {
    const unsigned int kind = major(info.st_rdev);
    return S_ISCHR(info.st_mode) && kind >= 136 && kind <= 143 && info.st_uid == getuid();
}

bool holdsLineBreak(const std::string& text) {
    return text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
}

bool servingProcessGone(const PortFile& port) {
    return port.pid > 0 && ::kill(static_cast<pid_t>(port.pid), 0) != 0 && errno == ESRCH;
}

// The "*.port" names of an open folder in name order; like the shell's "*.port", hidden files
// are not ports.
std::vector<std::string> portFileNames(int folder) {
    std::vector<std::string> names;
    const int listing = ::dup(folder);
    DIR* dir = listing >= 0 ? ::fdopendir(listing) : nullptr;
    if (!dir) {
        if (listing >= 0)
            ::close(listing);
        return names;
    }
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name[0] != '.' && endsWith(name, ".port"))
            names.push_back(name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

bool trustedPortDirectory(const PortLocation& where, std::string* why) {
    std::string reason;
    const bool trusted = openPortDirectory(where, false, reason).Get() >= 0;
    if (why)
        *why = reason;
    return trusted;
}

bool makePortDirectory(const PortLocation& where, std::string& why) {
    makeFolders(where.base);
    return openPortDirectory(where, true, why).Get() >= 0;
}

std::optional<PortFile> readPortFile(const std::string& file) {
    const TDescriptor folder(::open(folderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() < 0)
        return std::nullopt;
    return readPortFileAt(folder.Get(), file.substr(file.find_last_of('/') + 1));
}

bool writePortFile(const std::string& file, const PortFile& port) {
    if (holdsLineBreak(port.description) || holdsLineBreak(port.serial) ||
        holdsLineBreak(port.path) || holdsLineBreak(port.latency))
        return false;
    // Whoever lists the file judges its folder; here it only has to exist.
    makeFolders(folderOf(file));
    std::string text = "description=" + port.description + "\nserial=" + port.serial +
                       "\npath=" + port.path + "\n";
    if (port.pid > 0)
        text += "pid=" + std::to_string(port.pid) + "\n";
    if (!port.latency.empty())
        text += "latency=" + port.latency + "\n";
    // Made beside it under a hidden name, which a listing never picks up, and renamed into
    // place, so a listing never sees half a file.
    return SaveWholeFile(file, text, TNewFile::Private) == TSaveResult::Saved;
}

bool writeLatencyFile(const std::string& file, unsigned milliseconds) {
    const TDescriptor out(::open(file.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (out.Get() < 0 || ::fstat(out.Get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_uid != ::getuid() || (info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return false;
    const std::string text = std::to_string(milliseconds) + "\n";
    return ::ftruncate(out.Get(), 0) == 0 &&
           ::pwrite(out.Get(), text.data(), text.size(), 0) == static_cast<ssize_t>(text.size());
}

bool isOwnPseudoTerminal(const std::string& path) {
    // Exactly /dev/pts/<number>: no other spelling of the same place, no link from elsewhere.
    static const std::string prefix = "/dev/pts/";
    if (path.size() <= prefix.size() || path.compare(0, prefix.size(), prefix) != 0 ||
        path.size() - prefix.size() > 9)
        return false;
    for (std::size_t i = prefix.size(); i < path.size(); ++i)
        if (path[i] < '0' || path[i] > '9')
            return false;
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && ownPseudoTerminal(info);
}

bool isOwnPseudoTerminal(int fd) {
    struct stat info {};
    return fstat(fd, &info) == 0 && ownPseudoTerminal(info);
}

std::vector<PortFile> listPortFiles(const PortLocation& where) {
    std::string why;
    const TDescriptor folder = openPortDirectory(where, false, why);
    if (folder.Get() < 0)
        return {};
    std::vector<PortFile> ports;
    for (const std::string& name : portFileNames(folder.Get())) {
        auto port = readPortFileAt(folder.Get(), name);
        if (port && isOwnPseudoTerminal(port->path) && !servingProcessGone(*port))
            ports.push_back(*port);
    }
    return ports;
}

int removePortFilesFor(const std::string& directory, const std::string& path) {
    const TDescriptor folder(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() < 0)
        return 0;
    int removed = 0;
    for (const std::string& name : portFileNames(folder.Get())) {
        auto port = readPortFileAt(folder.Get(), name);
        if (port && port->path == path && ::unlinkat(folder.Get(), name.c_str(), 0) == 0)
            ++removed;
    }
    return removed;
}

} // namespace d2xx
