// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Q47Differences.h"

#include "model/Q47.h"

std::vector<const TQ47Parameter*> Q47Differences(const TQ47& before, const TQ47& after) {
    // Each set as its image decodes: what the connector holds or would hold.
    const auto asWritten = [](const TQ47& set) {
        TQ47 copy = set;
        copy.Encode();
        copy.Decode();
        return copy;
    };
    const TQ47 old = asWritten(before);
    const TQ47 now = asWritten(after);
    std::vector<const TQ47Parameter*> differences;
    for (const TQ47Parameter& parameter : Q47Parameters()) {
        bool differs;
        if (parameter.Kind == TParameterKind::Mode)
            differs = old.Continuous != now.Continuous;
        else if (parameter.Kind == TParameterKind::Samples)
            differs = !now.Continuous && (old.Continuous || old.SamplesCount != now.SamplesCount);
        else if (parameter.Volts)
            differs =
                TQ47::VoltsToCode(old.*parameter.Volts) != TQ47::VoltsToCode(now.*parameter.Volts);
        else
            differs = parameter.Value && old.*parameter.Value != now.*parameter.Value;
        if (differs)
            differences.push_back(&parameter);
    }
    return differences;
}
