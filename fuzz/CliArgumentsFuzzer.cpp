// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the command line's arguments (split at NUL): every argument comes back to the
// system byte for byte, parsing ends in a call or one line saying what is wrong (with no
// control character of an argument in it), and a call that runs in lanes gives each lane
// arguments that parse back to the same call.

#include "cli/CommandLine.h"
#include "platform/framework/NativePath.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    QStringList arguments;
    for (std::size_t start = 0; start <= size;) {
        const std::size_t end = std::min(bytes.find('\0', start), size);
        const std::string argument = bytes.substr(start, end - start);
        const QString text = NativeText(argument);
        if (NativeNameOf(text) != argument)
            std::abort();
        arguments << text;
        start = end + 1;
    }

    cli::TInvocation call;
    QString problem;
    if (!cli::Parse(arguments, false, call, problem)) {
        // One line, and nothing a terminal would obey: arguments are shown escaped.
        if (problem.isEmpty())
            std::abort();
        for (const QChar c : problem) {
            const char16_t u = c.unicode();
            if (u < 0x20 || (u >= 0x7F && u <= 0x9F) || (u >= 0x202A && u <= 0x202E) ||
                (u >= 0x2066 && u <= 0x2069))
                std::abort();
        }
        return 0;
    }
    if (!problem.isEmpty())
        std::abort();
    // --version alone has no command; it and -h never run lanes.
    if ((call.Command == nullptr) != call.Options.Version ||
        (call.Options.Version && call.Options.All))
        std::abort();
    if (!call.Options.All)
        return 0;
    const QStringList lane =
        cli::LaneArguments(call, false, QStringLiteral("SN"), QStringLiteral("x-") + call.File());
    cli::TInvocation parsed;
    if (!cli::Parse(lane.mid(1), false, parsed, problem))
        std::abort();
    cli::TInvocation expected = call;
    expected.Options.All = false;
    expected.Options.Serial = QStringLiteral("SN");
    expected.Operands[0] = QStringLiteral("x-") + call.File();
    if (parsed.Command != expected.Command || parsed.Operands != expected.Operands ||
        !(parsed.Options == expected.Options))
        std::abort();
    return 0;
}
