// SPDX-License-Identifier: GPL-3.0-or-later
// brookfetch-adapter-sim: a simulated USB adapter on a pseudo-terminal, registered as a
// virtual port so that Brookfetch and brookfetch-cli find it like the real one.

#include "BrookfetchVersion.h"
#include "platform/d2xx/Ports.h"
#include "sim/AdapterFirmware.h"
#include "sim/MemoryFile.h"
#include "sim/PtyServer.h"
#include "sim/SimOptions.h"
#include "sim/StopPipe.h"
#include "sim/UsbIpServer.h"

#include <QStringList>

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace {

int fail(const QString& message, int code) {
    for (const QString& line : message.split('\n'))
        std::fprintf(stderr, "brookfetch-adapter-sim: %s\n", qPrintable(line));
    return code;
}

// The adapter as a USB/IP device: no port file, the kernel's driver makes its ttyUSB.
int serveUsbIp(sim::AdapterFirmware& firmware, const sim::SimSetup& setup) {
    sim::UsbIpServer::Options options;
    std::string error;
    if (!sim::UsbIpServer::parseListen(setup.usbip, options, error))
        return fail(QString::fromStdString(error), 2);
    options.identity.description = setup.description;
    options.identity.serial = setup.serial;
    options.timing = setup.timing;
    options.delay = setup.delay;
    options.verbose = setup.verbose;
    options.memoryFile = setup.memoryFile;
    options.faults = setup.usbFaults;
    sim::UsbIpServer server(firmware, options);
    if (!sim::loadServedMemory(firmware, setup.memoryFile, error))
        return fail(QString::fromStdString(error), 1);
    sim::installStopHandlers();
    if (!server.open(error))
        return fail(QString::fromStdString(error), 1);
    std::printf("ready usbip %s:%d %s\n", options.address.c_str(), server.port(),
                sim::UsbIpServer::BusId);
    std::fflush(stdout);
    const int code = server.run();
    if (const std::string struck = server.faultSummary(); !struck.empty())
        std::fprintf(stderr, "brookfetch-adapter-sim: usb faults struck: %s\n", struck.c_str());
    std::fprintf(stderr, "brookfetch-adapter-sim: stopped\n");
    return code;
}

} // namespace

int main(int argc, char** argv) {
    sim::PtyServer::ignoreTerminalStops();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    sim::AdapterFirmware firmware;
    sim::SimSetup setup;
    const sim::SimParse parsed = sim::parseSimOptions(arguments, firmware, setup);
    switch (parsed.outcome) {
    case sim::SimParse::Outcome::Help:
        std::fputs(parsed.text.c_str(), stdout);
        return 0;
    case sim::SimParse::Outcome::Version:
        std::printf("brookfetch-adapter-sim %s\n", BrookfetchVersion);
        return 0;
    case sim::SimParse::Outcome::Error:
        return fail(QString::fromStdString(parsed.text), 2);
    case sim::SimParse::Outcome::Run:
        break;
    }
    if (!setup.usbip.empty())
        return serveUsbIp(firmware, setup);
    sim::PtyServer::Options options;
    options.delay = setup.delay;
    options.timing = setup.timing;
    options.verbose = setup.verbose;
    options.memoryFile = setup.memoryFile;
    options.ptmx = setup.ptmx;

    sim::PtyServer server(firmware, options);
    std::string error;
    if (!sim::loadServedMemory(firmware, setup.memoryFile, error))
        return fail(QString::fromStdString(error), 1);
    // Signals stop the server from here on, so the port file below is always removed.
    sim::installStopHandlers();
    if (!server.open(error))
        return fail(QString::fromStdString(error), 1);

    const d2xx::PortLocation location =
        !setup.ports.empty() ? d2xx::PortLocation(setup.ports) : d2xx::portLocation();
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
        !setup.name.empty() ? setup.name : "sim-" + std::to_string(::getpid());
    const std::string portFile = (directory / (portName + ".port")).string();
    const std::string latencyFile = (directory / (portName + ".latency")).string();
    if (!server.makeLatencyFile(latencyFile, error))
        return fail(QString::fromStdString(error), 1);
    d2xx::PortFile port{setup.description, setup.serial, server.slavePath(),
                        static_cast<long>(::getpid()), latencyFile};
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
