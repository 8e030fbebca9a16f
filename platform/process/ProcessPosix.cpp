// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/Descriptor.h"
#include "platform/process/Process.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <poll.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace process {
namespace {

constexpr int StopSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

volatile std::sig_atomic_t Requested = 0;
volatile std::sig_atomic_t RequestingSignal = 0;
bool Catching = false; // CatchStopRequests() has been called
// Written to by the handler so that a wait in poll() ends at once (the self-pipe): the signal
// may come just before poll() begins, when a flag alone would be seen only at the next event.
int WakeRead = -1;
int WakeWrite = -1;

void Wake() {
    if (WakeWrite >= 0) {
        const char byte = 1;
        // Full or not, the pipe is readable now, which is all a waiter needs.
        [[maybe_unused]] const ssize_t written = ::write(WakeWrite, &byte, 1);
    }
}

void OnStopSignal(int signal) {
    const int saved = errno;
    Requested = 1;
    if (RequestingSignal == 0)
        RequestingSignal = signal;
    Wake();
    errno = saved;
}

// Lets OnStopSignal take `signal` unless the program was started with it ignored (as the shell
// meant it); `previous` receives the earlier handling. False when nothing was changed.
bool Catch(int signal, int flags, struct sigaction& previous) {
    if (::sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN)
        return false;
    struct sigaction action = {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = flags;
    return ::sigaction(signal, &action, nullptr) == 0;
}

void MakeWakePipe() {
    if (WakeRead >= 0)
        return;
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // then waits end at their timeouts or the next event; the flag still counts
    WakeRead = ends[0];
    WakeWrite = ends[1];
}

int Descriptor(TStream stream) {
    return stream == TStream::Output ? STDOUT_FILENO : STDERR_FILENO;
}

// poll() until an event or the deadline, over EINTR; the number of ready descriptors, 0 at the
// deadline (or at once when a stop is requested and `stopEnds`), -1 with errno on a failure.
int PollUntil(std::vector<pollfd>& watched, std::chrono::steady_clock::time_point deadline,
              bool forever) {
    for (;;) {
        int timeout = -1;
        if (!forever) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            timeout = static_cast<int>(std::max<long long>(0, left.count()));
        }
        const int ready = ::poll(watched.data(), watched.size(), timeout);
        if (ready >= 0 || errno != EINTR)
            return ready;
        if (Requested)
            return 0;
    }
}

} // namespace

std::vector<TNativeString> Arguments(int argc, char* argv[]) {
    return std::vector<TNativeString>(argv, argv + argc);
}

bool IsTerminal(TStream stream) {
    return ::isatty(Descriptor(stream)) == 1;
}

int TerminalColumns(TStream stream) {
    winsize size{};
    if (::ioctl(Descriptor(stream), TIOCGWINSZ, &size) != 0)
        return 0;
    return size.ws_col;
}

void UseUtf8Console() {}

const char* FileOnlyGuiPlatform() {
    return "offscreen";
}

void CatchStopRequests() {
    Catching = true;
    MakeWakePipe();
    for (const int signal : StopSignals) {
        struct sigaction previous = {};
        // No SA_RESTART: a wait on a terminal or a pipe ends, and its caller looks at the flag.
        Catch(signal, 0, previous);
    }
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
}

bool StopRequested() {
    return Requested != 0;
}

void RequestStop() {
    Requested = 1;
    Wake();
}

void EndAsRequested(int code) {
    const int signal = RequestingSignal;
    if (signal != 0) {
        std::signal(signal, SIG_DFL);
        sigset_t only;
        sigemptyset(&only);
        sigaddset(&only, signal);
        ::sigprocmask(SIG_UNBLOCK, &only, nullptr);
        std::raise(signal);
    }
    std::exit(code);
}

bool Pause(int milliseconds) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!Requested) {
        std::vector<pollfd> watched;
        if (WakeRead >= 0)
            watched.push_back({WakeRead, POLLIN, 0});
        if (PollUntil(watched, deadline, false) <= 0 &&
            std::chrono::steady_clock::now() >= deadline)
            break;
    }
    return !Requested;
}

// The handling each signal had before the hold; a handler rather than a blocked mask, since a
// signal sent to the process reaches any of its threads (a window program has a few).
struct TStopHold::TSaved {
    struct sigaction Previous[std::size(StopSignals)] = {};
    bool Replaced[std::size(StopSignals)] = {};
};

TStopHold::TStopHold() : Saved(std::make_unique<TSaved>()) {
    if (Catching)
        return;
    Requested = 0;
    RequestingSignal = 0;
    for (std::size_t i = 0; i < std::size(StopSignals); ++i)
        // SA_RESTART: the window program's other waits go on undisturbed.
        Saved->Replaced[i] = Catch(StopSignals[i], SA_RESTART, Saved->Previous[i]);
}

TStopHold::~TStopHold() {
    Release();
}

int TStopHold::Release() {
    if (!Saved)
        return 0;
    bool held = false;
    for (std::size_t i = 0; i < std::size(StopSignals); ++i) {
        if (!Saved->Replaced[i])
            continue;
        held = true;
        ::sigaction(StopSignals[i], &Saved->Previous[i], nullptr);
    }
    Saved.reset();
    if (!held)
        return 0;
    const int signal = RequestingSignal;
    Requested = 0;
    RequestingSignal = 0;
    return signal == 0 ? 0 : 128 + signal;
}

struct TChildren::TState {
    struct TChild {
        pid_t Process = -1;
        TDescriptor Output[2]; // standard output and error; closed at their end
        int Code = -1;
    };
    std::vector<TChild> Children;

    void AskToStop() {
        for (const TChild& child : Children) {
            if (child.Process > 0 && child.Code < 0)
                ::kill(child.Process, SIGTERM);
        }
    }
    static int Reap(TChild& child) {
        int status = 0;
        while (::waitpid(child.Process, &status, 0) < 0) {
            if (errno != EINTR)
                return 1;
        }
        if (WIFEXITED(status))
            return WEXITSTATUS(status);
        return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : 1;
    }
    void ReapAll() {
        for (TChild& child : Children) {
            child.Output[0].Reset();
            child.Output[1].Reset();
            if (child.Process > 0 && child.Code < 0)
                child.Code = Reap(child);
        }
    }
};

TChildren::TChildren() : State(std::make_unique<TState>()) {}

TChildren::~TChildren() {
    State->AskToStop();
    State->ReapAll();
}

bool TChildren::Start(const std::vector<TNativeString>& arguments) {
    int out[2];
    int err[2];
    if (::pipe2(out, O_CLOEXEC) != 0)
        return false;
    TDescriptor outRead(out[0]), outWrite(out[1]);
    if (::pipe2(err, O_CLOEXEC) != 0)
        return false;
    TDescriptor errRead(err[0]), errWrite(err[1]);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outWrite.Get(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errWrite.Get(), STDERR_FILENO);
    std::vector<char*> argv;
    for (const TNativeString& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = -1;
    // The very program that runs, even if its file has been replaced meanwhile.
    const int started =
        ::posix_spawn(&child, "/proc/self/exe", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0)
        return false;
    TState::TChild& added = State->Children.emplace_back();
    added.Process = child;
    added.Output[0] = std::move(outRead);
    added.Output[1] = std::move(errRead);
    return true;
}

bool TChildren::RelayUntilEnd(const TRelay& relay, std::vector<int>& codes, std::string& why) {
    bool forwarded = false;
    for (;;) {
        if (Requested && !forwarded) {
            forwarded = true;
            State->AskToStop();
        }
        std::vector<pollfd> watched;
        std::vector<std::pair<std::size_t, int>> owners;
        for (std::size_t i = 0; i < State->Children.size(); ++i) {
            for (int stream = 0; stream < 2; ++stream) {
                if (!State->Children[i].Output[stream].IsOpen())
                    continue;
                watched.push_back({State->Children[i].Output[stream].Get(), POLLIN, 0});
                owners.emplace_back(i, stream);
            }
        }
        if (watched.empty())
            break;
        // Once passed on, the request needs no more waking: the pipe stays readable.
        if (!forwarded && WakeRead >= 0)
            watched.push_back({WakeRead, POLLIN, 0});
        if (PollUntil(watched, {}, true) < 0) {
            why = std::string("waiting for the lanes failed: ") + std::strerror(errno);
            State->AskToStop();
            State->ReapAll();
            return false;
        }
        for (std::size_t k = 0; k < owners.size(); ++k) {
            if (watched[k].revents == 0)
                continue;
            const auto [index, stream] = owners[k];
            TState::TChild& child = State->Children[index];
            char chunk[4096];
            const ssize_t got = ::read(watched[k].fd, chunk, sizeof chunk);
            if (got < 0 && (errno == EINTR || errno == EAGAIN))
                continue;
            const TStream which = stream == 0 ? TStream::Output : TStream::Error;
            if (got > 0) {
                relay(index, which, std::string_view(chunk, static_cast<std::size_t>(got)));
                continue;
            }
            relay(index, which, std::string_view());
            child.Output[stream].Reset();
            if (!child.Output[0].IsOpen() && !child.Output[1].IsOpen())
                child.Code = TState::Reap(child);
        }
    }
    codes.clear();
    for (const TState::TChild& child : State->Children)
        codes.push_back(child.Code);
    return true;
}

} // namespace process
