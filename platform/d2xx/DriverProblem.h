// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace d2xx {

// Why no adapter can be found at all, in words for the user ("FTDI's D2XX driver (FTD2XX.DLL)
// is not installed"); empty while the D2XX functions are there. It describes the latest search
// for devices.
std::string DriverProblem();

} // namespace d2xx
