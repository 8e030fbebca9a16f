// SPDX-License-Identifier: GPL-3.0-or-later
// brookfetch-cli against brookfetch-adapter-sim on a line in trouble, counting outcomes:
// - reads at 10 % corrupted replies (one byte of a reply XORed with 0x5A) of a random valid
//   image whose reserved bytes are not zero: how many were reported good, and how many of those
//   saved other bytes than the connector holds;
// - writes at 10 % corrupted replies: how many succeeded, how many reported success with other
//   bytes in the connector, how many failed calling the connector pulled;
// - writes through a 0.3 s burst of noise in their middle, with the default retries;
// - status right after kill -9 of a brookfetch-cli that held the simulator.
// Reads and writes go through the USB chip's timing and then the same line without its latency
// timer, to show what the timer costs. Prints counts; it does not judge them.
//
//   bench_noise [READS [WRITES [IN_PROCESS_READS]]]      (default 300, 100 and 10000)

#include "adapter/TarnAdapter.h"
#include "model/Q47.h"
#include "sim/InProcessAdapter.h"
#include "tests/support/SimulatorProcess.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

QString Ports;
QString Dir;

using Sim = testsupport::SimulatorProcess;

void Configure(QProcess& cli, const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("BROOKFETCH_PORTS"), Ports);
    // The runs' entries go into the bench's folder, not into the user's programming history.
    environment.insert(QStringLiteral("BROOKFETCH_HISTORY"),
                       Dir + QStringLiteral("/history.jsonl"));
    cli.setProcessEnvironment(environment);
    cli.setProgram(QStringLiteral(BROOKFETCH_CLI_PROGRAM));
    cli.setArguments(arguments);
}

struct Outcome {
    int Code = -1;
    QByteArray Err;
    QByteArray Out;
};

Outcome Run(const QStringList& arguments) {
    QProcess cli;
    Configure(cli, arguments);
    cli.start();
    Outcome outcome;
    if (!cli.waitForFinished(120000)) {
        cli.kill();
        cli.waitForFinished();
        return outcome;
    }
    outcome.Code = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -2;
    outcome.Err = cli.readAllStandardError();
    outcome.Out = cli.readAllStandardOutput();
    return outcome;
}

QByteArray Contents(const QString& path, qint64 size = -1) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return size < 0 ? file.readAll() : file.read(size);
}

bool Store(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

void SetChecksum(QByteArray& image) {
    std::uint16_t sum = 0;
    for (int i = 2; i < 126; ++i)
        sum = static_cast<std::uint16_t>(sum + static_cast<std::uint8_t>(image[i]));
    sum = static_cast<std::uint16_t>(~sum);
    image[126] = static_cast<char>(sum & 0xFF);
    image[127] = static_cast<char>(sum >> 8);
}

// Reserved bytes 16 to 125 that are not zero; with `everything` the parameter bytes too.
QByteArray RandomImage(const QByteArray& base, bool everything) {
    QByteArray image = base;
    auto* random = QRandomGenerator::global();
    for (int i = everything ? 0 : 16; i < 126; ++i)
        image[i] = static_cast<char>(i >= 16 ? random->bounded(1, 256) : random->bounded(256));
    SetChecksum(image);
    return image;
}

// Returns the milliseconds a read took, on average.
double Reads(int count, const char* timing) {
    const QString memory = Dir + "/reads.mem";
    const QByteArray image = RandomImage(QByteArray(128, '\0'), true);
    Store(memory, image + QByteArray(128, '\xFF'));
    Sim sim(Ports, memory,
            {"--timing", timing, "--corrupt", "0.1", "--seed",
             QString::number(QRandomGenerator::global()->bounded(1, 1 << 30))});
    if (!sim.Ready)
        return 0;
    int good = 0, wrong = 0, failed = 0, retried = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i) {
        const QString file = Dir + "/read.brk";
        QFile::remove(file);
        const Outcome outcome = Run({"read", "--quiet", file});
        retried += outcome.Err.contains("trying again");
        if (outcome.Code != 0) {
            ++failed;
            continue;
        }
        ++good;
        const QByteArray saved = Contents(file);
        if (saved != image) {
            ++wrong;
            for (int at = 0; at < 128; ++at)
                if (saved[at] != image[at])
                    std::fprintf(stderr, "  read %d: offset %d: 0x%02X, the connector 0x%02X\n", i,
                                 at, std::uint8_t(saved[at]), std::uint8_t(image[at]));
        }
    }
    const double each = double(timer.elapsed()) / count;
    std::printf("%-8s reads at 10%% corrupted replies: %d, reported good %d, of those wrong %d, "
                "failed %d, started again %d; %.0f ms a read\n",
                timing, count, good, wrong, failed, retried, each);
    return each;
}

// The same reads without processes or a terminal, many of them: the model over the simulated
// firmware in this process, 10 % of its replies corrupted.
void ReadsInProcess(int count) {
    sim::InProcessAdapter adapter("INPROC");
    const QByteArray image = RandomImage(QByteArray(128, '\0'), true);
    std::copy(image.begin(), image.end(), adapter.firmware().memory().begin());
    adapter.firmware().setSeed(QRandomGenerator::global()->bounded(1u, 1u << 30));
    adapter.firmware().setFault(sim::AdapterFirmware::Fault::CorruptByte, 0.1);
    TTarnDevice device;
    TQ47 model;
    model.Device = &device;
    int good = 0, wrong = 0;
    for (int i = 0; i < count; ++i) {
        if (!model.ReadConnector())
            continue;
        ++good;
        if (QByteArray(reinterpret_cast<const char*>(model.Image), 128) != image) {
            ++wrong;
            for (int at = 0; at < 128; ++at)
                if (model.Image[at] != std::uint8_t(image[at]))
                    std::fprintf(stderr, "  read %d: offset %d: 0x%02X, the connector 0x%02X\n", i,
                                 at, model.Image[at], std::uint8_t(image[at]));
        }
    }
    std::printf("reads in process at 10%% corrupted replies: %d, reported good %d, of those "
                "wrong %d\n",
                count, good, wrong);
}

// Returns the milliseconds a write took, on average.
double Writes(int count, const char* timing) {
    const QString memory = Dir + "/writes.mem";
    const QString fresh = Dir + "/fresh.brk";
    Run({"new", fresh, "PrePurge=33"});
    const QByteArray base = Contents(fresh);
    const QByteArray images[2] = {RandomImage(base, false), RandomImage(base, false)};
    const QString files[2] = {Dir + "/a.brk", Dir + "/b.brk"};
    for (int i = 0; i < 2; ++i)
        Store(files[i], images[i]);
    Sim sim(Ports, memory,
            {"--timing", timing, "--corrupt", "0.1", "--seed",
             QString::number(QRandomGenerator::global()->bounded(1, 1 << 30))});
    if (!sim.Ready)
        return 0;
    int ok = 0, wrong = 0, pulled = 0, failed = 0, retried = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i) {
        const Outcome outcome = Run({"write", "--quiet", files[i % 2]});
        retried += outcome.Err.contains("trying again");
        pulled += outcome.Err.contains("pulled");
        if (outcome.Code != 0) {
            ++failed;
            std::fprintf(stderr, "  write %d: exit %d: %s", i, outcome.Code,
                         outcome.Err.constData());
            continue;
        }
        ++ok;
        wrong += Contents(memory, 128) != images[i % 2];
    }
    const double each = double(timer.elapsed()) / count;
    std::printf("%-8s writes at 10%% corrupted replies: %d, succeeded %d, of those wrong %d, "
                "failed %d, called pulled %d, started again %d; %.0f ms a write\n",
                timing, count, ok, wrong, failed, pulled, retried, each);
    return each;
}

void Burst(int count) {
    const QString memory = Dir + "/burst.mem";
    const QString fresh = Dir + "/burst.brk";
    Run({"new", fresh, "PrePurge=44"});
    int ok = 0, wrong = 0, bursts = 0;
    for (int i = 0; i < count; ++i) {
        const QByteArray image = RandomImage(Contents(fresh), false);
        Store(fresh, image);
        Sim sim(Ports, memory, {"--chatter-ms", "300", "--verbose"});
        if (!sim.Ready)
            return;
        QProcess cli;
        Configure(cli, {"write", "--quiet", fresh});
        cli.start();
        // The burst begins behind the reply to the write of the ninth block, of sixteen.
        if (sim.WaitForRequest("write 8 at 0x0040")) {
            sim.Process.write("fault chatter 1\n");
            sim.Process.waitForBytesWritten(1000);
        }
        cli.waitForFinished(60000);
        const bool written = cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == 0;
        if (!written)
            std::fprintf(stderr, "  burst %d: %s", i, cli.readAllStandardError().constData());
        ok += written;
        wrong += written && Contents(memory, 128) != image;
        bursts += sim.WaitForRequest("[chatter]");
    }
    std::printf("writes through a 0.3 s burst of noise: %d (the burst came in %d), succeeded %d, "
                "of those wrong %d\n",
                count, bursts, ok, wrong);
}

void Killed(int count) {
    const QString memory = Dir + "/killed.mem";
    int found = 0;
    for (int i = 0; i < count; ++i) {
        Sim sim(Ports, memory, {"--no-connector"});
        if (!sim.Ready)
            return;
        QProcess holder;
        Configure(holder, {"read", "--wait", Dir + "/held.brk"});
        holder.start();
        QByteArray said;
        QElapsedTimer timer;
        timer.start();
        while (!said.contains("waiting for connectors") && timer.elapsed() < 10000) {
            holder.waitForReadyRead(50);
            said += holder.readAllStandardError();
        }
        ::kill(static_cast<pid_t>(holder.processId()), SIGKILL);
        holder.waitForFinished(5000);
        const Outcome status = Run({"status"});
        if (status.Out.startsWith("adapter: "))
            ++found;
        else
            std::fprintf(stderr, "  status after kill -9: %s", status.Err.constData());
    }
    std::printf("status right after kill -9 of a client holding the simulator: %d, adapter found "
                "%d\n",
                count, found);
}

} // namespace

int main(int argc, char** argv) {
    const int reads = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    const int writes = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100;
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    Dir = dir.path();
    Ports = dir.filePath("ports");
    const int inProcess = argc > 3 ? std::max(0, std::atoi(argv[3])) : 10000;
    // The in-process adapter must be the only one: no port folder of the machine.
    ::setenv("BROOKFETCH_PORTS", qPrintable(Ports), 1);
    ReadsInProcess(inProcess);
    // Through the USB chip, and through the same line without its latency timer: what the
    // timer costs the program, noise and all.
    const double chipRead = Reads(reads, "chip");
    const double lineRead = Reads(reads, "line");
    const double chipWrite = Writes(writes, "chip");
    const double lineWrite = Writes(writes, "line");
    if (lineRead > 0 && lineWrite > 0)
        std::printf("latency timer's cost at 10%% corrupted replies (chip / line, brookfetch-cli's "
                    "start included): read %.3f, write %.3f\n",
                    chipRead / lineRead, chipWrite / lineWrite);
    Burst(8);
    Killed(10);
    return 0;
}
