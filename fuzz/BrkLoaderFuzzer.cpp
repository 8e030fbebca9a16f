// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a .brk file: the loader must refuse or take them without harm, and what it
// takes must encode back into a valid image that decodes to the same parameters.

#include "model/Q47.h"

#include "fuzz/ScratchFile.h"
#include "platform/framework/NativePath.h"

#include <cstdint>
#include <cstdlib>

namespace {

QString File() {
    static const QString path = ScratchFile(QStringLiteral("set.brk"));
    return path;
}

bool SameParameters(const TQ47& a, const TQ47& b) {
    return a.PumpPulses == b.PumpPulses && a.DeadTime == b.DeadTime && a.PrePurge == b.PrePurge &&
           a.Aeration == b.Aeration && a.PostPurge == b.PostPurge &&
           a.SamplingInterval == b.SamplingInterval && a.Continuous == b.Continuous &&
           a.SamplesCount == b.SamplesCount && a.AccuWarning == b.AccuWarning &&
           a.AccuOff == b.AccuOff && a.MaxSuctionTime == b.MaxSuctionTime &&
           a.PurgesCount == b.PurgesCount && a.VarMode == b.VarMode;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FillScratchFile(File(), reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TQ47 model;
    const bool loaded = model.LoadFromFile(NativePath(File()));
    if (loaded != (size >= TQ47::ImageSize && model.ImageValid()) ||
        model.LastError != (loaded ? TQ47::NoError : TQ47::CommError))
        std::abort();
    if (!loaded)
        return 0;
    // What was shown is what a save or a write would store.
    model.Encode();
    if (!model.ImageValid())
        std::abort();
    TQ47 again;
    std::copy(model.Image, model.Image + TQ47::ImageSize, again.Image);
    again.Decode();
    if (!SameParameters(model, again))
        std::abort();
    return 0;
}
