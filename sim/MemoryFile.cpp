// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/MemoryFile.h"

#include "platform/files/Files.h"

#include <cstdio>
#include <filesystem>

namespace sim {

bool loadMemoryFile(AdapterFirmware& firmware, const std::string& file, std::string& error,
                    std::string& note) {
    const std::size_t size = firmware.memory().size();
    const TLoadedFile loaded = LoadWholeFile(std::filesystem::u8path(file), size);
    if (loaded.Result == TLoadResult::Missing) {
        firmware.resetMemory();
        if (!saveMemoryFile(file, firmware.memory())) {
            error = "cannot create the memory file " + file;
            return false;
        }
        return true;
    }
    if (loaded.Result != TLoadResult::Loaded) {
        // Never replace a memory file that is there but cannot be read.
        error = "cannot read the memory file " + file;
        return false;
    }
    firmware.loadMemory(std::vector<std::uint8_t>(loaded.Bytes.begin(), loaded.Bytes.end()));
    // A file cut short (or kept for the other memory kind) still serves, but the person running
    // the simulator should know which bytes are not the stored ones.
    if (loaded.Bytes.size() < size)
        note = "the memory file " + file + " holds " + std::to_string(loaded.Bytes.size()) +
               " of " + std::to_string(size) + " bytes; the rest reads as a fresh connector";
    else if (loaded.Longer)
        note = "the memory file " + file + " holds more than " + std::to_string(size) +
               " bytes; this connector uses the first " + std::to_string(size);
    return true;
}

bool saveMemoryFile(const std::string& file, const std::vector<std::uint8_t>& bytes) {
    // Made exclusively beside it and renamed into place: never written through a link someone
    // else put at its name.
    return SaveWholeFile(std::filesystem::u8path(file),
                         std::string_view(reinterpret_cast<const char*>(bytes.data()),
                                          bytes.size())) == TSaveResult::Saved;
}

bool loadServedMemory(AdapterFirmware& firmware, const std::string& file, std::string& error) {
    if (file.empty())
        return true;
    std::string note;
    const bool loaded = loadMemoryFile(firmware, file, error, note);
    if (!note.empty())
        std::fprintf(stderr, "brookfetch-adapter-sim: %s\n", note.c_str());
    return loaded;
}

void saveServedMemory(const std::string& file, const std::vector<std::uint8_t>& bytes) {
    if (!file.empty() && !saveMemoryFile(file, bytes))
        std::fprintf(stderr, "brookfetch-adapter-sim: cannot write %s\n", file.c_str());
}

} // namespace sim
