// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sim {

// The simulator's clean stop, for whichever server runs: a signal writes into a pipe that the
// server's poll() watches, so that it returns and removes what it registered.

// Installs handlers for SIGINT, SIGTERM and SIGHUP that call requestStop(). A closed stdout or
// stderr does not end the program either.
void installStopHandlers();
// Async-signal-safe: asks the server's run() to return.
void requestStop();
// The pipe's end to poll: readable once a stop is requested; -1 before installStopHandlers().
int stopRequests();

} // namespace sim
