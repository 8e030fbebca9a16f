// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/AdapterFirmware.h"
#include "sim/ChipModel.h"

#include <chrono>
#include <deque>
#include <functional>
#include <string>
#include <termios.h>
#include <vector>

namespace sim {

// Serves an AdapterFirmware on the master side of a pseudo-terminal through a model of the
// adapter's USB chip (its line rate, USB frame and latency timer), with an answer delay,
// commands from standard input and a clean stop on a signal.
class PtyServer {
public:
    struct Options {
        ChipModel::Timing timing = ChipModel::Timing::Chip;
        std::chrono::milliseconds delay{0};
        bool verbose = false;
        std::string memoryFile; // empty: the memory lives only as long as the program
        std::string ptmx;       // the pseudo-terminal multiplexer; empty: the system's (/dev/ptmx)
    };

    PtyServer(AdapterFirmware& firmware, Options options);
    ~PtyServer();
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    // Makes the pseudo-terminal. False with a message in `error` when it cannot be made.
    bool open(std::string& error);
    const std::string& slavePath() const { return slavePath_; }

    // Makes the port's latency file, with the chip's 16 ms, and removes it when the server
    // goes. The host writes the latency timer into it as into ftdi_sio's latency_timer
    // attribute, and the chip takes its period from it. False with a message in `error`.
    bool makeLatencyFile(const std::string& path, std::string& error);

    // Serves until "quit" on standard input or a stop request (StopPipe.h); returns the exit
    // code.
    int run();

    // A background job is not stopped for reading or printing on its terminal.
    static void ignoreTerminalStops();

private:
    struct Pending {
        AdapterFirmware::Clock::time_point due;
        std::vector<std::uint8_t> bytes;
    };
    void readStdin();
    bool command(const std::string& line);
    void serveBytes(const std::vector<std::uint8_t>& bytes, ChipModel::TimePoint now);
    // Moves bytes on through the chip and the firmware as far as they have come by `now`.
    void step(ChipModel::TimePoint now);
    // Takes the latency timer from the latency file when the host has changed it.
    void readLatency(ChipModel::TimePoint now);
    void chatter(AdapterFirmware::Clock::time_point now);
    void writeOut(const std::vector<std::uint8_t>& bytes);
    // A client that closed the terminal, whichever way it ended, leaves no trace on it.
    void clientClosed();

    AdapterFirmware& firmware_;
    Options options_;
    int master_ = -1;
    int slave_ = -1; // kept open so the master never sees a hang-up between host sessions
    std::string slavePath_;
    termios slaveSettings_{}; // the terminal as a client should find it
    int closes_ = -1;         // inotify: the slave was opened or closed by someone
    bool stdinOpen_ = true;
    std::string stdinBuffer_;
    bool quit_ = false;
    std::deque<Pending> pending_; // replies the firmware is about to send
    ChipModel chip_;
    std::string latencyFile_;
    unsigned latencyWritten_ = 16; // what the latency file said last
    AdapterFirmware::Clock::time_point lastNoise_{};
};

} // namespace sim
