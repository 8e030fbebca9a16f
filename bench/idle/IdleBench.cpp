// SPDX-License-Identifier: GPL-3.0-or-later
// CPU time the window program uses while it sits idle and its status timer polls: once with
// no adapter (a tick a second) and once with brookfetch-adapter-sim and a connector (a tick
// every five seconds).
//
//   bench_idle [SECONDS]     (default 60)
//
// The program runs from a copy in a scratch folder with a settings folder and a port
// directory of its own; Qt runs offscreen unless QT_QPA_PLATFORM says otherwise. The count
// starts 2 s after the program starts, so start-up is not counted.
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

pid_t Start(const std::vector<std::string>& command, const fs::path& out) {
    const pid_t child = fork();
    if (child == 0) {
        const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(fd, STDOUT_FILENO);
        dup2(fd, STDERR_FILENO);
        std::vector<char*> argv;
        for (const auto& word : command)
            argv.push_back(const_cast<char*>(word.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return child;
}

// CPU time of a running process, all its threads, in ms. The scheduler's nanosecond count,
// since idle polling uses far less than the 10 ms steps of the stat file.
double CpuMs(pid_t pid) {
    unsigned long long total = 0;
    std::error_code error;
    for (const auto& task :
         fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream stat(task.path() / "schedstat");
        unsigned long long onCpu = 0;
        if (stat >> onCpu)
            total += onCpu;
    }
    return total / 1e6;
}

void Stop(pid_t pid) {
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

bool WaitForLine(const fs::path& file, const std::string& start) {
    for (int i = 0; i < 100; ++i) {
        std::ifstream in(file);
        std::string line;
        while (std::getline(in, line))
            if (line.rfind(start, 0) == 0)
                return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

void Measure(const char* name, const fs::path& program, const fs::path& scratch, int seconds,
             pid_t simulator) {
    const pid_t pid = Start({program.string()}, scratch / "program.out");
    std::this_thread::sleep_for(std::chrono::seconds(2));
    const double before = CpuMs(pid);
    const double simBefore = simulator > 0 ? CpuMs(simulator) : 0;
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const double used = CpuMs(pid) - before;
    const double simUsed = simulator > 0 ? CpuMs(simulator) - simBefore : 0;
    Stop(pid);
    std::printf("  %-28s %8.1f ms CPU in %d s (%.3f %% of a core)", name, used, seconds,
                used / (seconds * 10.0));
    if (simulator > 0)
        std::printf("; simulator %.1f ms", simUsed);
    std::printf("\n");
}

} // namespace

int main(int argc, char* argv[]) {
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    char pattern[] = "/tmp/bench_idle.XXXXXX";
    const fs::path scratch = mkdtemp(pattern);
    fs::create_directories(scratch / "config");
    fs::create_directories(scratch / "ports");
    const fs::path program = scratch / "brookfetch";
    fs::copy_file(BROOKFETCH_PROGRAM, program);
    setenv("XDG_CONFIG_HOME", (scratch / "config").c_str(), 1);
    setenv("BROOKFETCH_PORTS", (scratch / "ports").c_str(), 1);
    setenv("QT_QPA_PLATFORM", getenv("QT_QPA_PLATFORM") ? getenv("QT_QPA_PLATFORM") : "offscreen",
           1);

    std::printf("idle polling (platform %s)\n", getenv("QT_QPA_PLATFORM"));
    Measure("no adapter", program, scratch, seconds, 0);

    const pid_t simulator = Start({BROOKFETCH_SIM_PROGRAM, "--ports", (scratch / "ports").string(),
                                   "--memory", (scratch / "connector.bin").string()},
                                  scratch / "sim.out");
    if (!WaitForLine(scratch / "sim.out", "ready ")) {
        std::fprintf(stderr, "bench_idle: the simulator did not get ready\n");
        Stop(simulator);
        return 1;
    }
    Measure("adapter with connector", program, scratch, seconds, simulator);
    Stop(simulator);
    fs::remove_all(scratch);
    return 0;
}
