// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/PtyServer.h"

#include "sim/MemoryFile.h"
#include "sim/StopPipe.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <sstream>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

namespace sim {

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// Standard input is a terminal whose foreground job is not ours.
bool inBackground() {
    if (!::isatty(STDIN_FILENO))
        return false;
    const pid_t foreground = ::tcgetpgrp(STDIN_FILENO);
    return foreground > 0 && foreground != ::getpgrp();
}

} // namespace

PtyServer::PtyServer(AdapterFirmware& firmware, Options options)
    : firmware_(firmware), options_(std::move(options)),
      chip_(ChipModel::Clock::now(), options_.timing) {}

PtyServer::~PtyServer() {
    if (!latencyFile_.empty())
        std::remove(latencyFile_.c_str());
    if (closes_ >= 0)
        ::close(closes_);
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
}

bool PtyServer::open(std::string& error) {
    // posix_openpt() is an open of /dev/ptmx; a container may keep its multiplexer elsewhere.
    master_ = options_.ptmx.empty() ? ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK)
                                    : ::open(options_.ptmx.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0) {
        error = std::string("cannot make a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        error = std::string("cannot unlock the pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    const char* name = ::ptsname(master_);
    if (name == nullptr) {
        error = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    slavePath_ = name;
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave_ < 0) {
        error = "cannot open " + slavePath_ + ": " + std::strerror(errno);
        return false;
    }
    // Raw bytes both ways: no echo, no line editing, no CR/LF translation.
    termios settings{};
    if (::tcgetattr(slave_, &settings) == 0) {
        ::cfmakeraw(&settings);
        ::cfsetispeed(&settings, B19200);
        ::cfsetospeed(&settings, B19200);
        ::tcsetattr(slave_, TCSANOW, &settings);
    }
    ::tcgetattr(slave_, &slaveSettings_);
    if (::tcgetattr(master_, &settings) == 0) {
        ::cfmakeraw(&settings);
        ::tcsetattr(master_, TCSANOW, &settings);
    }
    // Our own descriptor keeps the terminal alive between clients, so the kernel never resets
    // it: a client that dies holding it (SIGKILL, a closed terminal) leaves its exclusive flag
    // and its settings behind, and every later client would be turned away as "in use". The
    // kernel reports each close of the slave; the terminal is then put back (clientClosed).
    closes_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (closes_ >= 0 &&
        ::inotify_add_watch(closes_, slavePath_.c_str(), IN_CLOSE_WRITE | IN_CLOSE_NOWRITE) < 0) {
        ::close(closes_);
        closes_ = -1;
    }
    return true;
}

bool PtyServer::makeLatencyFile(const std::string& path, std::string& error) {
    // The chip's power-on value, private to this user as the port file is.
    const int file =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    const char text[] = "16\n";
    const bool made =
        file >= 0 && ::write(file, text, sizeof text - 1) == static_cast<ssize_t>(sizeof text - 1);
    if (!made)
        error = "cannot write the latency file " + path + ": " + std::strerror(errno);
    if (file >= 0)
        ::close(file);
    if (made)
        latencyFile_ = path;
    return made;
}

void PtyServer::readLatency(ChipModel::TimePoint now) {
    if (latencyFile_.empty())
        return;
    const int file = ::open(latencyFile_.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (file < 0)
        return;
    char text[16] = {};
    const ssize_t n = ::read(file, text, sizeof text - 1);
    ::close(file);
    if (n <= 0)
        return;
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 10);
    if (end == text || value == latencyWritten_)
        return;
    latencyWritten_ = static_cast<unsigned>(value);
    chip_.setLatency(std::chrono::milliseconds(value), now);
    if (options_.verbose)
        std::fprintf(stderr, "brookfetch-adapter-sim: latency timer %lu ms\n", value);
}

void PtyServer::clientClosed() {
    alignas(inotify_event) char events[4096];
    while (::read(closes_, events, sizeof events) > 0) {
    }
    // Every Brookfetch client holds the terminal's lock while it uses it: a lock we can take
    // means nobody is using it now, and nobody can start until we let go.
    if (::flock(slave_, LOCK_EX | LOCK_NB) != 0)
        return;
    ::ioctl(slave_, TIOCNXCL);
    ::tcsetattr(slave_, TCSANOW, &slaveSettings_);
    ::flock(slave_, LOCK_UN);
}

void PtyServer::ignoreTerminalStops() {
    // Started with "&" from a shell, the program must not be stopped when it looks at the
    // terminal the shell is reading from; such a read then fails instead (see run()). Nor
    // when it prints there under "stty tostop".
    std::signal(SIGTTIN, SIG_IGN);
    std::signal(SIGTTOU, SIG_IGN);
}

void PtyServer::writeOut(const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        // The terminal's queue is full (nobody reads): the rest is lost, as on a real line.
        break;
    }
}

void PtyServer::serveBytes(const std::vector<std::uint8_t>& bytes, ChipModel::TimePoint now) {
    const bool chattering = firmware_.chattering(now);
    for (auto& answer : firmware_.receive(bytes.data(), bytes.size(), now)) {
        if (options_.verbose)
            std::fprintf(stderr, "%s\n", answer.logLine().c_str());
        if (answer.stored)
            saveServedMemory(options_.memoryFile, firmware_.memory());
        if (answer.reply.empty())
            continue;
        // A reply into a chattering line lands behind noise.
        if (chattering)
            answer.reply.insert(answer.reply.begin(), firmware_.noise());
        auto due = now + options_.delay + answer.delay;
        // Replies leave in order even when one of them is slow.
        if (!pending_.empty())
            due = std::max(due, pending_.back().due);
        pending_.push_back({due, std::move(answer.reply)});
    }
    // The frame list is only for the log; a long run must not grow it without end.
    if (firmware_.frames().size() > 64)
        firmware_.clearFrames();
}

void PtyServer::step(ChipModel::TimePoint now) {
    if (const auto at = chip_.nextToFirmware(); at && *at <= now)
        serveBytes(chip_.takeToFirmware(now), now);
    while (!pending_.empty() && pending_.front().due <= now) {
        chip_.firmwareSend(pending_.front().bytes.data(), pending_.front().bytes.size(),
                           pending_.front().due);
        pending_.pop_front();
    }
    chatter(now);
    if (const auto at = chip_.nextToHost(); at && *at <= now)
        writeOut(chip_.takeToHost(now));
}

void PtyServer::chatter(AdapterFirmware::Clock::time_point now) {
    if (!firmware_.chattering(now))
        return;
    // Roughly the line rate: one byte every 0.52 ms, sent in small bursts.
    const auto elapsed = now - lastNoise_;
    std::size_t count = static_cast<std::size_t>(elapsed / std::chrono::microseconds(521));
    count = std::clamp<std::size_t>(count, 1, 32);
    std::vector<std::uint8_t> noise(count);
    for (auto& byte : noise)
        byte = firmware_.noise();
    chip_.firmwareSend(noise.data(), noise.size(), now);
    lastNoise_ = now;
}

bool PtyServer::command(const std::string& line) {
    std::istringstream words(line);
    std::string word;
    words >> word;
    if (word.empty())
        return true;
    if (word == "quit" || word == "exit") {
        quit_ = true;
    } else if (word == "plug") {
        firmware_.setConnectorPresent(true);
    } else if (word == "unplug") {
        firmware_.setConnectorPresent(false);
    } else if (word == "swap") {
        // Another connector in place of this one quicker than any question could see the
        // socket empty: a fresh memory, plugged in.
        firmware_.resetMemory();
        firmware_.setConnectorPresent(true);
        saveServedMemory(options_.memoryFile, firmware_.memory());
    } else if (word == "small" || word == "large") {
        firmware_.setSmallMemory(word == "small");
        saveServedMemory(options_.memoryFile, firmware_.memory());
    } else if (word == "clear") {
        firmware_.clearFaults();
    } else if (word == "fault") {
        std::string name, value;
        words >> name >> value;
        const auto fault = AdapterFirmware::faultByName(name);
        const auto plan = AdapterFirmware::parseFaultPlan(value);
        if (!fault || !plan) {
            std::fprintf(stderr, "brookfetch-adapter-sim: usage: fault NAME WHEN (NAME one of "
                                 "drop, wrong-ack, short, corrupt, refuse-write, lose-write, "
                                 "chatter, slow; WHEN a count or a probability)\n");
            return false;
        }
        firmware_.setFault(*fault, plan->probability, plan->count);
        word += " " + name + " " + value;
    } else if (word == "status") {
        char text[80];
        std::snprintf(text, sizeof text, "status: %s, %s memory, version %x.%02x",
                      firmware_.connectorPresent() ? "connector plugged" : "no connector",
                      firmware_.smallMemory() ? "small" : "large", firmware_.version() >> 8,
                      firmware_.version() & 0xFFu);
        word = text;
    } else {
        std::fprintf(stderr,
                     "brookfetch-adapter-sim: unknown command \"%s\" "
                     "(plug, unplug, swap, small, large, fault NAME WHEN, clear, status, quit)\n",
                     word.c_str());
        return false;
    }
    std::fprintf(stderr, "brookfetch-adapter-sim: %s\n", word.c_str());
    return true;
}

void PtyServer::readStdin() {
    char buffer[256];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (n < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    // A background job may not read its terminal; the commands wait until it is brought back.
    if (n < 0 && errno == EIO && inBackground())
        return;
    if (n <= 0) {
        // Standard input closed: keep serving; only "quit" or a signal ends the program.
        stdinOpen_ = false;
        if (!stdinBuffer_.empty())
            command(trimmed(stdinBuffer_));
        stdinBuffer_.clear();
        return;
    }
    stdinBuffer_.append(buffer, static_cast<std::size_t>(n));
    std::size_t end;
    while ((end = stdinBuffer_.find('\n')) != std::string::npos) {
        command(trimmed(stdinBuffer_.substr(0, end)));
        stdinBuffer_.erase(0, end + 1);
    }
}

int PtyServer::run() {
    std::uint8_t buffer[512];
    // The kernel may otherwise wake a timed wait up to 50 us late, at every step of the chip.
    if (options_.timing != ChipModel::Timing::Instant)
        ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    while (!quit_) {
        const auto now = AdapterFirmware::Clock::now();
        step(now);

        // The chip's moments fall between milliseconds; poll()'s whole milliseconds would add
        // up to a millisecond to every one of them.
        std::optional<ChipModel::TimePoint> next;
        const auto earliest = [&next](std::optional<ChipModel::TimePoint> at) {
            if (at && (!next || *at < *next))
                next = at;
        };
        earliest(chip_.nextToFirmware());
        earliest(chip_.nextToHost());
        if (!pending_.empty())
            earliest(pending_.front().due);
        if (firmware_.chattering(now))
            earliest(now + std::chrono::milliseconds(1));
        std::optional<std::chrono::nanoseconds> wait;
        if (next)
            wait = std::max<std::chrono::nanoseconds>(*next - now, std::chrono::nanoseconds(0));
        // Typing into the shell that started us in the background is not meant for us. Look
        // again now and then, so commands work once the job is brought to the foreground.
        const bool background = stdinOpen_ && inBackground();
        if (background) {
            const std::chrono::nanoseconds recheck = std::chrono::milliseconds(250);
            wait = std::min(wait.value_or(recheck), recheck);
        }
        timespec timeout{};
        if (wait) {
            timeout.tv_sec = static_cast<time_t>(wait->count() / 1000000000);
            timeout.tv_nsec = static_cast<long>(wait->count() % 1000000000);
        }

        pollfd fds[4];
        nfds_t count = 0;
        fds[count++] = {master_, POLLIN, 0};
        fds[count++] = {stopRequests(), POLLIN, 0};
        fds[count++] = {closes_, POLLIN, 0}; // a negative descriptor is left out by poll
        const bool watchStdin = stdinOpen_ && !background;
        if (watchStdin)
            fds[count++] = {STDIN_FILENO, POLLIN, 0};
        if (::ppoll(fds, count, wait ? &timeout : nullptr, nullptr) < 0) {
            if (errno == EINTR)
                continue;
            std::fprintf(stderr, "brookfetch-adapter-sim: poll: %s\n", std::strerror(errno));
            return 1;
        }
        if (fds[1].revents & POLLIN)
            return 0;
        if (fds[2].revents & POLLIN)
            clientClosed();
        if (watchStdin && (fds[3].revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL)))
            readStdin();
        if (fds[0].revents & POLLIN) {
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0) {
                const auto at = AdapterFirmware::Clock::now();
                readLatency(at);
                chip_.hostWrite(buffer, static_cast<std::size_t>(n), at);
            }
        }
    }
    return 0;
}

} // namespace sim
