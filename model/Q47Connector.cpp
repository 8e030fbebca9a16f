// Moving the parameter image to and from the connector.

#include "model/Q47.h"

#include "adapter/TarnAdapter.h"
#include "platform/framework/Exceptions.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr const char* Unit = "Q47";
// The sampler reads its parameters from the start of the connector memory.
constexpr int ImageAddress = 0;
} // namespace

bool TQ47::ReadConnector() {
    if (Device == nullptr)
        throw Exception(ErrorOnFile(Unit, __LINE__));
    if (!Device->ReadMemory(ImageAddress, Image, ImageSize) || !ImageValid() ||
        !FirstBlockConfirmed()) {
        LastError = CommError;
        return false;
    }
    Decode();
    LastError = NoError;
    return true;
}

bool TQ47::FirstBlockConfirmed() {
    // The pump pulses in bytes 0 and 1 are outside the checksum, so a reply corrupted there
    // would pass and the wrong value would go into every connector programmed from it. The
    // first block is read once more, without progress, and must come back the same.
    std::uint8_t again[ImageSize];
    const int count = std::clamp(Device->BlockSize, 2, ImageSize);
    return Device->ReadBlock(ImageAddress, again, count) &&
           std::memcmp(again, Image + ImageAddress, static_cast<std::size_t>(count)) == 0;
}

bool TQ47::WriteConnector() {
    if (Device == nullptr)
        throw Exception(ErrorOnFile(Unit, __LINE__));
    // What goes out is always rebuilt from the parameters.
    Encode();
    if (!Device->WriteMemory(ImageAddress, Image, ImageSize)) {
        LastError = CommError;
        return false;
    }
    if (!Verify()) {
        LastError = CommError;
        return false;
    }
    LastError = NoError;
    return true;
}

bool TQ47::Verify() {
    if (Device == nullptr)
        throw Exception(ErrorOnFile(Unit, __LINE__));
    std::uint8_t readBack[ImageSize];
    return Device->ReadMemory(ImageAddress, readBack, ImageSize) &&
           std::memcmp(readBack, Image, ImageSize) == 0;
}

bool TQ47::WriteImageToConnector(bool& differs) {
    differs = false;
    if (Device == nullptr)
        throw Exception(ErrorOnFile(Unit, __LINE__));
    std::uint8_t readBack[ImageSize];
    if (!Device->WriteMemory(ImageAddress, Image, ImageSize) ||
        !Device->ReadMemory(ImageAddress, readBack, ImageSize)) {
        LastError = CommError;
        return false;
    }
    differs = std::memcmp(readBack, Image, ImageSize) != 0;
    LastError = differs ? CommError : NoError;
    return !differs;
}
