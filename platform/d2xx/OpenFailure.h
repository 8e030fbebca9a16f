// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/d2xx/ftd2xx.h"

#include <string>

// Why the D2XX layer could not open a device, for a message that says what to do about it.
// FT_Open itself has only its status codes, which tell neither that another program holds the
// line nor that the user may not open it, so the layer offers an open that also says why.
namespace d2xx {

// The one list of reasons, for the adapter link above too (TAdapterOpen::TProblem): this layer
// tells what the system says (InUse, PortBusy, NoPermission, DriverMissing); the link adds
// what only it can know (NotFound, Several, OpenFailed, Silent).
enum class OpenRefusal {
    None,          // no refusal to report: the open worked, or failed for another reason
    DriverMissing, // the D2XX driver itself is not installed
    NotFound,      // no attached device has the description (and the chosen serial number)
    Several,       // more than one has, and nothing tells them apart
    InUse,         // another program (or another handle of this one) holds the line's lock
    PortBusy,      // the line is held exclusively, but nobody holds its lock: a program that
                   // takes no lock (a terminal program), or one that ended without letting go
    NoPermission,  // the system refused the device node to this user
    OpenFailed,    // found, but it could not be opened for another reason
    Silent,        // open, but the adapter does not answer (told by the connector session)
};

struct OpenFailure {
    OpenRefusal reason = OpenRefusal::None;
    std::string path; // the device node, e.g. /dev/ttyUSB0 (empty for an in-process device)
    std::string description;
    std::string serial;
};

// FT_Open, and in `failure` why the device could not be opened when the system told (reason
// None otherwise, and after a successful open).
FT_STATUS openDevice(int deviceNumber, FT_HANDLE* handle, OpenFailure& failure);

// Whether the D2XX functions can be used at all. Where the driver is loaded at run time and is
// missing, nothing can be listed or opened, and this says why.
bool driverAvailable();

// The port a device of the latest listing is reached at, as its user names it: /dev/ttyUSB0, a
// simulator's /dev/pts/7 (the COM port on Windows); empty when the system does not say.
std::string devicePort(int deviceNumber);

// Why the folder of virtual ports was passed over when devices were listed (a symbolic link,
// another user's folder, one that others may write), naming the folder; empty when it was
// listed, or there is no such folder.
std::string refusedPortFolder();

} // namespace d2xx
