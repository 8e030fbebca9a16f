// What one full device listing costs: a number-only FT_ListDevices plus one description
// listing per device, as FindDevice does on every status-timer tick while no adapter answers.
// Virtual ports are pseudo-terminals registered by port files; kernel devices are whatever
// this machine has under /sys.
#include "platform/d2xx/Ports.h"
#include "platform/d2xx/ftd2xx.h"

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

double listOnceMicroseconds(DWORD& devices) {
    const auto start = Clock::now();
    devices = 0;
    FT_ListDevices(&devices, nullptr, FT_LIST_NUMBER_ONLY);
    for (DWORD i = 0; i < devices; ++i) {
        char description[256];
        FT_ListDevices(reinterpret_cast<PVOID>(static_cast<std::uintptr_t>(i)), description,
                       FT_LIST_BY_INDEX | FT_OPEN_BY_DESCRIPTION);
    }
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
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
    std::printf("device listing (number-only + one description per device), %d rounds\n", rounds);
    std::printf("%10s %8s %12s %12s %12s\n", "port files", "devices", "median us", "mean us",
                "max us");
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
        std::vector<double> times;
        DWORD devices = 0;
        listOnceMicroseconds(devices); // warm the caches once
        for (int round = 0; round < rounds; ++round)
            times.push_back(listOnceMicroseconds(devices));
        std::sort(times.begin(), times.end());
        double sum = 0;
        for (double t : times)
            sum += t;
        std::printf("%10d %8u %12.1f %12.1f %12.1f\n", files, devices, times[times.size() / 2],
                    sum / static_cast<double>(times.size()), times.back());
    }
    for (int master : masters)
        close(master);
    std::filesystem::remove_all(pattern);
    return 0;
}
