// SPDX-License-Identifier: GPL-3.0-or-later
// Moving the parameter image to and from the connector.

#include "model/Q47.h"

#include "adapter/TarnAdapter.h"
#include "platform/framework/Exceptions.h"

namespace {
// The sampler reads its parameters from the start of the connector memory.
constexpr int ImageAddress = 0;
// The pump pulses, which the checksum does not cover.
constexpr int UncheckedBytes = 2;
} // namespace

bool TQ47::ReadConnector() {
    if (Device == nullptr)
        throw Exception(ErrorOnFile());
    // The checksum alone cannot be trusted with what came over the line: two damaged bytes
    // may cancel in its sum, and the pump pulses in bytes 0 and 1 lie outside it. A wrong
    // image taken from one connector would go into every connector programmed from it.
    Left = TConnectorLeft::Unchanged;
    if (!Device->ReadMemoryConfirmed(ImageAddress, Image, ImageSize, UncheckedBytes)) {
        LastError = CommError;
        return false;
    }
    if (!ImageValid()) {
        // Read alike twice: the connector holds these bytes, a write cut short may have left
        // them so.
        Left = TConnectorLeft::BadChecksum;
        LastError = CommError;
        return false;
    }
    Decode();
    LastError = NoError;
    return true;
}

bool TQ47::WriteConnector() {
    if (Device == nullptr)
        throw Exception(ErrorOnFile());
    // What goes out is always rebuilt from the parameters.
    Encode();
    bool differs = false;
    return WriteImageToConnector(differs);
}

bool TQ47::Verify() {
    if (Device == nullptr)
        throw Exception(ErrorOnFile());
    std::uint8_t readBack[ImageSize];
    return Device->CompareMemory(ImageAddress, Image, readBack, ImageSize) ==
           TTarnDevice::TComparison::Same;
}

bool TQ47::WriteImageToConnector(bool& differs) {
    differs = false;
    if (Device == nullptr)
        throw Exception(ErrorOnFile());
    std::uint8_t readBack[ImageSize];
    Left = TConnectorLeft::Unchanged;
    if (!Device->WriteMemory(ImageAddress, Image, ImageSize)) {
        // The sampler takes what it finds: a connector cut in the middle of a write holds old
        // and new parameters under the old checksum.
        if (Device->MayHaveChanged)
            Left = TConnectorLeft::Mixed;
        LastError = CommError;
        return false;
    }
    switch (Device->CompareMemory(ImageAddress, Image, readBack, ImageSize)) {
    case TTarnDevice::TComparison::Same:
        LastError = NoError;
        return true;
    case TTarnDevice::TComparison::Differs:
        differs = true;
        Left = TConnectorLeft::Differs;
        break;
    case TTarnDevice::TComparison::Failed:
        Left = TConnectorLeft::Unverified;
        break;
    }
    LastError = CommError;
    return false;
}
