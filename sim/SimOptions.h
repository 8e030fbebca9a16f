// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/AdapterFirmware.h"
#include "sim/ChipModel.h"
#include "sim/UsbFaults.h"

#include <QStringList>
#include <chrono>
#include <string>

namespace sim {

// One simulated adapter as its options describe it, beside what goes into its firmware.
struct SimSetup {
    std::string description = "USB FETCHer Adapter";
    std::string serial = "SIM0001";
    std::string memoryFile; // empty: the memory lives only as long as the program
    // The USB chip's timing: the real chip's unless a test asks for an ideal line.
    ChipModel::Timing timing = ChipModel::Timing::Chip;
    std::chrono::milliseconds delay{0};
    bool verbose = false;
    // Only a simulator on a pseudo-terminal registers a port; the simulated FTD2XX.DLL has none.
    std::string name;  // port file name without ".port"; empty: sim-<pid>
    std::string ports; // port directory; empty: where Brookfetch looks
    std::string ptmx;  // the pseudo-terminal multiplexer; empty: the system's
    // Served as a USB/IP device instead: "[ADDRESS:]PORT"; empty: on a pseudo-terminal.
    std::string usbip;
    UsbFaults usbFaults; // of the USB line, for a USB/IP device only
};

struct SimParse {
    enum class Outcome { Run, Help, Version, Error };
    Outcome outcome = Outcome::Run;
    std::string text; // Help: the help text; Error: one message a line
};

// Reads the simulator's options, as brookfetch-adapter-sim takes them on its command line and the
// simulated FTD2XX.DLL for each adapter of BROOKFETCH_SIM. arguments[0] is the program's name.
// The firmware gets its switches (memory kind, connector, version, faults, timings).
SimParse parseSimOptions(const QStringList& arguments, AdapterFirmware& firmware, SimSetup& setup);

} // namespace sim
