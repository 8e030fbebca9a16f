// Moving the parameter image to and from the connector.

#include "model/Q47.h"

#include "adapter/TarnAdapter.h"
#include "platform/framework/Exceptions.h"

namespace {
constexpr const char* Unit = "Q47";
// The sampler reads its parameters from the start of the connector memory.
constexpr int ImageAddress = 0;
// The pump pulses, which the checksum does not cover.
constexpr int UncheckedBytes = 2;
} // namespace

bool TQ47::ReadConnector() {
    if (Device == nullptr)
        throw Exception(ErrorOnFile(Unit, __LINE__));
    // The checksum alone cannot be trusted with what came over the line: two damaged bytes
    // may cancel in its sum, and the pump pulses in bytes 0 and 1 lie outside it. A wrong
    // image taken from one connector would go into every connector programmed from it.
    if (!Device->ReadMemoryConfirmed(ImageAddress, Image, ImageSize, UncheckedBytes) ||
        !ImageValid()) {
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
    return Device->CompareMemory(ImageAddress, Image, readBack, ImageSize) ==
           TTarnDevice::TComparison::Same;
}

bool TQ47::WriteImageToConnector(bool& differs) {
    differs = false;
    if (Device == nullptr)
        throw Exception(ErrorOnFile(Unit, __LINE__));
    std::uint8_t readBack[ImageSize];
    if (!Device->WriteMemory(ImageAddress, Image, ImageSize)) {
        LastError = CommError;
        return false;
    }
    const auto compared = Device->CompareMemory(ImageAddress, Image, readBack, ImageSize);
    differs = compared == TTarnDevice::TComparison::Differs;
    LastError = compared == TTarnDevice::TComparison::Same ? NoError : CommError;
    return LastError == NoError;
}
