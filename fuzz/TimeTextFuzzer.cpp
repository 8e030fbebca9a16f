// SPDX-License-Identifier: GPL-3.0-or-later
// Any text as a time: no crash, no overflow, and a time that passes lies within a day, is made
// of digits and colons alone and prints back to itself.

#include "platform/framework/Convert.h"

#include "fuzz/InputTexts.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const QString& text : InputTexts(data, size)) {
        int seconds = -1;
        if (!TimeTextToSeconds(text, seconds))
            continue;
        if (seconds < 0 || seconds >= 24 * 3600)
            std::abort();
        for (const QChar c : text.trimmed())
            if (c != u':' && (c < u'0' || c > u'9'))
                std::abort();
        int again = -1;
        if (!TimeTextToSeconds(SecondsToText(seconds), again) || again != seconds)
            std::abort();
    }
    return 0;
}
