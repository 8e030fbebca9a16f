// SPDX-License-Identifier: GPL-3.0-or-later
// Stop requests as the programs live with them. Each case runs in a child process of its
// own: signal handling belongs to a whole process.
#include "platform/process/Process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs `body` in a child; its exit code, or 128 + the signal that ended it.
template <typename Body>
int InChild(Body body, pid_t* started = nullptr, bool wait = true) {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(body());
    if (started != nullptr)
        *started = child;
    if (!wait)
        return -1;
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

int Finish(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST(StopRequests, EverySignalThatEndsAProgramOnlyAsksItToStop) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        SCOPED_TRACE(signal);
        int survived[2];
        ASSERT_EQ(::pipe(survived), 0);
        const int code = InChild([signal, &survived] {
            process::CatchStopRequests();
            if (process::StopRequested() || !process::Pause(1))
                return 10;
            std::raise(signal);
            if (!process::StopRequested() || process::Pause(5000))
                return 11; // a pause after the request ends at once
            if (::write(survived[1], "s", 1) != 1)
                return 12;
            // Honoured when the program says so: the shell sees the signal.
            process::EndAsRequested(13);
        });
        ::close(survived[1]);
        char byte = 0;
        EXPECT_EQ(::read(survived[0], &byte, 1), 1) << "the signal ended the program at once";
        ::close(survived[0]);
        EXPECT_EQ(code, 128 + signal);
    }

    // A closed pipe and a file-size limit become failed writes.
    EXPECT_EQ(InChild([] {
                  process::CatchStopRequests();
                  int ends[2];
                  if (::pipe(ends) != 0)
                      return 20;
                  ::close(ends[0]);
                  if (::write(ends[1], "x", 1) != -1 || errno != EPIPE)
                      return 21;
                  rlimit none{0, RLIM_INFINITY};
                  ::setrlimit(RLIMIT_FSIZE, &none);
                  FILE* file = std::tmpfile();
                  if (file == nullptr || ::write(fileno(file), "x", 1) != -1 || errno != EFBIG)
                      return 22;
                  return process::StopRequested() ? 23 : 0;
              }),
              0);

    // A signal ignored when the program started stays ignored; without a request the program
    // ends with its own code.
    EXPECT_EQ(InChild([] {
                  std::signal(SIGINT, SIG_IGN);
                  process::CatchStopRequests();
                  std::raise(SIGINT);
                  if (process::StopRequested())
                      return 30;
                  process::EndAsRequested(7);
              }),
              7);
}

// The window program's hold: a signal during it waits for its end, and afterwards each signal
// is handled as before, an ignored one still ignored.
TEST(StopRequests, AHoldKeepsASignalUntilItsEndAndThenGivesTheHandlingBack) {
    EXPECT_EQ(InChild([] {
                  std::signal(SIGHUP, SIG_IGN);
                  process::TStopHold hold;
                  std::raise(SIGTERM);
                  std::raise(SIGHUP);
                  if (hold.Release() != 128 + SIGTERM || hold.Release() != 0)
                      return 1;
                  if (process::TStopHold().Release() != 0)
                      return 2; // nothing came during this one
                  std::raise(SIGHUP);
                  std::raise(SIGTERM);
                  return 3;
              }),
              128 + SIGTERM);
}

TEST(StopRequests, APauseEndsAsSoonAsASignalComes) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t child = -1;
    InChild(
        [&ready] {
            process::CatchStopRequests();
            if (::write(ready[1], "r", 1) != 1)
                return 2;
            const auto start = std::chrono::steady_clock::now();
            const bool slept = process::Pause(20000);
            const auto took = std::chrono::steady_clock::now() - start;
            return !slept && took < std::chrono::seconds(2) ? 0 : 1;
        },
        &child, false);
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::usleep(100 * 1000); // well inside the pause
    ::kill(child, SIGTERM);
    EXPECT_EQ(Finish(child), 0);
    ::close(ready[0]);
    ::close(ready[1]);
}

} // namespace
