// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes from a host, in any pieces, into the simulated adapter's firmware with its fault
// switches set from the input: no crash, and every answer is one the adapter could give.

#include "sim/AdapterFirmware.h"

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

using sim::AdapterFirmware;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    AdapterFirmware firmware(input.ConsumeBool());
    firmware.setConnectorPresent(input.ConsumeBool());
    firmware.setSeed(input.ConsumeIntegral<std::uint32_t>());
    for (int i = 0; i < AdapterFirmware::FaultCount; ++i)
        if (input.ConsumeBool())
            firmware.setFault(static_cast<AdapterFirmware::Fault>(i),
                              input.ConsumeProbability<double>(),
                              input.ConsumeIntegralInRange(0, 3));
    auto now = AdapterFirmware::Clock::now();
    while (input.remaining_bytes() > 0) {
        if (input.ConsumeIntegralInRange(0, 15) == 0)
            firmware.setSmallMemory(input.ConsumeBool());
        now += std::chrono::milliseconds(input.ConsumeIntegralInRange(0, 400));
        const std::string piece = input.ConsumeRandomLengthString(48);
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(piece.data());
        // The frame scan by itself: a complete frame lies within what it was given.
        const auto scan = AdapterFirmware::scanFrame(bytes, piece.size());
        if (scan.length > piece.size())
            std::abort();
        if (scan.check == AdapterFirmware::FrameCheck::Complete)
            AdapterFirmware::decode(bytes, scan.length);
        for (const auto& answer : firmware.receive(bytes, piece.size(), now)) {
            if (answer.reply.size() > 1 + tarn::MaxBlock || answer.frame.empty() ||
                answer.frame[0] != tarn::LeadByte)
                std::abort();
        }
        if (firmware.memory().size() != AdapterFirmware::SmallSize &&
            firmware.memory().size() != AdapterFirmware::LargeSize)
            std::abort();
    }
    return 0;
}
