// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>
#include <utility>

// An open file descriptor, closed when it goes.
class TDescriptor {
public:
    explicit TDescriptor(int fd = -1) : Fd(fd) {}
    ~TDescriptor() { Reset(); }
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;
    TDescriptor(TDescriptor&& other) noexcept : Fd(std::exchange(other.Fd, -1)) {}
    TDescriptor& operator=(TDescriptor&& other) noexcept {
        Reset(std::exchange(other.Fd, -1));
        return *this;
    }

    int Get() const { return Fd; }
    bool IsOpen() const { return Fd >= 0; }
    void Reset(int fd = -1) {
        if (Fd >= 0)
            ::close(Fd);
        Fd = fd;
    }
    // Hands the descriptor over to the caller, who closes it.
    int Release() { return std::exchange(Fd, -1); }
    // Closes now and says whether that went well: a full disk may show only here.
    bool Close() { return ::close(std::exchange(Fd, -1)) == 0; }

private:
    int Fd;
};
