// SPDX-License-Identifier: GPL-3.0-or-later
// Times `brookfetch-cli write --all` and `read --all` with one simulated adapter attached,
// then with two, and prints how much longer two take than one. Each simulator has the timing of
// the adapter's USB chip, as a real adapter does. Prints figures; it does not judge them.

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<QProcess> StartSim(const QString& ports, const QString& memory,
                                   const QString& serial) {
    auto sim = std::make_unique<QProcess>();
    sim->start(QStringLiteral(BROOKFETCH_SIM_PROGRAM),
               {"--ports", ports, "--memory", memory, "--serial", serial, "--name", serial});
    if (!sim->waitForStarted(5000))
        return nullptr;
    QElapsedTimer timer;
    timer.start();
    while (!sim->canReadLine() && timer.elapsed() < 10000 && sim->state() == QProcess::Running)
        sim->waitForReadyRead(100);
    return sim->readLine().startsWith("ready ") ? std::move(sim) : nullptr;
}

void StopSim(QProcess& sim) {
    sim.write("quit\n");
    if (!sim.waitForFinished(5000))
        sim.kill();
}

// The milliseconds of one run of the program, or -1 when it fails.
double Run(const QString& ports, const QStringList& arguments) {
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("BROOKFETCH_PORTS"), ports);
    // The runs' entries go beside the ports, not into the user's programming history.
    environment.insert(QStringLiteral("BROOKFETCH_HISTORY"),
                       ports + QStringLiteral("/history.jsonl"));
    cli.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    cli.start(QStringLiteral(BROOKFETCH_CLI_PROGRAM), arguments);
    if (!cli.waitForFinished(60000) || cli.exitStatus() != QProcess::NormalExit ||
        cli.exitCode() != 0) {
        std::fprintf(stderr, "brookfetch-cli %s failed: %s\n",
                     qPrintable(arguments.join(QLatin1Char(' '))),
                     cli.readAllStandardError().constData());
        return -1;
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString ports = dir.filePath(QStringLiteral("ports"));
    const QString file = dir.filePath(QStringLiteral("bench.brk"));
    if (Run(ports, {"new", file, "PrePurge=42"}) < 0)
        return 1;

    std::printf(
        "brookfetch-cli --all through simulators with the USB chip's timing, median of %d runs\n",
        rounds);
    std::printf("%-10s %14s %14s %8s\n", "", "1 adapter ms", "2 adapters ms", "ratio");
    std::vector<std::unique_ptr<QProcess>> sims;
    const QStringList commands[] = {{"write", "--all", file},
                                    {"read", "--all", dir.filePath(QStringLiteral("copy.brk"))}};
    std::vector<double> medians[2];
    for (int adapters = 1; adapters <= 2; ++adapters) {
        const QString serial = QStringLiteral("BENCH%1").arg(adapters);
        sims.push_back(StartSim(ports, dir.filePath(serial + QStringLiteral(".mem")), serial));
        if (!sims.back()) {
            std::fprintf(stderr, "the simulator did not start\n");
            return 1;
        }
        for (const QStringList& command : commands) {
            std::vector<double> times;
            for (int i = 0; i < rounds; ++i) {
                const double ms = Run(ports, command);
                if (ms < 0)
                    return 1;
                times.push_back(ms);
            }
            medians[adapters - 1].push_back(Median(times));
        }
    }
    for (std::size_t i = 0; i < std::size(commands); ++i)
        std::printf("%-10s %14.1f %14.1f %8.3f\n", qPrintable(commands[i].first()), medians[0][i],
                    medians[1][i], medians[1][i] / medians[0][i]);
    std::printf("ratio = 2 adapters / 1 adapter (each lane a process of its own)\n");
    for (auto& sim : sims)
        StopSim(*sim);
    return 0;
}
