// SPDX-License-Identifier: GPL-3.0-or-later
// A port on a terminal device: /dev/ttyUSB* or a simulator's pseudo-terminal, through termios.
#include "platform/d2xx/Port.h"

#include "platform/d2xx/Ports.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <linux/serial.h>
#include <poll.h>
#include <sstream>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

namespace d2xx {

// Rates without a Bxxx constant go through the kernel's termios2 (TerminalBaud.cpp).
bool setCustomBaudRate(int fd, unsigned int rate);

namespace {

speed_t standardSpeed(ULONG rate) {
    switch (rate) {
    case 50:
        return B50;
    case 75:
        return B75;
    case 110:
        return B110;
    case 134:
        return B134;
    case 150:
        return B150;
    case 200:
        return B200;
    case 300:
        return B300;
    case 600:
        return B600;
    case 1200:
        return B1200;
    case 1800:
        return B1800;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    case 230400:
        return B230400;
    case 460800:
        return B460800;
    case 500000:
        return B500000;
    case 576000:
        return B576000;
    case 921600:
        return B921600;
    case 1000000:
        return B1000000;
    case 1152000:
        return B1152000;
    case 1500000:
        return B1500000;
    case 2000000:
        return B2000000;
    case 2500000:
        return B2500000;
    case 3000000:
        return B3000000;
    default:
        return B0;
    }
}

// A pseudo-terminal has no modem lines; the ioctls then fail with these, which is not an error
// of the device.
bool noModemLines(int error) {
    return error == ENOTTY || error == EINVAL;
}

int remainingMs(Clock::time_point deadline) {
    if (deadline == Clock::time_point::max())
        return -1;
    auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0)
        return 0;
    return left > INT_MAX ? INT_MAX : static_cast<int>(left);
}

// Whether some process holds a lock on the device node (as every Brookfetch program does on
// the line it uses). The kernel lists the locks of all processes in /proc/locks, each with
// "major:minor:inode" of the file, the numbers of the device in hexadecimal.
bool lockedByAnyone(const std::string& path) {
    struct stat node {};
    if (::stat(path.c_str(), &node) != 0)
        return false;
    char wanted[64];
    std::snprintf(wanted, sizeof wanted, "%02x:%02x:%llu", major(node.st_dev), minor(node.st_dev),
                  static_cast<unsigned long long>(node.st_ino));
    std::ifstream locks("/proc/locks");
    std::string line;
    while (std::getline(locks, line)) {
        std::istringstream words(line);
        std::string word;
        while (words >> word)
            if (word == wanted)
                return true;
    }
    return false;
}

class TerminalPort : public Port {
public:
    TerminalPort(int fd, std::string latencyFile, bool portFile, const termios& original)
        : fd_(fd), latencyFile_(std::move(latencyFile)), portFile_(portFile), original_(original) {}

    ~TerminalPort() override {
        // The line goes back as it was found: a terminal someone else uses afterwards (a
        // console, a shell) must not stay raw at our rate.
        tcsetattr(fd_, TCSANOW, &original_);
        ioctl(fd_, TIOCNXCL);
        close(fd_);
    }

    Io readSome(std::uint8_t* buffer, std::size_t size, std::size_t& moved) override {
        return transfer(size, moved, [this, buffer, size](std::size_t done) {
            return ::read(fd_, buffer + done, size - done);
        });
    }

    Io writeSome(const std::uint8_t* data, std::size_t size, std::size_t& moved) override {
        return transfer(size, moved, [this, data, size](std::size_t done) {
            return ::write(fd_, data + done, size - done);
        });
    }

    // Moves bytes with `step` (one read or write from the count done so far) until `size` are
    // through or the line would block; a line that ends (0, EIO) is gone.
    template <typename Step>
    static Io transfer(std::size_t size, std::size_t& moved, Step step) {
        moved = 0;
        while (moved < size) {
            const ssize_t count = step(moved);
            if (count > 0) {
                moved += static_cast<std::size_t>(count);
                continue;
            }
            if (count < 0 && errno == EINTR)
                continue;
            if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                return Io::Ready;
            return Io::Gone;
        }
        return Io::Ready;
    }

    Io waitReadable(Clock::time_point deadline) override { return wait(POLLIN, deadline); }
    Io waitWritable(Clock::time_point deadline) override { return wait(POLLOUT, deadline); }

    FT_STATUS queueStatus(DWORD& count) override {
        int queued = 0;
        if (ioctl(fd_, FIONREAD, &queued) != 0)
            return FT_IO_ERROR;
        count = static_cast<DWORD>(queued);
        return FT_OK;
    }

    FT_STATUS purge(ULONG mask) override {
        bool rx = mask & FT_PURGE_RX;
        bool tx = mask & FT_PURGE_TX;
        if (!rx && !tx)
            return FT_OK;
        int which = rx && tx ? TCIOFLUSH : rx ? TCIFLUSH : TCOFLUSH;
        return tcflush(fd_, which) == 0 ? FT_OK : FT_IO_ERROR;
    }

    FT_STATUS setBaudRate(ULONG rate) override {
        if (rate == 0 || rate > INT_MAX)
            return FT_INVALID_BAUD_RATE;
        speed_t speed = standardSpeed(rate);
        if (speed == B0)
            return setCustomBaudRate(fd_, rate) ? FT_OK : FT_INVALID_BAUD_RATE;
        termios settings{};
        if (tcgetattr(fd_, &settings) != 0)
            return FT_IO_ERROR;
        cfsetispeed(&settings, speed);
        cfsetospeed(&settings, speed);
        return apply(settings);
    }

    FT_STATUS setDataCharacteristics(UCHAR wordLength, UCHAR stopBits, UCHAR parity) override {
        termios settings{};
        if (tcgetattr(fd_, &settings) != 0)
            return FT_IO_ERROR;
        settings.c_cflag &= ~(CSIZE | CSTOPB | PARENB | PARODD | CMSPAR);
        settings.c_iflag &= ~(INPCK);
        switch (wordLength) {
        case FT_BITS_7:
            settings.c_cflag |= CS7;
            break;
        case FT_BITS_8:
            settings.c_cflag |= CS8;
            break;
        default:
            return FT_INVALID_PARAMETER;
        }
        switch (stopBits) {
        case FT_STOP_BITS_1:
            break;
        case FT_STOP_BITS_2:
            settings.c_cflag |= CSTOPB;
            break;
        default:
            return FT_INVALID_PARAMETER;
        }
        switch (parity) {
        case FT_PARITY_NONE:
            break;
        case FT_PARITY_ODD:
            settings.c_cflag |= PARENB | PARODD;
            break;
        case FT_PARITY_EVEN:
            settings.c_cflag |= PARENB;
            break;
        case FT_PARITY_MARK:
            settings.c_cflag |= PARENB | CMSPAR | PARODD;
            break;
        case FT_PARITY_SPACE:
            settings.c_cflag |= PARENB | CMSPAR;
            break;
        default:
            return FT_INVALID_PARAMETER;
        }
        return apply(settings);
    }

    FT_STATUS setFlowControl(USHORT flow, UCHAR xon, UCHAR xoff) override {
        termios settings{};
        if (tcgetattr(fd_, &settings) != 0)
            return FT_IO_ERROR;
        settings.c_cflag &= ~CRTSCTS;
        settings.c_iflag &= ~(IXON | IXOFF | IXANY);
        switch (flow) {
        case FT_FLOW_NONE:
            break;
        case FT_FLOW_RTS_CTS:
            settings.c_cflag |= CRTSCTS;
            break;
        case FT_FLOW_XON_XOFF:
            settings.c_iflag |= IXON | IXOFF;
            settings.c_cc[VSTART] = xon;
            settings.c_cc[VSTOP] = xoff;
            break;
        default: // DTR/DSR handshake has no termios equivalent
            return FT_INVALID_PARAMETER;
        }
        return apply(settings);
    }

    FT_STATUS setLatency(UCHAR milliseconds) override {
        // The port works whatever becomes of this, so a failure changes nothing.
        if (latencyFile_.empty())
            return FT_OK;
        if (portFile_) {
            writeLatencyFile(latencyFile_, milliseconds);
            return FT_OK;
        }
        if (FILE* file = std::fopen(latencyFile_.c_str(), "w")) {
            const bool written =
                std::fprintf(file, "%u\n", static_cast<unsigned>(milliseconds)) > 0;
            if (std::fclose(file) == 0 && written)
                return FT_OK;
        }
        // Writing ftdi_sio's attribute takes root. Its low-latency flag is the port user's to
        // set, and runs the timer at 1 ms: the nearest a user gets to a short timer.
        serial_struct serial{};
        if (ioctl(fd_, TIOCGSERIAL, &serial) != 0)
            return FT_OK;
        const bool low = (serial.flags & ASYNC_LOW_LATENCY) != 0;
        const bool wanted =
            low ? milliseconds < DriverDefaultLatency : milliseconds < attributeLatency();
        if (wanted != low) {
            serial.flags ^= ASYNC_LOW_LATENCY;
            ioctl(fd_, TIOCSSERIAL, &serial);
        }
        return FT_OK;
    }

    FT_STATUS setLine(Line line, bool on) override {
        int result = 0;
        if (line == Line::Break) {
            result = ioctl(fd_, on ? TIOCSBRK : TIOCCBRK);
        } else {
            int bits = line == Line::Dtr ? TIOCM_DTR : TIOCM_RTS;
            result = ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bits);
        }
        return result == 0 || noModemLines(errno) ? FT_OK : FT_IO_ERROR;
    }

    bool modemStatus(DWORD& bits) override {
        int lines = 0;
        if (ioctl(fd_, TIOCMGET, &lines) != 0) {
            if (!noModemLines(errno))
                return false;
            lines = 0;
        }
        bits = 0;
        if (lines & TIOCM_CTS)
            bits |= MS_CTS_ON;
        if (lines & TIOCM_DSR)
            bits |= MS_DSR_ON;
        if (lines & TIOCM_RI)
            bits |= MS_RING_ON;
        if (lines & TIOCM_CD)
            bits |= MS_RLSD_ON;
        return true;
    }

private:
    FT_STATUS apply(const termios& settings) {
        return tcsetattr(fd_, TCSANOW, &settings) == 0 ? FT_OK : FT_IO_ERROR;
    }

    Io wait(short events, Clock::time_point deadline) {
        for (;;) {
            pollfd entry{fd_, events, 0};
            int ready = ::poll(&entry, 1, remainingMs(deadline));
            if (ready < 0 && errno == EINTR)
                continue;
            if (ready < 0)
                return Io::Gone;
            if (ready == 0) {
                if (Clock::now() >= deadline)
                    return Io::Timeout;
                continue; // poll() rounds; wait out the rest
            }
            if (entry.revents & events)
                return Io::Ready;
            return Io::Gone; // POLLHUP, POLLERR or POLLNVAL without data
        }
    }

    int fd_;
    // The driver's period as its attribute reads; ftdi_sio's 16 ms when it cannot be read, or
    // reads 0 (a device that never told the driver its timer).
    unsigned attributeLatency() const {
        unsigned value = 0;
        if (FILE* file = std::fopen(latencyFile_.c_str(), "r")) {
            if (std::fscanf(file, "%u", &value) != 1)
                value = 0;
            std::fclose(file);
        }
        return value == 0 ? DriverDefaultLatency : value;
    }
    static constexpr unsigned DriverDefaultLatency = 16;

    std::string latencyFile_;
    bool portFile_;
    termios original_;
};

// Whoever looks after a line when it is closed holds its lock for a moment (the simulator puts
// its terminal's settings back under it), so a line just closed and opened again, as after two
// silent exchanges, may find it taken: a lock held longer than a tenth of a second is another
// program's.
bool lockLine(int fd) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK)
            return true;
        ::usleep(10000);
    }
    return false;
}

} // namespace

std::unique_ptr<Port> openTerminal(const std::string& path, const std::string& latencyFile,
                                   bool pseudoTerminalOnly, FT_STATUS& status,
                                   OpenRefusal& refusal) {
    refusal = OpenRefusal::None;
    if (pseudoTerminalOnly && !isOwnPseudoTerminal(path)) {
        status = FT_DEVICE_NOT_FOUND;
        return nullptr;
    }
    int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC |
                                      (pseudoTerminalOnly ? O_NOFOLLOW : 0));
    if (fd < 0) {
        const int error = errno;
        // EBUSY: another program set TIOCEXCL on the line. A Brookfetch program also holds its
        // lock; a line held without one belongs to some other program, or to one that died
        // while a terminal's exclusive flag outlived it.
        if (error == EBUSY)
            refusal = lockedByAnyone(path) ? OpenRefusal::InUse : OpenRefusal::PortBusy;
        else if (error == EACCES || error == EPERM)
            refusal = OpenRefusal::NoPermission;
        status = error == ENOENT || error == ENXIO ? FT_DEVICE_NOT_FOUND : FT_DEVICE_NOT_OPENED;
        return nullptr;
    }
    // What was looked at before the open may have been replaced since.
    termios settings{};
    if (!isatty(fd) || tcgetattr(fd, &settings) != 0 ||
        (pseudoTerminalOnly && !isOwnPseudoTerminal(fd))) {
        close(fd);
        status = FT_DEVICE_NOT_OPENED;
        return nullptr;
    }
    // Keep other programs off the line while it is ours. TIOCEXCL does not stop root (nor a
    // program that opened the line before us), so a second Brookfetch also finds the lock.
    if (!lockLine(fd)) {
        close(fd);
        refusal = OpenRefusal::InUse;
        status = FT_DEVICE_NOT_OPENED;
        return nullptr;
    }
    ioctl(fd, TIOCEXCL);
    const termios original = settings;
    cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    settings.c_cflag &= ~(CRTSCTS | CSTOPB | PARENB);
    // With VMIN 0 an empty line would read as end of file; with 1 and O_NONBLOCK it reads as
    // EAGAIN, and 0 then means that the other side hung up.
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    cfsetispeed(&settings, B9600);
    cfsetospeed(&settings, B9600);
    if (tcsetattr(fd, TCSANOW, &settings) != 0) {
        ioctl(fd, TIOCNXCL);
        close(fd);
        status = FT_DEVICE_NOT_OPENED;
        return nullptr;
    }
    status = FT_OK;
    return std::make_unique<TerminalPort>(fd, latencyFile, pseudoTerminalOnly, original);
}

} // namespace d2xx
