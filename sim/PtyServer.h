#pragma once

#include "sim/AdapterFirmware.h"

#include <chrono>
#include <deque>
#include <functional>
#include <string>
#include <termios.h>
#include <vector>

namespace sim {

// Serves an AdapterFirmware on the master side of a pseudo-terminal, with line-rate pacing,
// an answer delay, commands from standard input and a clean stop on a signal.
class PtyServer {
public:
    struct Options {
        bool pace = false;
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

    // Loads the memory file, or creates it with a fresh memory. False with a message.
    bool loadMemory(std::string& error);

    // Serves until "quit" on standard input or a stop request; returns the exit code.
    int run();

    // Async-signal-safe: asks run() to return.
    static void requestStop();
    // Installs handlers for SIGINT, SIGTERM and SIGHUP that call requestStop().
    static void installSignalHandlers();
    // A background job is not stopped for reading or printing on its terminal.
    static void ignoreTerminalStops();

private:
    struct Pending {
        AdapterFirmware::Clock::time_point due;
        std::vector<std::uint8_t> bytes;
    };
    void readStdin();
    bool command(const std::string& line);
    void serveBytes(const std::uint8_t* data, std::size_t size);
    void flushDue(AdapterFirmware::Clock::time_point now);
    void chatter(AdapterFirmware::Clock::time_point now);
    void saveMemory();
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
    std::deque<Pending> pending_;
    AdapterFirmware::Clock::time_point lastNoise_{};
};

} // namespace sim
