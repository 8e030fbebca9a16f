#pragma once

#include <optional>
#include <string>
#include <vector>

// Virtual ports: a program that serves a terminal (the adapter simulator, a test) registers it
// by writing a small "<name>.port" file of key=value lines into the port directory:
//   description=USB FETCHer Adapter
//   serial=SIM0001
//   path=/dev/pts/7
//   pid=4242
// The D2XX layer lists these ports after the kernel's USB serial devices.
namespace d2xx {

struct PortFile {
    std::string description; // required
    std::string serial;      // may be empty
    std::string path;        // required: absolute path of a terminal device
    // The serving process, when the file names it. A file whose process is gone is stale: its
    // terminal may since have been given to someone else (a user's shell), so it is not listed.
    long pid = 0;
};

// $BROOKFETCH_PORTS, else $XDG_RUNTIME_DIR/brookfetch/ports, else /tmp/brookfetch-<uid>/ports.
// The directory is not created here.
std::string portDirectory();

// Parses one port file; nothing when it is not a small regular file, cannot be read or lacks
// description or path.
std::optional<PortFile> readPortFile(const std::string& file);

// Writes a port file atomically (aside, then renamed), creating its directory if needed, so a
// listing never sees half a file. False when it cannot be written.
bool writePortFile(const std::string& file, const PortFile& port);

// Whether a port directory may be listed: an existing folder of this user's (or root's).
bool trustedPortDirectory(const std::string& directory);

// The usable ports of a directory: "*.port" files in file-name order whose path names an
// existing terminal device and whose serving process, if named, still runs. Nothing when the
// directory does not exist or is not trusted.
std::vector<PortFile> listPortFiles(const std::string& directory);

// Whether a path names a terminal device, judged without opening it (opening a serial port
// would toggle its modem lines, and opening a pseudo-terminal's slave disturbs its master).
bool isTerminalDevice(const std::string& path);

// Removes the port files of a directory that name `path`. A program that has just been given
// a terminal calls it: a file naming that terminal was left behind by a program that died
// without cleaning up, and would make the terminal appear twice. Returns how many went.
int removePortFilesFor(const std::string& directory, const std::string& path);

} // namespace d2xx
