// brookfetch-adapter-sim: a simulated USB adapter on a pseudo-terminal, registered as a
// virtual port so that Brookfetch and brookfetch-cli find it like the real one.

#include "BrookfetchVersion.h"
#include "platform/d2xx/Ports.h"
#include "sim/AdapterFirmware.h"
#include "sim/PtyServer.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <unistd.h>

namespace {

using Fault = sim::AdapterFirmware::Fault;

struct FaultOption {
    Fault fault;
    const char* help;
};

const FaultOption faultOptions[] = {
    {Fault::DropReply, "Leave requests unanswered."},
    {Fault::WrongAck, "Start replies with a wrong acknowledge byte."},
    {Fault::ShortReply, "Cut the last byte off replies."},
    {Fault::CorruptByte, "Change one byte of replies."},
    {Fault::RefuseWrite, "Refuse block writes (answer 0, store nothing)."},
    {Fault::LoseWrite, "Accept block writes (answer 2) without storing them."},
    {Fault::Chatter, "Keep sending noise after a reply (see --chatter-ms)."},
    {Fault::SlowAnswer, "Answer late (see --slow-ms)."},
};

// "1.05" as shown by the window program (major.minor, hex digits), or a number like 0x0105.
std::optional<std::uint16_t> parseVersion(const QString& text) {
    bool ok = false;
    unsigned value = 0;
    const int dot = text.indexOf('.');
    if (dot >= 0) {
        bool okMinor = false;
        const unsigned major = text.left(dot).toUInt(&ok, 16);
        const unsigned minor = text.mid(dot + 1).toUInt(&okMinor, 16);
        ok = ok && okMinor && major <= 0xFF && minor <= 0xFF;
        value = major << 8 | minor;
    } else {
        value = text.toUInt(&ok, 0);
        ok = ok && value <= 0xFFFF;
    }
    if (!ok)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

int fail(const QString& message, int code) {
    std::fprintf(stderr, "brookfetch-adapter-sim: %s\n", qPrintable(message));
    return code;
}

} // namespace

int main(int argc, char** argv) {
    sim::PtyServer::ignoreTerminalStops();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Simulates the USB FETCHer adapter with a connector on a pseudo-terminal.\n"
        "Commands on standard input: plug, unplug, swap (a fresh connector in its place at\n"
        "once), small, large, fault NAME WHEN, clear (all faults), status, quit.\n"
        "A fault WHEN is a count (\"3\": the next 3 exchanges) or a probability "
        "(\"0.1\" or \"10%\").");
    parser.addHelpOption();
    const QCommandLineOption programVersion({"V", "version"}, "Show the program's version.");
    const QCommandLineOption description("description",
                                         "USB description (default \"USB FETCHer Adapter\").",
                                         "TEXT", "USB FETCHer Adapter");
    const QCommandLineOption serial("serial", "USB serial number.", "TEXT", "SIM0001");
    const QCommandLineOption name("name", "Port file name without \".port\" (default sim-<pid>).",
                                  "NAME");
    const QCommandLineOption ports("ports", "Port directory (default: as Brookfetch looks).",
                                   "DIR");
    const QCommandLineOption version("firmware-version", "Firmware version, e.g. 1.05 or 0x0105.",
                                     "VERSION", "1.05");
    const QCommandLineOption large("large", "A connector with the large (32 KiB) memory.");
    const QCommandLineOption noConnector("no-connector", "Start with no connector plugged in.");
    const QCommandLineOption memory("memory", "Keep the connector memory in FILE.", "FILE");
    const QCommandLineOption pace("pace", "Take the line time at 19200 bit/s for every exchange.");
    const QCommandLineOption delay("delay", "Wait MS before every reply.", "MS", "0");
    const QCommandLineOption verbose("verbose", "One line per request on standard error.");
    const QCommandLineOption seed("seed", "Seed for fault probabilities.", "N", "1");
    const QCommandLineOption slowMs("slow-ms", "Delay of a slow answer.", "MS", "600");
    const QCommandLineOption ptmx("ptmx", "Pseudo-terminal multiplexer (default /dev/ptmx).",
                                  "PATH");
    const QCommandLineOption chatterMs("chatter-ms", "Length of one bout of chatter.", "MS",
                                       "1500");
    parser.addOptions({programVersion, description, serial, name, ports, version, large,
                       noConnector, memory, pace, delay, verbose, seed, slowMs, chatterMs, ptmx});
    std::vector<QCommandLineOption> faultFlags;
    for (const auto& option : faultOptions) {
        faultFlags.emplace_back(QString::fromLatin1(sim::AdapterFirmware::faultName(option.fault)),
                                QString::fromLatin1(option.help), "WHEN");
        parser.addOption(faultFlags.back());
    }
    if (!parser.parse(arguments))
        return fail(parser.errorText(), 2);
    if (parser.isSet("help") || parser.isSet("help-all")) {
        // Without an application object the parser cannot name the program itself.
        std::fputs(
            qPrintable(parser.helpText().replace("<executable_name>", "brookfetch-adapter-sim")),
            stdout);
        return 0;
    }
    if (parser.isSet(programVersion)) {
        // "--version 2.10" once set the firmware's version; say where that went.
        if (!parser.positionalArguments().isEmpty() &&
            parseVersion(parser.positionalArguments().first()))
            return fail("--version shows the program's version; the simulated firmware's is "
                        "--firmware-version " +
                            parser.positionalArguments().first(),
                        2);
        std::printf("brookfetch-adapter-sim %s\n", BrookfetchVersion);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail("unexpected argument " + parser.positionalArguments().first(), 2);
    // A port file is one value a line, in a folder of its own.
    for (const QCommandLineOption* option : {&description, &serial, &name}) {
        const QString value = parser.value(*option);
        if (value.contains('\n') || value.contains('\r') || value.contains(QChar(0)) ||
            (option == &name && value.contains('/')))
            return fail(QString("bad --%1: it must be one line%2")
                            .arg(option->names().first(), option == &name ? " without \"/\"" : ""),
                        2);
    }

    sim::AdapterFirmware firmware(!parser.isSet(large));
    firmware.setConnectorPresent(!parser.isSet(noConnector));
    const auto versionValue = parseVersion(parser.value(version));
    if (!versionValue)
        return fail("bad --firmware-version " + parser.value(version), 2);
    firmware.setVersion(*versionValue);

    bool ok = true;
    const auto number = [&parser, &ok](const QCommandLineOption& option) {
        bool good = false;
        const int value = parser.value(option).toInt(&good);
        if (!good || value < 0) {
            ok = false;
            std::fprintf(stderr, "brookfetch-adapter-sim: bad --%s %s\n",
                         qPrintable(option.names().first()), qPrintable(parser.value(option)));
        }
        return value;
    };
    firmware.setSeed(static_cast<std::uint32_t>(number(seed)));
    firmware.slowDelay = std::chrono::milliseconds(number(slowMs));
    firmware.chatterSpan = std::chrono::milliseconds(number(chatterMs));
    sim::PtyServer::Options options;
    options.delay = std::chrono::milliseconds(number(delay));
    options.pace = parser.isSet(pace);
    options.verbose = parser.isSet(verbose);
    options.memoryFile = parser.value(memory).toStdString();
    options.ptmx = parser.value(ptmx).toStdString();
    for (std::size_t i = 0; i < std::size(faultOptions); ++i) {
        if (!parser.isSet(faultFlags[i]))
            continue;
        const auto plan =
            sim::AdapterFirmware::parseFaultPlan(parser.value(faultFlags[i]).toStdString());
        if (!plan)
            return fail(QString("bad --%1 %2 (a count, or a probability like 0.1 or 10%)")
                            .arg(sim::AdapterFirmware::faultName(faultOptions[i].fault),
                                 parser.value(faultFlags[i])),
                        2);
        firmware.setFault(faultOptions[i].fault, plan->probability, plan->count);
    }
    if (!ok)
        return 2;

    sim::PtyServer server(firmware, options);
    std::string error;
    if (!server.loadMemory(error))
        return fail(QString::fromStdString(error), 1);
    // Signals stop the server from here on, so the port file below is always removed.
    sim::PtyServer::installSignalHandlers();
    if (!server.open(error))
        return fail(QString::fromStdString(error), 1);

    const d2xx::PortLocation location = parser.isSet(ports)
                                            ? d2xx::PortLocation(parser.value(ports).toStdString())
                                            : d2xx::portLocation();
    const std::filesystem::path directory = location.directory;
    std::string why;
    if (!d2xx::makePortDirectory(location, why))
        return fail(
            QString("the port directory %1 cannot be used: %2; Brookfetch would not look "
                    "there")
                .arg(QString::fromStdString(location.directory), QString::fromStdString(why)),
            1);
    // A simulator that was killed left its port file behind; if it named the terminal we
    // were just given, the host would see this adapter twice and use neither.
    d2xx::removePortFilesFor(directory.string(), server.slavePath());
    const std::string portName =
        parser.isSet(name) ? parser.value(name).toStdString() : "sim-" + std::to_string(::getpid());
    const std::string portFile = (directory / (portName + ".port")).string();
    d2xx::PortFile port{parser.value(description).toStdString(), parser.value(serial).toStdString(),
                        server.slavePath(), static_cast<long>(::getpid())};
    if (!d2xx::writePortFile(portFile, port))
        return fail(QString("cannot write the port file %1").arg(QString::fromStdString(portFile)),
                    1);

    std::printf("ready %s %s\n", portFile.c_str(), server.slavePath().c_str());
    std::fflush(stdout);
    const int code = server.run();
    std::remove(portFile.c_str());
    std::fprintf(stderr, "brookfetch-adapter-sim: stopped\n");
    return code;
}
