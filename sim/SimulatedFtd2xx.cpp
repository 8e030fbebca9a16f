// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated FTD2XX.DLL: the adapter's firmware inside the library that Brookfetch loads for
// FTDI's driver on Windows, exporting the same FT_* functions. Its adapters come from the
// environment variable BROOKFETCH_SIM, each one given by the options of brookfetch-adapter-sim,
// adapters separated by ";":
//
//   BROOKFETCH_SIM=--memory Z:\tmp\c.mem --serial SIM1;--serial SIM2 --no-connector
//
// An empty or missing variable gives one adapter with the simulator's defaults. The options that
// only a simulator on a pseudo-terminal has (--name, --ports, --ptmx, --verbose) mean nothing
// here. For tests and demonstrations only: it never goes into a package.
#include "platform/d2xx/PortDriver.h"
#include "sim/InProcessAdapter.h"
#include "sim/MemoryFile.h"
#include "sim/SimOptions.h"

#include <QProcess>
#include <QString>
#include <cstdio>
#include <memory>
#include <mutex>

namespace {

void complain(const std::string& message) {
    std::fprintf(stderr, "FTD2XX.DLL (simulated): %s\n", message.c_str());
    std::fflush(stderr);
}

// One simulated adapter; when its options name a memory file, every write that changed the
// connector memory is in that file before the reply goes out.
class SimulatedAdapter : public sim::InProcessAdapter {
public:
    explicit SimulatedAdapter(const sim::SimSetup& setup)
        : InProcessAdapter(setup.serial, setup.description), memoryFile_(setup.memoryFile) {}

    void received(const std::uint8_t* data, std::size_t size) override {
        if (memoryFile_.empty()) {
            InProcessAdapter::received(data, size);
            return;
        }
        const std::vector<std::uint8_t> before = firmware().memory();
        InProcessAdapter::received(data, size);
        if (firmware().memory() != before && !sim::saveMemoryFile(memoryFile_, firmware().memory()))
            complain("cannot write the memory file " + memoryFile_);
    }

private:
    std::string memoryFile_;
};

// The adapters of BROOKFETCH_SIM, made at the first look for devices and kept while the library
// is loaded. A mistake in the variable is told on standard error and leaves that adapter out.
class SimulatedDevices : public d2xx::DeviceSource {
public:
    std::vector<d2xx::DeviceEntry> list() override {
        std::call_once(made_, [this] { make(); });
        return d2xx::listInProcessDevices();
    }

    std::unique_ptr<d2xx::Port> open(const d2xx::DeviceEntry&, FT_STATUS& status,
                                     d2xx::OpenRefusal&) override {
        status = FT_DEVICE_NOT_FOUND; // every device here lives in this process
        return nullptr;
    }

private:
    void make() {
        const QString variable = qEnvironmentVariable("BROOKFETCH_SIM");
        for (const QString& one : variable.split(QLatin1Char(';'))) {
            if (one.trimmed().isEmpty() && !variable.trimmed().isEmpty())
                continue;
            QStringList arguments = QProcess::splitCommand(one);
            arguments.prepend(QStringLiteral("FTD2XX.DLL"));
            auto firmware = std::make_unique<sim::AdapterFirmware>();
            sim::SimSetup setup;
            const sim::SimParse parsed = sim::parseSimOptions(arguments, *firmware, setup);
            if (parsed.outcome != sim::SimParse::Outcome::Run) {
                complain("BROOKFETCH_SIM \"" + one.toStdString() + "\": " +
                         (parsed.outcome == sim::SimParse::Outcome::Error
                              ? parsed.text
                              : std::string("takes the options of brookfetch-adapter-sim")));
                continue;
            }
            auto adapter = std::make_unique<SimulatedAdapter>(setup);
            sim::AdapterFirmware& its = adapter->firmware();
            its = std::move(*firmware);
            adapter->setTiming(setup.timing);
            adapter->setAnswerDelay(setup.delay);
            if (!setup.memoryFile.empty()) {
                std::string error, note;
                if (!sim::loadMemoryFile(its, setup.memoryFile, error, note)) {
                    complain(error);
                    continue; // unplugged as it goes
                }
                if (!note.empty())
                    complain(note);
            }
            adapters_.push_back(std::move(adapter));
        }
    }

    std::once_flag made_;
    std::vector<std::unique_ptr<SimulatedAdapter>> adapters_;
};

} // namespace

namespace d2xx {

Driver& systemDriver() {
    static SimulatedDevices devices;
    static const std::unique_ptr<Driver> driver = makePortDriver(devices);
    return *driver;
}

// This library is the driver.
bool systemDriverAvailable() {
    return true;
}

} // namespace d2xx
