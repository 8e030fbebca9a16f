// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/AdapterFirmware.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

// The connector memory kept in a file, so that what was written survives the simulator.
// Loads `file` into the firmware's memory, or creates it with a fresh memory when it does not
// exist. False with a message in `error` when it is there but cannot be read (it is then never
// replaced) or cannot be created. Notes about a file of another size go to `note`.
bool loadMemoryFile(AdapterFirmware& firmware, const std::string& file, std::string& error,
                    std::string& note);

// Gives the memory file the bytes as a whole: a failed save leaves the old file whole.
bool saveMemoryFile(const std::string& file, const std::vector<std::uint8_t>& bytes);

// The simulator program's memory file, where none named means a memory that lives only as long
// as the program: loads it (notes go to standard error), or saves it (a failed save is told
// there and serving goes on).
bool loadServedMemory(AdapterFirmware& firmware, const std::string& file, std::string& error);
void saveServedMemory(const std::string& file, const std::vector<std::uint8_t>& bytes);

} // namespace sim
