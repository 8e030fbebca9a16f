// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace cli {

// What the program's exit status tells a script.
enum ExitCode : int {
    ExitOk = 0,
    ExitCommunicationError = 1, // failed transfer or checksum; short file
    ExitFileError = 2,          // a file that cannot be opened, read or written
    ExitParameterError = 3,     // a parameter out of range or malformed
    ExitNoDevice = 4,           // no adapter, or no connector in it
    ExitContentDiffers = 5,     // the connector holds other bytes than the file or the write
    ExitUsage = 64,             // the command line itself is wrong
};

} // namespace cli
