// Times reading and writing (with verification) the 128-byte parameter image through
// brookfetch-adapter-sim on a pseudo-terminal, against the time the bytes need on the line
// at 19200 bit/s. Prints figures; it does not judge them.

#include "adapter/TarnAdapter.h"
#include "model/Q47.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// 16 blocks of 8 bytes: a read block is 5 bytes out and 9 back, a write block 37 out and 2 back.
// The bounds are the image's own blocks on the line. A read that is believed reads every block
// twice on a quiet line (two passes that must agree) and the first block, whose pump pulses no
// checksum covers, twice more: 34 block reads, 247.9 ms. A single pass, the read without that
// check, is timed beside it for the cost.
constexpr double BitsPerByte = 10;
constexpr double LineRate = 19200;
constexpr double PassBoundMs = 16 * 14 * BitsPerByte / LineRate * 1000;
constexpr double ReadBoundMs = 34 * 14 * BitsPerByte / LineRate * 1000;
constexpr double WriteBoundMs = (16 * 39 + 16 * 14) * BitsPerByte / LineRate * 1000;

struct Figures {
    double best;
    double median;
};

Figures summarise(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2]};
}

double millisecondsOf(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

bool startSim(QProcess& sim, const QString& ports, const QString& memory, bool pace) {
    QStringList arguments{"--ports", ports, "--memory", memory, "--name", "bench"};
    if (pace)
        arguments << "--pace";
    sim.start(QStringLiteral(BROOKFETCH_SIM_PROGRAM), arguments);
    if (!sim.waitForStarted(5000))
        return false;
    QElapsedTimer timer;
    timer.start();
    while (!sim.canReadLine() && timer.elapsed() < 10000 && sim.state() == QProcess::Running)
        sim.waitForReadyRead(100);
    return sim.readLine().startsWith("ready ");
}

void stopSim(QProcess& sim) {
    sim.write("quit\n");
    if (!sim.waitForFinished(5000))
        sim.kill();
}

// Runs `rounds` reads and `rounds` writes; false when a transfer fails.
bool measure(int rounds, std::vector<double>& passes, std::vector<double>& reads,
             std::vector<double>& writes, std::vector<double>& exchanges) {
    TTarnDevice device;
    TQ47 model;
    model.Device = &device;
    TPresence presence = TPresence::Absent;
    if (!device.CheckConnector(presence) || presence != TPresence::Present) {
        std::fprintf(stderr, "no connector found\n");
        return false;
    }
    for (int i = 0; i < rounds; ++i) {
        std::uint8_t image[TQ47::ImageSize];
        auto start = Clock::now();
        if (!device.ReadMemory(0, image, TQ47::ImageSize)) {
            std::fprintf(stderr, "read failed\n");
            return false;
        }
        passes.push_back(millisecondsOf(Clock::now() - start));

        start = Clock::now();
        if (!model.ReadConnector()) {
            std::fprintf(stderr, "read failed\n");
            return false;
        }
        reads.push_back(millisecondsOf(Clock::now() - start));

        model.SetPrePurge(10 + i % 50);
        start = Clock::now();
        if (!model.WriteConnector()) {
            std::fprintf(stderr, "write failed\n");
            return false;
        }
        writes.push_back(millisecondsOf(Clock::now() - start));

        // One short exchange on its own: the fixed cost of purge, write and read.
        start = Clock::now();
        if (!device.ReadVersion())
            return false;
        exchanges.push_back(millisecondsOf(Clock::now() - start));
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString ports = dir.filePath("ports");
    ::setenv("BROOKFETCH_PORTS", ports.toLocal8Bit().constData(), 1);

    std::printf("transfer of the 128-byte image through brookfetch-adapter-sim, %d rounds\n",
                rounds);
    std::printf("%-28s %10s %10s %10s %8s\n", "", "best ms", "median ms", "bound ms", "ratio");
    for (const bool pace : {false, true}) {
        QProcess sim;
        if (!startSim(sim, ports, dir.filePath("memory"), pace)) {
            std::fprintf(stderr, "the simulator did not start: %s\n",
                         sim.readAllStandardError().constData());
            return 1;
        }
        std::vector<double> passes, reads, writes, exchanges;
        const bool ok = measure(rounds, passes, reads, writes, exchanges);
        stopSim(sim);
        if (!ok)
            return 1;
        const auto pass = summarise(passes);
        const auto read = summarise(reads);
        const auto write = summarise(writes);
        const auto exchange = summarise(exchanges);
        const char* mode = pace ? "paced" : "unpaced";
        std::printf("%-8s %-19s %10.1f %10.1f %10.1f %8.3f\n", mode, "one pass", pass.best,
                    pass.median, PassBoundMs, pass.median / PassBoundMs);
        std::printf("%-8s %-19s %10.1f %10.1f %10.1f %8.3f\n", mode, "verified read", read.best,
                    read.median, ReadBoundMs, read.median / ReadBoundMs);
        std::printf("%-8s %-19s %10.1f %10.1f %10.1f %8.3f\n", mode, "write + verify", write.best,
                    write.median, WriteBoundMs, write.median / WriteBoundMs);
        const double versionBound = 5 * BitsPerByte / LineRate * 1000;
        std::printf("%-8s %-19s %10.2f %10.2f %10.2f %8.3f\n", mode, "one version exchange",
                    exchange.best, exchange.median, versionBound, exchange.median / versionBound);
    }
    std::printf("ratio = median / line-time bound (19200 bit/s, 10 bits a byte); "
                "unpaced rows show the fixed cost of purge + pty round trip\n");
    std::printf("verified read: two passes that must agree and the first block twice more, "
                "bound 34 blocks = %.1f ms\n",
                ReadBoundMs);
    return 0;
}
