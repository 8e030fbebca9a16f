#include "platform/signals/StopSignals.h"

#include <array>
#include <csignal>

namespace {

constexpr std::array<int, 4> Held = {SIGHUP, SIGQUIT, SIGINT, SIGTERM};

volatile std::sig_atomic_t FirstCaught = 0;

void Note(int signal) {
    if (FirstCaught == 0)
        FirstCaught = signal;
}

} // namespace

// The handling each signal had before the hold; a handler rather than a blocked mask, since a
// signal sent to the process reaches any of its threads (a window program has a few).
struct TStopSignalHold::TSaved {
    std::array<struct sigaction, Held.size()> Previous{};
    std::array<bool, Held.size()> Replaced{};
};

TStopSignalHold::TStopSignalHold() : Saved(std::make_unique<TSaved>()) {
    FirstCaught = 0;
    struct sigaction noting = {};
    noting.sa_handler = Note;
    sigemptyset(&noting.sa_mask);
    noting.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < Held.size(); ++i) {
        sigaction(Held[i], nullptr, &Saved->Previous[i]);
        if (Saved->Previous[i].sa_handler == SIG_IGN)
            continue;
        Saved->Replaced[i] = sigaction(Held[i], &noting, nullptr) == 0;
    }
}

TStopSignalHold::~TStopSignalHold() {
    Release();
}

int TStopSignalHold::Release() {
    if (!Saved)
        return 0;
    for (std::size_t i = 0; i < Held.size(); ++i)
        if (Saved->Replaced[i])
            sigaction(Held[i], &Saved->Previous[i], nullptr);
    Saved.reset();
    const int caught = FirstCaught;
    FirstCaught = 0;
    return caught;
}
