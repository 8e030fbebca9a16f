// SPDX-License-Identifier: GPL-3.0-or-later
// What one status-timer tick costs while no adapter answers: the look for the adapter that the
// window's timer makes every second (and brookfetch-cli --wait between connectors), with the
// FT_ListDevices calls it makes per tick and the time they take. It counts the devices once
// and lists each one's description once; serial numbers are listed only where one chooses the
// adapter by its serial number (--serial). Virtual ports are pseudo-terminals registered by
// port files, none of them the adapter; kernel devices are whatever this machine has under /sys.
#include "adapter/TarnAdapter.h"
#include "platform/d2xx/Ports.h"
#include "tests/adapter/LinkDoubles.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <pty.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Figures {
    double median = 0, mean = 0, max = 0;
    double counts = 0, descriptions = 0, serials = 0; // calls per tick
};

// `rounds` ticks of a device that is not connected: each one looks for the adapter afresh.
Figures ticks(TTarnDevice& device, int rounds) {
    linktest::CountingDriver calls;
    d2xx::ScopedHook hook(calls);
    device.Open(); // warms the caches once
    calls.deviceCounts = calls.descriptions = calls.serials = 0;
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        const auto start = Clock::now();
        device.Open();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    Figures figures;
    for (double t : times)
        figures.mean += t;
    figures.mean /= static_cast<double>(times.size());
    figures.median = times[times.size() / 2];
    figures.max = times.back();
    figures.counts = static_cast<double>(calls.deviceCounts) / rounds;
    figures.descriptions = static_cast<double>(calls.descriptions) / rounds;
    figures.serials = static_cast<double>(calls.serials) / rounds;
    return figures;
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    char pattern[] = "/tmp/brookfetch-bench-XXXXXX";
    if (!mkdtemp(pattern)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string ports = std::string(pattern) + "/ports";
    std::filesystem::create_directories(ports);
    setenv("BROOKFETCH_PORTS", ports.c_str(), 1);

    std::vector<int> masters;
    std::printf("status tick without an adapter: FT_ListDevices calls per tick and time, "
                "%d ticks\n",
                rounds);
    std::printf("%10s %-9s %6s %6s %6s %11s %11s %11s\n", "port files", "look", "count", "descr",
                "serial", "median us", "mean us", "max us");
    for (int files : {0, 1, 10}) {
        while (static_cast<int>(masters.size()) < files) {
            int master = -1, slave = -1;
            char name[128];
            if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
                std::perror("openpty");
                return 1;
            }
            close(slave);
            masters.push_back(master);
            char file[64];
            std::snprintf(file, sizeof file, "/port%02zu.port", masters.size());
            d2xx::writePortFile(ports + file, {"Port " + std::to_string(masters.size()),
                                               "SN" + std::to_string(masters.size()), name});
        }
        for (const char* serial : {"", "SN1"}) {
            TTarnDevice device;
            device.SerialNumber = QString::fromLatin1(serial);
            const Figures f = ticks(device, rounds);
            std::printf("%10d %-9s %6.1f %6.1f %6.1f %11.1f %11.1f %11.1f\n", files,
                        *serial ? "--serial" : "window", f.counts, f.descriptions, f.serials,
                        f.median, f.mean, f.max);
        }
    }
    for (int master : masters)
        close(master);
    std::filesystem::remove_all(pattern);
    return 0;
}
