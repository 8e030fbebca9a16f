// Any text as a time, in the parameter page's reading and in the command line's: no crash, no
// overflow, and a time that passes is within its limits and prints back to itself.

#include "platform/framework/Convert.h"

#include <QString>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // As UTF-8, and the same bytes as UTF-16 (copied: the input need not be aligned for it).
    std::u16string wide(size / 2, u'\0');
    std::memcpy(wide.data(), data, wide.size() * 2);
    const QString texts[] = {
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
        QString::fromStdU16String(wide),
    };
    for (const QString& text : texts) {
        for (const TTimeReading reading : {TTimeReading::Lenient, TTimeReading::Strict}) {
            int seconds = -1;
            if (!TimeTextToSeconds(text, seconds, reading))
                continue;
            const bool lenient = reading == TTimeReading::Lenient;
            if (seconds < 0 || (lenient && seconds >= 24 * 3600))
                std::abort();
            int again = -1;
            if (!TimeTextToSeconds(SecondsToText(seconds), again, reading) || again != seconds)
                std::abort();
        }
    }
    return 0;
}
