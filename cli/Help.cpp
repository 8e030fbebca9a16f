#include "cli/Help.h"

#include <QStringList>

namespace cli {
namespace {

struct OptionHelp {
    const char* Name;
    const char* Text;
};

const OptionHelp Options[] = {
    {"--wait", "production mode: one connector after another until Ctrl+C"},
    {"--all", "every attached adapter at once, one lane per adapter"},
    {"--serial SN", "use the adapter with this serial number"},
    {"--retries N", "retry a transfer that failed on the link up to N times (default 2)"},
    {"--log FILE", "append one JSON line per connector operation to FILE"},
    {"--json", "one JSON object"},
    {"-q, --quiet", "no progress bar, notes or success lines"},
    {"--trace", "every frame on the adapter link, on standard error"},
};

struct Help {
    const char* Command;
    const char* Synopsis;
    const char* Text;
    const char* Options; // names from Options, space-separated by their first word
    const char* Example;
};

const Help Helps[] = {
    {"status", "status",
     "The adapter's description, firmware version and serial number, and whether a\n"
     "connector is plugged in and which memory it has. Exit code 0 only when a sampler\n"
     "connector is plugged in, 4 otherwise.",
     "--json --serial -q --trace", "until brookfetch-cli -q status >/dev/null; do sleep 1; done"},
    {"read", "read FILE",
     "Reads the connector and saves its 128 bytes exactly as read into FILE (- for standard\n"
     "output). With --wait, saves each connector into the next free numbered file:\n"
     "FILE batch.brk gives batch-0001.brk, batch-0002.brk, ... With --all, each adapter's\n"
     "lane saves into batch-<serial>.brk (with --wait batch-<serial>-0001.brk, ...).",
     "--wait --all --serial --retries --log -q --trace", "brookfetch-cli read site-12.brk"},
    {"write", "write FILE",
     "Checks the checksum of FILE (- for standard input) and that every parameter is in\n"
     "range, writes its 128 bytes into the connector exactly as they are and reads them back.\n"
     "Nothing is sent when a value is out of range (exit code 3). A read-back that differs is\n"
     "written once more; a second difference ends with exit code 5.",
     "--wait --all --serial --retries --log -q --trace",
     "brookfetch-cli write --wait --log bench.log river.brk"},
    {"verify", "verify FILE",
     "Compares the connector with FILE byte for byte. A difference names its first offset,\n"
     "both bytes and the parameter there, and ends with exit code 5.",
     "--all --serial --retries --log -q --trace", "brookfetch-cli verify site-12.brk"},
    {"show", "show [FILE]",
     "The parameters of FILE (- for standard input), or of the connector when no FILE is\n"
     "given, one NAME=VALUE line each.",
     "--json --serial --retries --trace", "brookfetch-cli show --json river.brk"},
    {"new", "new FILE [NAME=VALUE...]",
     "Creates FILE (- for standard output) with the default parameters, changed by the\n"
     "assignments. A refused value names the parameter and its range (exit code 3).",
     "-q", "brookfetch-cli new river.brk DeadTime=01:30:00 PrePurge=20 AccuOff=9.8"},
    {"set", "set FILE NAME=VALUE...",
     "Changes parameters of FILE, all or nothing. Only the bytes of the changed parameters\n"
     "and the checksum are rewritten; the file is replaced atomically.",
     "-q", "brookfetch-cli set river.brk Aeration=20 PurgesCount=3"},
};

} // namespace

QString CommandHelp(const QString& command) {
    for (const Help& help : Helps) {
        if (command != QLatin1String(help.Command))
            continue;
        QString text = QStringLiteral("Usage: brookfetch-cli %1 [options]%2\n\n%3\n\nOptions:\n")
                           .arg(QLatin1String(help.Command),
                                QLatin1String(help.Synopsis).mid(qsizetype(qstrlen(help.Command))),
                                QLatin1String(help.Text));
        const QStringList wanted = QString::fromLatin1(help.Options).split(QLatin1Char(' '));
        for (const OptionHelp& option : Options) {
            const QString name = QLatin1String(option.Name);
            if (wanted.contains(
                    name.section(QLatin1Char(' '), 0, 0).section(QLatin1Char(','), 0, 0)))
                text += QStringLiteral("  %1%2\n").arg(name, -14).arg(QLatin1String(option.Text));
        }
        return text + QStringLiteral("  -h, --help    this help\n\nExample:\n  %1\n")
                          .arg(QLatin1String(help.Example));
    }
    return QString();
}

} // namespace cli
