// Any text as a time, in the parameter page's reading and in the command line's: no crash, no
// overflow, and a time that passes is within its limits and prints back to itself.

#include "platform/framework/Convert.h"

#include "fuzz/InputTexts.h"

#include <QString>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const QString& text : InputTexts(data, size)) {
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
