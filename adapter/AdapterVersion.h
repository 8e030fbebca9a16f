// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

// The adapter's firmware version as both programs show it: major and minor from the high and
// low byte of the version reply, in hexadecimal, the minor always two digits (0x0103: "1.03").
QString AdapterVersionText(std::uint16_t version);
