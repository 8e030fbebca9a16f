// SPDX-License-Identifier: GPL-3.0-or-later
// How long the window program takes from process start to its main window shown and to its
// first completed status tick, and its peak memory, beside two minimal Qt Widgets programs
// measured in the same run: an empty window, and one with a menu bar, a tool bar, a status bar
// and a line of text. The second shows what the fonts cost, which no window with text avoids:
// Qt reads the system's font list at the first text it lays out.
//
//   bench_startup [RUNS]     (default 5; the median of the runs is printed)
//
// A window counts as shown once its first paint is done. The window program is measured as
// bench_startup_probe, the program's own start-up with two time stamps: it prints
// "probe shown <us>" and "probe tick <us>" (monotonic clock) on stderr and closes its window
// after the first tick. It runs from a copy in a scratch folder with a
// settings folder, a runtime folder (for its one-window lock) and an empty port directory of
// its own, so no adapter is found, no window of the user's takes it over and nothing of the
// user's is touched. Qt runs offscreen unless
// QT_QPA_PLATFORM says otherwise.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

long long NowUs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

struct Run {
    double ShownMs = -1;
    double TickMs = -1;
    long PeakKb = 0; // VmHWM: the child's maximum resident set size
};

Run Measure(const std::string& program, const char* argument = nullptr) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    const long long start = NowUs();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeFds[1], STDERR_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execl(program.c_str(), program.c_str(), argument, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    std::string output;
    char buffer[4096];
    ssize_t n;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, static_cast<std::size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);

    Run run;
    run.PeakKb = usage.ru_maxrss;
    const auto stamp = [&output, start](const char* what) {
        const std::string key = std::string("probe ") + what + " ";
        const auto at = output.find(key);
        return at == std::string::npos
                   ? -1.0
                   : (std::atoll(output.c_str() + at + key.size()) - start) / 1000.0;
    };
    run.ShownMs = stamp("shown");
    run.TickMs = stamp("tick");
    if (run.ShownMs < 0)
        std::fprintf(stderr, "bench_startup: %s printed no probe line:\n%s\n", program.c_str(),
                     output.c_str());
    return run;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    namespace fs = std::filesystem;
    char pattern[] = "/tmp/bench_startup.XXXXXX";
    const fs::path scratch = mkdtemp(pattern);
    fs::create_directories(scratch / "config");
    fs::create_directories(scratch / "ports");
    // A desktop session's runtime folder is in memory (/run/user/<uid>); on a disk, the lock's
    // flush to it alone would take milliseconds.
    char runtimePattern[] = "/dev/shm/bench_startup.XXXXXX";
    const fs::path runtime = fs::is_directory("/dev/shm") && mkdtemp(runtimePattern)
                                 ? runtimePattern
                                 : scratch / "runtime";
    fs::create_directories(runtime);
    fs::permissions(runtime, fs::perms::owner_all);
    const fs::path program = scratch / "brookfetch";
    fs::copy_file(PROBE_PROGRAM, program);
    setenv("XDG_CONFIG_HOME", (scratch / "config").c_str(), 1);
    setenv("BROOKFETCH_PORTS", (scratch / "ports").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv("QT_QPA_PLATFORM", getenv("QT_QPA_PLATFORM") ? getenv("QT_QPA_PLATFORM") : "offscreen",
           1);

    std::vector<double> shown, tick, peak, minimalShown, minimalPeak, textsShown, textsPeak;
    // Alternating, so both see the same state of the machine and its caches.
    for (int i = 0; i < runs; ++i) {
        const Run minimal = Measure(MINIMAL_PROGRAM);
        const Run texts = Measure(MINIMAL_PROGRAM, "--texts");
        const Run full = Measure(program);
        minimalShown.push_back(minimal.ShownMs);
        minimalPeak.push_back(minimal.PeakKb / 1024.0);
        textsShown.push_back(texts.ShownMs);
        textsPeak.push_back(texts.PeakKb / 1024.0);
        shown.push_back(full.ShownMs);
        tick.push_back(full.TickMs);
        peak.push_back(full.PeakKb / 1024.0);
    }
    fs::remove_all(scratch);
    fs::remove_all(runtime);

    std::printf("start-up, median of %d runs (platform %s)\n", runs, getenv("QT_QPA_PLATFORM"));
    std::printf("  %-24s %10s %12s %10s\n", "", "shown ms", "1st tick ms", "peak MiB");
    std::printf("  %-24s %10.1f %12s %10.1f\n", "minimal Qt Widgets", Median(minimalShown), "-",
                Median(minimalPeak));
    std::printf("  %-24s %10.1f %12s %10.1f\n", "  with menus and texts", Median(textsShown), "-",
                Median(textsPeak));
    std::printf("  %-24s %10.1f %12.1f %10.1f\n", "brookfetch", Median(shown), Median(tick),
                Median(peak));
    std::printf("  ratio brookfetch/minimal: shown %.2f, peak memory %.2f\n",
                Median(shown) / Median(minimalShown), Median(peak) / Median(minimalPeak));
    std::printf("  ratio brookfetch/minimal with texts: shown %.2f, peak memory %.2f\n",
                Median(shown) / Median(textsShown), Median(peak) / Median(textsPeak));
    std::printf("  (the first tick comes one timer interval, 1000 ms, after the window is made)\n");
    return 0;
}
