// Moving the parameter image to and from the connector.

#include "model/Q47.h"

#include "adapter/TarnAdapter.h"
#include "platform/framework/Exceptions.h"

#include <cstring>

namespace {
constexpr const char* Unit = "Q47";
// The sampler reads its parameters from the start of the connector memory.
constexpr int ImageAddress = 0;
} // namespace

bool TQ47::ReadConnector() {
    if (Device == nullptr)
        throw Exception(ErrorOnFile(Unit, __LINE__));
    if (!Device->ReadMemory(ImageAddress, Image, ImageSize) || !ImageValid()) {
        LastError = CommError;
        return false;
    }
    Decode();
    LastError = NoError;
    return true;
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
