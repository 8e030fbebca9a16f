// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/SimOptions.h"

#include <QCommandLineParser>
#include <optional>

namespace sim {

namespace {

using Fault = AdapterFirmware::Fault;

struct FaultOption {
    Fault fault;
    const char* help;
};

const FaultOption faultOptions[] = {
    {Fault::DropReply, "Leave requests unanswered."},
    {Fault::WrongAck, "Start replies with a wrong acknowledge byte."},
    {Fault::ShortReply, "Cut the last byte off replies."},
    {Fault::CorruptByte, "Change one byte of replies."},
    {Fault::RefuseWrite, "Refuse block writes (answer \"not written\", store nothing)."},
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

SimParse failed(const QString& message) {
    return {SimParse::Outcome::Error, message.toStdString()};
}

} // namespace

SimParse parseSimOptions(const QStringList& arguments, AdapterFirmware& firmware, SimSetup& setup) {
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
    const QCommandLineOption timing(
        "timing",
        "How the adapter's USB chip moves the bytes: \"chip\" (the default: 19200 bit/s both "
        "ways, the 1 ms USB frame, and the latency timer, 16 ms until the host sets it), "
        "\"line\" (the same without the latency timer) or \"instant\" (an ideal line).",
        "MODE", "chip");
    const QCommandLineOption instant("instant", "The same as --timing instant.");
    const QCommandLineOption delay("delay", "Wait MS before every reply.", "MS", "0");
    const QCommandLineOption verbose("verbose", "One line per request on standard error.");
    const QCommandLineOption seed("seed", "Seed for fault probabilities.", "N", "1");
    const QCommandLineOption slowMs("slow-ms", "Delay of a slow answer.", "MS", "600");
    const QCommandLineOption ptmx("ptmx", "Pseudo-terminal multiplexer (default /dev/ptmx).",
                                  "PATH");
    const QCommandLineOption chatterMs("chatter-ms", "Length of one bout of chatter.", "MS",
                                       "1500");
    const QCommandLineOption unplugAfter(
        "unplug-after", "Answer N requests, then nothing more, as if the adapter were pulled.",
        "N");
    const QCommandLineOption usbip(
        "usbip",
        "Serve the adapter as a USB/IP device on [ADDRESS:]PORT (default address 127.0.0.1) "
        "for usbip attach, instead of on a pseudo-terminal.",
        "[ADDRESS:]PORT");
    const QCommandLineOption absentAnswer(
        "absent-answer",
        "The byte the adapter answers for \"no connector\" (default 0; any byte but 2).", "BYTE",
        "0");
    const QCommandLineOption smallAnswer(
        "small-answer",
        "The byte the adapter answers for \"small memory\" (default 1; any byte but 2).", "BYTE",
        "1");
    const QCommandLineOption usbLateMs("usb-late-ms", "How long --usb-late holds a packet back.",
                                       "MS", "50");
    parser.addOptions({programVersion, description, serial, name, ports, version, large,
                       noConnector, memory, timing, instant, delay, verbose, seed, slowMs,
                       chatterMs, ptmx, usbip, unplugAfter});
    parser.addOptions({absentAnswer, smallAnswer, usbLateMs});
    std::vector<QCommandLineOption> faultFlags;
    for (const auto& option : faultOptions) {
        faultFlags.emplace_back(QString::fromLatin1(AdapterFirmware::faultName(option.fault)),
                                QString::fromLatin1(option.help), "WHEN");
        parser.addOption(faultFlags.back());
    }
    std::vector<QCommandLineOption> usbFlags;
    for (int i = 0; i < UsbFaults::Count; ++i) {
        const auto fault = static_cast<UsbFaults::Fault>(i);
        usbFlags.emplace_back(QStringLiteral("usb-") + QString::fromLatin1(UsbFaults::name(fault)),
                              QString::fromLatin1(UsbFaults::help(fault)), "WHEN");
        parser.addOption(usbFlags.back());
    }
    if (!parser.parse(arguments))
        return failed(parser.errorText());
    if (parser.isSet("help") || parser.isSet("help-all")) {
        // Without an application object the parser cannot name the program itself.
        return {
            SimParse::Outcome::Help,
            parser.helpText().replace("<executable_name>", "brookfetch-adapter-sim").toStdString()};
    }
    if (parser.isSet(programVersion)) {
        // "--version 2.10" once set the firmware's version; say where that went.
        if (!parser.positionalArguments().isEmpty() &&
            parseVersion(parser.positionalArguments().first()))
            return failed("--version shows the program's version; the simulated firmware's is "
                          "--firmware-version " +
                          parser.positionalArguments().first());
        return {SimParse::Outcome::Version, {}};
    }
    if (!parser.positionalArguments().isEmpty())
        return failed("unexpected argument " + parser.positionalArguments().first());
    // A port file is one value a line, in a folder of its own.
    for (const QCommandLineOption* option : {&description, &serial, &name}) {
        const QString value = parser.value(*option);
        if (value.contains('\n') || value.contains('\r') || value.contains(QChar(0)) ||
            (option == &name && value.contains('/')))
            return failed(
                QString("bad --%1: it must be one line%2")
                    .arg(option->names().first(), option == &name ? " without \"/\"" : ""));
    }

    firmware.setSmallMemory(!parser.isSet(large));
    firmware.resetMemory();
    firmware.setConnectorPresent(!parser.isSet(noConnector));
    const auto versionValue = parseVersion(parser.value(version));
    if (!versionValue)
        return failed("bad --firmware-version " + parser.value(version));
    firmware.setVersion(*versionValue);

    QStringList bad;
    const auto number = [&parser, &bad](const QCommandLineOption& option) {
        bool good = false;
        const int value = parser.value(option).toInt(&good);
        if (!good || value < 0)
            bad << QString("bad --%1 %2").arg(option.names().first(), parser.value(option));
        return value;
    };
    // "Present" and "large" are 2; a "no" that were 2 would be a "yes".
    const auto answer = [&parser, &bad](const QCommandLineOption& option) {
        bool good = false;
        const unsigned value = parser.value(option).toUInt(&good, 0);
        if (!good || value > 0xFF || value == tarn::Yes)
            bad << QString("bad --%1 %2 (a byte other than 2, which means yes)")
                       .arg(option.names().first(), parser.value(option));
        return static_cast<std::uint8_t>(value);
    };
    firmware.absentAnswer = answer(absentAnswer);
    firmware.smallAnswer = answer(smallAnswer);
    firmware.setSeed(static_cast<std::uint32_t>(number(seed)));
    setup.usbFaults.setSeed(static_cast<std::uint32_t>(number(seed)));
    setup.usbFaults.lateDelay = std::chrono::milliseconds(number(usbLateMs));
    firmware.slowDelay = std::chrono::milliseconds(number(slowMs));
    firmware.chatterSpan = std::chrono::milliseconds(number(chatterMs));
    setup.delay = std::chrono::milliseconds(number(delay));
    const QString mode = parser.isSet(instant) ? QStringLiteral("instant") : parser.value(timing);
    if (mode == "chip")
        setup.timing = ChipModel::Timing::Chip;
    else if (mode == "line")
        setup.timing = ChipModel::Timing::Line;
    else if (mode == "instant")
        setup.timing = ChipModel::Timing::Instant;
    else
        bad << "bad --timing " + mode + " (chip, line or instant)";
    if (parser.isSet(unplugAfter))
        firmware.setUnplugAfter(number(unplugAfter));
    setup.verbose = parser.isSet(verbose);
    setup.memoryFile = parser.value(memory).toStdString();
    setup.description = parser.value(description).toStdString();
    setup.serial = parser.value(serial).toStdString();
    setup.name = parser.value(name).toStdString();
    setup.ports = parser.value(ports).toStdString();
    setup.ptmx = parser.value(ptmx).toStdString();
    setup.usbip = parser.value(usbip).toStdString();
    for (std::size_t i = 0; i < std::size(faultOptions); ++i) {
        if (!parser.isSet(faultFlags[i]))
            continue;
        const auto plan =
            AdapterFirmware::parseFaultPlan(parser.value(faultFlags[i]).toStdString());
        if (!plan)
            return failed(QString("bad --%1 %2 (a count, or a probability like 0.1 or 10%)")
                              .arg(AdapterFirmware::faultName(faultOptions[i].fault),
                                   parser.value(faultFlags[i])));
        firmware.setFault(faultOptions[i].fault, plan->probability, plan->count);
    }
    for (int i = 0; i < UsbFaults::Count; ++i) {
        const QCommandLineOption& flag = usbFlags[static_cast<std::size_t>(i)];
        if (!parser.isSet(flag))
            continue;
        const auto plan = AdapterFirmware::parseFaultPlan(parser.value(flag).toStdString());
        if (!plan)
            return failed(QString("bad --%1 %2 (a count, or a probability like 0.1 or 10%)")
                              .arg(flag.names().first(), parser.value(flag)));
        if (setup.usbip.empty())
            return failed(QString("--%1 is a fault of the USB line: it needs --usbip")
                              .arg(flag.names().first()));
        setup.usbFaults.set(static_cast<UsbFaults::Fault>(i), plan->probability, plan->count);
    }
    if (!bad.isEmpty())
        return failed(bad.join('\n'));
    return {};
}

} // namespace sim
