// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/d2xx/D2xxHook.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// A trace for a support person: every FT_* call with the arguments that matter and its result,
// and every frame the adapter link sends or receives, one line each behind the milliseconds
// since the trace began. Nothing else goes in: the session's own bytes and the devices' names,
// never the environment or what other files hold. Each line is handed to the system as it is
// written, so a program that crashes leaves its trace whole up to the crash.
namespace d2xx {

// Starts the trace, appended to the file `name` (made when missing), or on standard error when
// `name` is empty; `header` (the program, its version, the wall-clock time) is its first line.
// False with the system's words in `why` when the file cannot be opened: no trace then.
bool startTrace(const std::filesystem::path& name, std::string_view header, std::string& why);
void stopTrace();
bool tracing();

// A frame of the adapter link in hex behind `arrow` ("-->" sent, "<--" received, "<-!" bytes
// that came unexpectedly), and a remark of the link ("Rx timeout").
void traceFrame(std::string_view arrow, const std::uint8_t* bytes, std::size_t count);
void traceNote(std::string_view text);

// For the FT_* entry points: the driver that writes each call and passes it on to
// untracedDriver(), while a trace is on; nullptr otherwise.
Driver* traceDriver();
Driver& untracedDriver(); // the installed hook, else the system driver (D2xxApi.cpp)

} // namespace d2xx
