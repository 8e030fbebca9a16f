// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

// Virtual ports: a program that serves a pseudo-terminal (the adapter simulator, a test)
// registers it by writing a small "<name>.port" file of key=value lines into the port
// directory:
//   description=USB FETCHer Adapter
//   serial=SIM0001
//   path=/dev/pts/7
//   pid=4242
//   latency=/run/user/1000/brookfetch/ports/sim-4242.latency
// The D2XX layer lists these ports after the kernel's USB serial devices.
//
// What a port file names gets opened and written to, so only this user's own files are
// believed: the folders the programs make for them are real directories (no symbolic link)
// owned by this user and writable by nobody else, a port file is a regular file of this
// user's that nobody else may write, and its path is a pseudo-terminal slave (/dev/pts/N)
// that belongs to this user. Anything else is skipped without being opened.
namespace d2xx {

struct PortFile {
    std::string description; // required
    std::string serial;      // may be empty
    std::string path;        // required: a pseudo-terminal slave, /dev/pts/N
    // The serving process, when the file names it. A file whose process is gone is stale: its
    // terminal may since have been given to someone else (a user's shell), so it is not listed.
    long pid = 0;
    // A file that stands for the adapter's latency timer, as ftdi_sio's latency_timer
    // attribute does: FT_SetLatencyTimer writes the period into it in decimal milliseconds and
    // a newline, and the serving program takes its timing from it. Empty: none.
    std::string latency = {};
};

// A port directory and the existing folder below which its path is the programs' own to make
// and to check. Folders above `base` are the system's (/tmp, the runtime folder).
struct PortLocation {
    // `base` empty: the directory's parent, so only the directory itself is checked.
    PortLocation(std::string directory, std::string base = {});
    std::string directory;
    std::string base;
};

// $BROOKFETCH_PORTS, else $XDG_RUNTIME_DIR/brookfetch/ports (made below $XDG_RUNTIME_DIR), else
// /tmp/brookfetch-<uid>/ports (made below /tmp). Nothing is created here.
PortLocation portLocation();
std::string portDirectory(); // portLocation().directory

// Whether a port directory may be listed: every folder from below `base` down to the
// directory itself is a real directory of this user's that nobody else may write. When it may
// not, `why` says which folder and what is wrong with it.
bool trustedPortDirectory(const PortLocation& where, std::string* why = nullptr);

// Makes the missing folders of a port directory (private to this user) and checks it as
// trustedPortDirectory does. False with the reason in `why`.
bool makePortDirectory(const PortLocation& where, std::string& why);

// Parses one port file; nothing when it is not a small regular file of this user's that
// nobody else may write (a symbolic link is not followed), cannot be read, or lacks
// description or path.
std::optional<PortFile> readPortFile(const std::string& file);

// Writes a port file atomically (aside, then renamed), private to this user, creating its
// directory if needed, so a listing never sees half a file. False when it cannot be written or
// a value holds a line break (it would add lines of its own to the file).
bool writePortFile(const std::string& file, const PortFile& port);

// Writes a latency timer period into a port's latency file ("2\n"). Only an existing regular
// file of this user's that nobody else may write is written (a symbolic link is not followed).
bool writeLatencyFile(const std::string& file, unsigned milliseconds);

// The usable ports of a trusted directory: "*.port" files in file-name order whose path is one
// of this user's pseudo-terminals and whose serving process, if named, still runs.
std::vector<PortFile> listPortFiles(const PortLocation& where);

// Whether a path names a pseudo-terminal slave, "/dev/pts/N" exactly, that belongs to this
// user. Judged without opening it: opening a slave disturbs its master.
bool isOwnPseudoTerminal(const std::string& path);
// The same for an open descriptor, to see that what was opened is what was looked at.
bool isOwnPseudoTerminal(int fd);

// Removes the port files of a directory that name `path`. A program that has just been given
// a terminal calls it: a file naming that terminal was left behind by a program that died
// without cleaning up, and would make the terminal appear twice. Returns how many went.
int removePortFilesFor(const std::string& directory, const std::string& path);

} // namespace d2xx
