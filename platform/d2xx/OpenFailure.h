#pragma once

#include <string>

// Why the D2XX layer could not open a device, for a message that says what to do about it.
// FT_Open itself has only its status codes, which tell neither that another program holds the
// line nor that the user may not open it.
namespace d2xx {

enum class OpenRefusal {
    None,         // no refusal to report: the last open worked, or failed for another reason
    InUse,        // another program (or another handle of this one) holds the line
    NoPermission, // the system refused the device node to this user
};

struct OpenFailure {
    OpenRefusal reason = OpenRefusal::None;
    std::string path; // the device node, e.g. /dev/ttyUSB0 (empty for an in-process device)
    std::string description;
    std::string serial;
};

// The refusal met by the latest FT_Open of this process. A successful FT_Open and every new
// device count (FT_ListDevices with FT_LIST_NUMBER_ONLY) clear it, so after a failed attempt to
// find and open an adapter it describes that attempt and no older one.
OpenFailure lastOpenFailure();

// The system driver's side: what it met, or None.
void recordOpenFailure(OpenFailure failure);

} // namespace d2xx
