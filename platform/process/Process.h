// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// What the programs need of the operating system around their own process: the arguments as
// the system gave them, the terminal, requests to stop, and copies of the program started as
// lanes with their output relayed. Plain C++; one source file per system.
namespace process {

// An argument or a file name in the system's own form: bytes on Linux, UTF-16 on Windows.
using TNativeString = std::filesystem::path::string_type;

// The program's arguments, the program's name first, exactly as the system gave them. On
// Windows they come from the UTF-16 command line: argv is in the ANSI code page, which cannot
// hold every name.
std::vector<TNativeString> Arguments(int argc, char* argv[]);

enum class TStream { Output, Error };
bool IsTerminal(TStream stream);
// The terminal's width in columns; 0 when the stream is no terminal or the width is unknown.
int TerminalColumns(TStream stream);
// Lets the Windows console show the UTF-8 the program writes; nothing to do on Linux.
void UseUtf8Console();
// The Qt platform for a program that draws into files only (a PDF), when the system's own could
// fail: "offscreen" on Linux, where there may be no display; null on Windows, whose own needs
// none and has the system's fonts.
const char* FileOnlyGuiPlatform();

// From CatchStopRequests() on, the ways a user or the system asks a program to end (SIGINT,
// SIGTERM, SIGHUP and SIGQUIT on Linux; Ctrl+C, Ctrl+Break, a closed console window and, for a
// lane, its parent's stop event on Windows) only set a request, which the program honours where it
// can stop without leaving a connector half written. A signal the program was started to ignore
// (SIGINT of a job that a script started with &) stays ignored. SIGPIPE and SIGXFSZ are ignored for
// good: a closed pipe or a file-size limit becomes a failed write, never the end of the program
// inside a transfer.
void CatchStopRequests();
bool StopRequested();
// The program's own request, as if a signal had come.
void RequestStop();
// Ends the program the way the request would have ended it, had nothing caught it: the shell
// sees it killed by that signal. Without a request it ends with `code`.
[[noreturn]] void EndAsRequested(int code);
// Waits `milliseconds`, less when a stop is requested meanwhile; false when one is.
bool Pause(int milliseconds);

// For a program that takes no stop requests for good (the window program): for its lifetime
// they are caught as CatchStopRequests() catches them, so that nothing cuts a connector
// transfer short, and their earlier handling comes back at its end. Under CatchStopRequests()
// a hold changes nothing.
//
//     process::TStopHold hold;
//     ... the transfer ...
//     if (const int code = hold.Release(); code != 0)
//         ... end the program with `code` ...
class TStopHold {
public:
    TStopHold();
    ~TStopHold(); // releases, forgetting a request
    TStopHold(const TStopHold&) = delete;
    TStopHold& operator=(const TStopHold&) = delete;

    // Gives the earlier handling back. When a stop was requested meanwhile, the exit code that
    // tells so (128 + the signal, as a shell counts it; on Windows that of a console program
    // ended by Ctrl+C), else 0. Later calls return 0.
    int Release();

private:
    struct TSaved;
    std::unique_ptr<TSaved> Saved;
};

// Copies of this very program, started with other arguments, their standard output and error
// coming back through pipes and nothing on their standard input: the lanes of --all.
class TChildren {
public:
    TChildren();
    ~TChildren(); // waits for the children still running, asking them to stop
    TChildren(const TChildren&) = delete;
    TChildren& operator=(const TChildren&) = delete;

    // Starts the program again with `arguments` (its name first). False when it cannot be
    // started; the child then has no number.
    bool Start(const std::vector<TNativeString>& arguments);

    // A chunk of a child's output; an empty chunk ends that stream.
    using TRelay = std::function<void(std::size_t child, TStream stream, std::string_view bytes)>;
    // Relays the children's output until all of them have ended. The first stop request is
    // passed on to every child still running as soon as it comes (SIGTERM; on Windows an event
    // the child watches, as no console event reaches a program without a console). Fills `codes`
    // with each child's exit code in the order they were started, one ended by a signal counting
    // 128 + its number as a shell counts it. False, with `why`, when the waiting itself failed; the
    // children are then asked to stop and waited for.
    bool RelayUntilEnd(const TRelay& relay, std::vector<int>& codes, std::string& why);

private:
    struct TState;
    std::unique_ptr<TState> State;
};

} // namespace process
