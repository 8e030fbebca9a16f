// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Q47Parameters.h"

#include <vector>

class TQ47;

// The parameters whose values differ between two sets, in the table's order, as the sampler
// would take them: both sets are compared through their images, so a voltage that encodes to
// the same 0.1 V code is no difference, and in continuous mode the samples count is not one.
// Pump pulses count: a write replaces them too.
std::vector<const TQ47Parameter*> Q47Differences(const TQ47& before, const TQ47& after);
