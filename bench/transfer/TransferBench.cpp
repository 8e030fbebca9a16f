// SPDX-License-Identifier: GPL-3.0-or-later
// Times reading and writing (with verification) the 128-byte parameter image, and the status
// query, through brookfetch-adapter-sim on a pseudo-terminal, against the time the bytes need
// on the line at 19200 bit/s: on an ideal line, on the line with the USB chip's frame but no
// latency timer, and through the chip at its usual 16 ms and at the program's short timer.
// Prints figures; it does not judge them.

#include "adapter/TarnAdapter.h"
#include "app/ConnectorSession.h"
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
// A version exchange is 2 bytes out and 3 back (lead and acknowledge bytes included); a
// presence answer two exchanges of 2 out and 2 back, asked three times for the status.
constexpr double VersionBoundMs = 5 * BitsPerByte / LineRate * 1000;
constexpr double StatusBoundMs = (5 + 3 * 2 * 4) * BitsPerByte / LineRate * 1000;

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

struct Mode {
    const char* name;
    const char* timing; // the simulator's --timing
    std::int32_t latencyMs;
};

// The connector memory lives in the simulator only: saving a memory file (and its fsync) at
// every block written is the simulator's, not the adapter's, and would blur the figures.
bool startSim(QProcess& sim, const QString& ports, const Mode& mode) {
    const QStringList arguments{"--ports", ports, "--name", "bench", "--timing", mode.timing};
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
bool measure(int rounds, std::int32_t latencyMs, std::vector<double>& passes,
             std::vector<double>& reads, std::vector<double>& writes,
             std::vector<double>& exchanges, std::vector<double>& statuses) {
    TTarnDevice device;
    TConnectorSession session(device);
    device.Timing.LatencyMs = latencyMs;
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

        // The status command: the adapter's version, then a connector confirmed in a row.
        start = Clock::now();
        session.Restart();
        if (!device.ReadVersion() || session.Confirm() != TConnectorVerdict::Present)
            return false;
        statuses.push_back(millisecondsOf(Clock::now() - start));
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
    std::printf("%-31s %10s %10s %10s %8s\n", "", "best ms", "median ms", "bound ms", "ratio");
    const Mode modes[] = {
        {"instant", "instant", TTarnAdapter::ShortLatencyMs},
        {"no timer", "line", TTarnAdapter::ShortLatencyMs},
        {"chip 16", "chip", 16},
        {"chip 2", "chip", TTarnAdapter::ShortLatencyMs},
    };
    for (const Mode& mode : modes) {
        QProcess sim;
        if (!startSim(sim, ports, mode)) {
            std::fprintf(stderr, "the simulator did not start: %s\n",
                         sim.readAllStandardError().constData());
            return 1;
        }
        std::vector<double> passes, reads, writes, exchanges, statuses;
        const bool ok = measure(rounds, mode.latencyMs, passes, reads, writes, exchanges, statuses);
        stopSim(sim);
        if (!ok)
            return 1;
        const auto row = [&mode](const char* what, const Figures& figures, double bound) {
            std::printf("%-9s %-21s %10.1f %10.1f %10.1f %8.3f\n", mode.name, what, figures.best,
                        figures.median, bound, figures.median / bound);
        };
        row("one pass", summarise(passes), PassBoundMs);
        row("verified read", summarise(reads), ReadBoundMs);
        row("write + verify", summarise(writes), WriteBoundMs);
        row("one version exchange", summarise(exchanges), VersionBoundMs);
        row("status", summarise(statuses), StatusBoundMs);
    }
    std::printf("ratio = median / line-time bound (19200 bit/s, 10 bits a byte). instant: an "
                "ideal line (the fixed cost of purge and pty round trip); no timer: line rate and "
                "USB frame; chip N: the USB chip with its latency timer at N ms (16: the chip's "
                "own; %d: what the program sets)\n",
                static_cast<int>(TTarnAdapter::ShortLatencyMs));
    std::printf("verified read: two passes that must agree and the first block twice more, "
                "bound 34 blocks = %.1f ms; status: the version and three presence answers\n",
                ReadBoundMs);
    return 0;
}
