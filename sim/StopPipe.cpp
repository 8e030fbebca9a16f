// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/StopPipe.h"

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace sim {

namespace {

// The self-pipe that turns a signal into something poll() sees.
int stopPipe[2] = {-1, -1};

void onSignal(int) {
    requestStop();
}

} // namespace

void installStopHandlers() {
    if (stopPipe[0] < 0 && ::pipe2(stopPipe, O_NONBLOCK | O_CLOEXEC) != 0)
        stopPipe[0] = stopPipe[1] = -1;
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

void requestStop() {
    if (stopPipe[1] >= 0) {
        const char byte = 1;
        [[maybe_unused]] auto written = ::write(stopPipe[1], &byte, 1);
    }
}

int stopRequests() {
    return stopPipe[0];
}

} // namespace sim
