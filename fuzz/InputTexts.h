// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A fuzz input as text both ways a program meets text: as UTF-8 (a file, an argument) and as the
// same bytes taken for UTF-16 with whatever surrogates they hold (copied: the input need not be
// aligned for it).

#include <QString>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>

inline std::array<QString, 2> InputTexts(const std::uint8_t* data, std::size_t size) {
    std::u16string wide(size / 2, u'\0');
    std::memcpy(wide.data(), data, wide.size() * 2);
    return {QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
            QString::fromStdU16String(wide)};
}
