#include "sim/MemoryFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace sim {

bool loadMemoryFile(AdapterFirmware& firmware, const std::string& file, std::string& error,
                    std::string& note) {
    const std::filesystem::path path = std::filesystem::u8path(file);
    std::error_code missing;
    const bool exists = std::filesystem::exists(path, missing);
    std::ifstream in(path, std::ios::binary);
    if (exists && (!in || !std::filesystem::is_regular_file(path, missing))) {
        // Never replace a memory file that is there but cannot be read.
        error = "cannot read the memory file " + file;
        return false;
    }
    if (in) {
        std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
        firmware.loadMemory(bytes);
        // A file cut short (or kept for the other memory kind) still serves, but the person
        // running the simulator should know which bytes are not the stored ones.
        const std::size_t size = firmware.memory().size();
        if (bytes.size() < size)
            note = "the memory file " + file + " holds " + std::to_string(bytes.size()) + " of " +
                   std::to_string(size) + " bytes; the rest reads as a fresh connector";
        else if (bytes.size() > size)
            note = "the memory file " + file + " holds " + std::to_string(bytes.size()) +
                   " bytes; this connector uses the first " + std::to_string(size);
        return true;
    }
    firmware.resetMemory();
    if (!writeFileAtomically(file, firmware.memory())) {
        error = "cannot create the memory file " + file;
        return false;
    }
    return true;
}

bool writeFileAtomically(const std::string& file, const std::vector<std::uint8_t>& bytes) {
    const std::filesystem::path target = std::filesystem::u8path(file);
    // Two simulators may share a memory file; each writes its own copy aside.
    std::filesystem::path aside = target;
    aside += ".tmp" + std::to_string(std::random_device()());
    {
        std::ofstream out(aside, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(aside, ignored);
            return false;
        }
    }
    std::error_code failed;
    std::filesystem::rename(aside, target, failed);
    if (failed) {
        std::filesystem::remove(aside, failed);
        return false;
    }
    return true;
}

} // namespace sim
