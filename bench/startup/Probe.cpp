// The window program with two time stamps for bench_startup: the program's own start-up and
// windows, printing "probe shown <us>" once the main window is up and "probe tick <us>" after
// the first status tick (monotonic clock, on stderr), then closing the main window as a user
// would.
#include "WindowProgram.h"
#include "ui/Main.h"

#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

void ProbeLine(const char* what) {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::fprintf(stderr, "probe %s %lld\n", what,
                 static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000);
    std::fflush(stderr);
}

} // namespace

int main(int argc, char* argv[]) {
    return RunWindowProgram(argc, argv, [] {
        ProbeLine("shown");
        // Connected after the window's own handler, so it runs when the tick is done.
        QObject::connect(MainForm->Timer, &QTimer::timeout, MainForm, [] {
            static bool seen = false;
            if (seen)
                return;
            seen = true;
            ProbeLine("tick");
            QTimer::singleShot(0, MainForm, [] { MainForm->close(); });
        });
    });
}
