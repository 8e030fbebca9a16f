// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The trace a user turns on for a support person, the same for both programs: every call of the
// adapter's driver and every frame to and from the adapter, with its time, appended to a file
// (platform/d2xx/D2xxTrace.h). Asked for by --trace FILE on the command line, else by the
// environment's BROOKFETCH_TRACE=FILE; "-" is standard error.

// The file a start traces into: `option` when the command line gave one, else the
// environment's; empty for none.
QString TraceFileChosen(const QString& option);

// Starts the trace into `file`, headed by the program's name and version and the time of day.
// False with the system's words in `why` when the file cannot be opened: the program runs on
// without a trace, or stops, as it decides.
bool StartTrace(const QString& file, QString& why);
