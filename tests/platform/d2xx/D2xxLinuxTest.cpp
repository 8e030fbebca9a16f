// SPDX-License-Identifier: GPL-3.0-or-later
// The Linux D2XX layer: its device list (kernel devices from sysfs, port files, in-process
// devices) and the Win32 meaning of its timeouts, on pseudo-terminals.
#include "platform/d2xx/DeviceList.h"
#include "platform/d2xx/InProcessDevice.h"
#include "platform/d2xx/OpenFailure.h"
#include "platform/d2xx/Ports.h"
#include "platform/d2xx/ReopeningPort.h"
#include "platform/d2xx/ftd2xx.h"
#include "tests/platform/d2xx/TestTerminal.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <thread>
#include <tuple>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

namespace {

void writeFile(const std::string& path, const std::string& contents) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path) << contents;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// One USB serial port as the kernel shows it: the USB device with its attributes, the
// interface, the port bound to `driver`, and the tty class link to it.
void addUsbSerial(const std::string& sys, const std::string& tty, const std::string& usb,
                  const std::string& driver, const std::string& product,
                  const std::string& serial) {
    const std::string device = sys + "/devices/pci0000:00/0000:00:14.0/usb1/" + usb;
    writeFile(device + "/idVendor", "0403\n");
    writeFile(device + "/product", product + "\n");
    writeFile(device + "/serial", serial + "\n");
    const std::string port = device + "/" + usb + ":1.0/" + tty;
    fs::create_directories(port + "/tty/" + tty);
    writeFile(port + "/latency_timer", "1\n");
    fs::create_directories(sys + "/bus/usb-serial/drivers/" + driver);
    fs::create_directory_symlink(sys + "/bus/usb-serial/drivers/" + driver, port + "/driver");
    fs::create_directory_symlink(port, port + "/tty/" + tty + "/device");
    fs::create_directories(sys + "/class/tty");
    fs::create_directory_symlink(port + "/tty/" + tty, sys + "/class/tty/" + tty);
}

DWORD count() {
    DWORD devices = 999;
    EXPECT_EQ(FT_ListDevices(&devices, nullptr, FT_LIST_NUMBER_ONLY), FT_OK);
    return devices;
}

std::string listed(DWORD index, DWORD what = FT_OPEN_BY_DESCRIPTION) {
    char text[256] = {};
    FT_STATUS status = FT_ListDevices(reinterpret_cast<PVOID>(static_cast<std::uintptr_t>(index)),
                                      text, FT_LIST_BY_INDEX | what);
    return status == FT_OK ? std::string(text) : "<status " + std::to_string(status) + ">";
}

FT_HANDLE open(int index) {
    FT_HANDLE handle = nullptr;
    EXPECT_EQ(FT_Open(index, &handle), FT_OK);
    return handle;
}

bool setTimeouts(FT_HANDLE handle, FTTIMEOUTS timeouts) {
    return FT_W32_SetCommTimeouts(handle, &timeouts);
}

class D2xxLinux : public testing::Test {
protected:
    testsupport::IsolatedDevices devices;
};

TEST_F(D2xxLinux, KernelDevicesAreTheFtdiPortsWithProductAndSerial) {
    const std::string sys = devices.dir() / "sys";
    addUsbSerial(sys, "ttyUSB0", "1-1", "ftdi_sio", "USB FETCHer Adapter", "FT4XQ2B1");
    addUsbSerial(sys, "ttyUSB1", "1-2", "pl2303", "USB-Serial Controller", "PL0001");
    addUsbSerial(sys, "ttyUSB10", "1-4", "ftdi_sio", "FT232R USB UART", "A50285BI");
    addUsbSerial(sys, "ttyUSB2", "1-3", "ftdi_sio", "Second", "");
    fs::create_directories(sys + "/class/tty/ttyS0");

    auto kernel = d2xx::listKernelDevices({sys, "/dev"});
    ASSERT_EQ(kernel.size(), 3u);
    EXPECT_EQ(kernel[0].description, "USB FETCHer Adapter");
    EXPECT_EQ(kernel[0].serial, "FT4XQ2B1");
    EXPECT_EQ(kernel[0].path, "/dev/ttyUSB0");
    EXPECT_EQ(kernel[1].description, "Second");
    EXPECT_EQ(kernel[1].serial, "");
    EXPECT_EQ(kernel[2].path, "/dev/ttyUSB10");
    EXPECT_TRUE(d2xx::listKernelDevices({devices.dir() / "nothing", "/dev"}).empty());
}

// The list's order is fixed: kernel devices, port files, in-process devices.
TEST_F(D2xxLinux, ListingOrderAndRebuildAtEveryCount) {
    testsupport::Pty kernelLine, portLine;
    const std::string sys = devices.dir() / "sys";
    addUsbSerial(sys, "ttyUSB0", "1-1", "ftdi_sio", "Kernel device", "K1");
    fs::create_directories(devices.dir() / "dev");
    fs::create_symlink(kernelLine.name(), devices.dir() / "dev/ttyUSB0");

    class Quiet : public d2xx::InProcessDevice {
    public:
        Quiet() : InProcessDevice("In process", "P1") {}
        void received(const std::uint8_t*, std::size_t) override {}
    } quiet;
    d2xx::attach(quiet);
    EXPECT_EQ(count(), 2u);
    devices.addPort("z.port", "Port device", portLine.name(), "V1");
    EXPECT_EQ(listed(1), "In process"); // the list changes only at a count
    ASSERT_EQ(count(), 3u);
    EXPECT_EQ(listed(0), "Kernel device");
    EXPECT_EQ(listed(1), "Port device");
    EXPECT_EQ(listed(2), "In process");
    EXPECT_EQ(listed(1, FT_OPEN_BY_SERIAL_NUMBER), "V1");
    EXPECT_EQ(listed(3), "<status " + std::to_string(FT_DEVICE_NOT_FOUND) + ">");

    // The kernel device opens through its node, and its latency timer is written.
    FT_HANDLE handle = open(0);
    EXPECT_EQ(FT_SetLatencyTimer(handle, 16), FT_OK);
    EXPECT_EQ(readFile(sys + "/class/tty/ttyUSB0/device/latency_timer"), "16\n");
    EXPECT_TRUE(FT_W32_CloseHandle(handle));

    d2xx::detach(quiet);
    EXPECT_EQ(count(), 2u);
}

TEST_F(D2xxLinux, PortFilesInNameOrderSkippingThoseWithoutATerminal) {
    testsupport::Pty a, b;
    devices.addPort("b.port", "Second", b.name());
    devices.addPort("a.port", "First", a.name());
    devices.addPort("c.port", "Gone", "/dev/pts/999999");
    devices.addPort("d.port", "Not a terminal", "/dev/null");
    devices.addPort("e.port", "A file", devices.ports() + "/a.port");
    devices.addPort(".hidden.port", "Hidden", a.name());
    devices.addPort("f.port.tmp", "Half written", a.name());
    writeFile(devices.ports() + "/g.port", "serial=1\npath=" + a.name() + "\n");
    writeFile(devices.ports() + "/h.port", "description=Relative\npath=pts/0\n");
    writeFile(devices.ports() + "/i.port",
              "description=Windows\r\nserial=CR\r\npath=" + b.name() + "\r\n");
    // Not small regular files: never opened for reading, so a fifo cannot stall the listing.
    ASSERT_EQ(mkfifo((devices.ports() + "/j.port").c_str(), 0600), 0);
    writeFile(devices.ports() + "/k.port",
              "description=Huge\npath=" + a.name() + "\n" + std::string(100000, '#'));
    fs::create_directories(devices.ports() + "/l.port");
    // Nothing but this user's own pseudo-terminal is ever named: not a console, not the
    // multiplexer, not another spelling of a pty or a link to one.
    devices.addPort("m.port", "Console", "/dev/console");
    devices.addPort("n.port", "Multiplexer", "/dev/ptmx");
    devices.addPort("o.port", "Other spelling", "/dev/pts/../pts/" + a.name().substr(9));
    fs::create_symlink(a.name(), devices.dir() / "link-to-pty");
    devices.addPort("p.port", "Linked", devices.dir() / "link-to-pty");
    // Port files that are links, or that others may write, are not read.
    fs::create_symlink(devices.ports() + "/a.port", devices.ports() + "/q.port");
    devices.addPort("r.port", "Writable by the group", a.name());
    ASSERT_EQ(chmod((devices.ports() + "/r.port").c_str(), 0664), 0);

    auto ports = d2xx::listPortFiles(devices.ports());
    ASSERT_EQ(ports.size(), 3u);
    EXPECT_EQ(ports[0].description, "First");
    EXPECT_EQ(ports[1].description, "Second");
    EXPECT_EQ(ports[2].description, "Windows");
    EXPECT_EQ(ports[2].serial, "CR");
    EXPECT_EQ(ports[2].path, b.name());
    EXPECT_EQ(count(), 3u);

    // All serial numbers at once, into the caller's buffers.
    char first[32] = {}, second[32] = {}, third[32] = {};
    char* buffers[] = {first, second, third, nullptr};
    DWORD listedCount = 0;
    ASSERT_EQ(FT_ListDevices(buffers, &listedCount, FT_LIST_ALL | FT_OPEN_BY_SERIAL_NUMBER), FT_OK);
    EXPECT_EQ(listedCount, 3u);
    EXPECT_EQ(std::string(third), "CR");

    // Another user's port file, or one naming another user's terminal (only root can make
    // them here).
    if (chown((devices.ports() + "/b.port").c_str(), getuid() + 4242, static_cast<gid_t>(-1)) ==
        0) {
        EXPECT_EQ(d2xx::listPortFiles(devices.ports()).size(), 2u);
        ASSERT_EQ(chown((devices.ports() + "/b.port").c_str(), getuid(), static_cast<gid_t>(-1)),
                  0);
        ASSERT_EQ(chown(b.name().c_str(), getuid() + 4242, static_cast<gid_t>(-1)), 0);
        EXPECT_EQ(d2xx::listPortFiles(devices.ports()).size(), 1u);
        ASSERT_EQ(chown(b.name().c_str(), getuid(), static_cast<gid_t>(-1)), 0);
    }
}

// Someone else could put a port file naming their own terminal into a folder they can
// write, and the parameters would go to them: such folders are not looked into.
TEST_F(D2xxLinux, PortFoldersAreUsedOnlyWhenNobodyElseCanChangeThem) {
    testsupport::Pty line;
    const std::string runtime = devices.dir() / "run";
    const d2xx::PortLocation made{runtime + "/brookfetch/ports", runtime};
    std::string why;
    ASSERT_TRUE(d2xx::makePortDirectory(made, why)) << why;
    ASSERT_TRUE(d2xx::writePortFile(made.directory + "/sim.port", {"Adapter", "S", line.name()}));
    ASSERT_EQ(d2xx::listPortFiles(made).size(), 1u);
    struct stat info {};
    ASSERT_EQ(stat((runtime + "/brookfetch").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0700u) << "made private";

    const std::string folder = runtime + "/brookfetch";
    const std::string elsewhere = devices.dir() / "elsewhere";
    const struct Case {
        const char* name;
        std::function<void()> spoil, mend;
        const char* why;
    } cases[] = {
        {"a made folder open to all", [&] { chmod(folder.c_str(), 0777); },
         [&] { chmod(folder.c_str(), 0700); }, "may be written by other users (mode 0777)"},
        {"the port folder open to the group", [&] { chmod(made.directory.c_str(), 0770); },
         [&] { chmod(made.directory.c_str(), 0700); }, "may be written by other users"},
        {"a made folder that is a link",
         [&] {
             fs::rename(folder, elsewhere);
             fs::create_directory_symlink(elsewhere, folder);
         },
         [&] {
             fs::remove(folder);
             fs::rename(elsewhere, folder);
         },
         "is a symbolic link"},
        {"a file in the folder's place",
         [&] {
             fs::rename(folder, elsewhere);
             writeFile(folder, "");
         },
         [&] {
             fs::remove(folder);
             fs::rename(elsewhere, folder);
         },
         "is not a folder"},
        {"another user's folder",
         // Refused unless root: the case is then not provoked, see below.
         [&] { std::ignore = chown(folder.c_str(), getuid() + 4242, static_cast<gid_t>(-1)); },
         [&] { std::ignore = chown(folder.c_str(), getuid(), static_cast<gid_t>(-1)); },
         "belongs to another user"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.spoil();
        const bool provoked = !d2xx::trustedPortDirectory(made, &why);
        // Only root can give a folder away.
        if (provoked || std::string(c.name) != "another user's folder") {
            EXPECT_TRUE(provoked);
            EXPECT_NE(why.find(c.why), std::string::npos) << why;
            EXPECT_TRUE(d2xx::listPortFiles(made).empty());
            EXPECT_FALSE(d2xx::makePortDirectory(made, why)) << "not made usable either";
        }
        c.mend();
        EXPECT_EQ(d2xx::listPortFiles(made).size(), 1u);
    }

    // What the folder lies in is the system's (a runtime folder, /tmp): only the part below it
    // is checked, and the port directory given by itself is its own.
    ASSERT_EQ(chmod(runtime.c_str(), 0777), 0);
    EXPECT_EQ(d2xx::listPortFiles(made).size(), 1u);
    EXPECT_EQ(d2xx::listPortFiles(d2xx::PortLocation(made.directory + "/")).size(), 1u);
    EXPECT_FALSE(d2xx::trustedPortDirectory({made.directory, runtime + "/other"}, &why));
}

// A port file left by a process that died names a terminal that may since belong to someone
// else; the host must not open it and write into it.
TEST_F(D2xxLinux, PortFileOfAProcessThatIsGoneIsNotListed) {
    testsupport::Pty line;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        _exit(0);
    ASSERT_EQ(waitpid(child, nullptr, 0), child);
    d2xx::PortFile gone{"Gone", "G1", line.name(), static_cast<long>(child)};
    d2xx::PortFile alive{"Alive", "A1", line.name(), static_cast<long>(getpid())};
    ASSERT_TRUE(d2xx::writePortFile(devices.ports() + "/a.port", gone));
    ASSERT_TRUE(d2xx::writePortFile(devices.ports() + "/b.port", alive));
    auto ports = d2xx::listPortFiles(devices.ports());
    ASSERT_EQ(ports.size(), 1u);
    EXPECT_EQ(ports[0].description, "Alive");
    EXPECT_EQ(ports[0].pid, static_cast<long>(getpid()));
}

TEST_F(D2xxLinux, PortDirectoryFollowsTheEnvironment) {
    const std::string saved = devices.ports();
    EXPECT_EQ(d2xx::portDirectory(), saved);
    unsetenv("BROOKFETCH_PORTS");
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string savedRuntime = runtime ? runtime : "";
    setenv("XDG_RUNTIME_DIR", "/run/user/1234", 1);
    EXPECT_EQ(d2xx::portDirectory(), "/run/user/1234/brookfetch/ports");
    unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(d2xx::portDirectory(), "/tmp/brookfetch-" + std::to_string(getuid()) + "/ports");
    if (runtime)
        setenv("XDG_RUNTIME_DIR", savedRuntime.c_str(), 1);
    setenv("BROOKFETCH_PORTS", saved.c_str(), 1);
}

TEST_F(D2xxLinux, LongTextsAreCutToTheListingBuffers) {
    testsupport::Pty line;
    devices.addPort("a.port", std::string(300, 'D'), line.name(), std::string(40, 'S'));
    ASSERT_EQ(count(), 1u);
    char buffer[320];
    std::memset(buffer, '#', sizeof buffer);
    ASSERT_EQ(FT_ListDevices(nullptr, buffer, FT_LIST_BY_INDEX | FT_OPEN_BY_DESCRIPTION), FT_OK);
    EXPECT_EQ(std::strlen(buffer), 255u);
    EXPECT_EQ(buffer[256], '#');
    std::memset(buffer, '#', sizeof buffer);
    ASSERT_EQ(FT_ListDevices(nullptr, buffer, FT_LIST_BY_INDEX | FT_OPEN_BY_SERIAL_NUMBER), FT_OK);
    EXPECT_EQ(std::strlen(buffer), 31u);
    EXPECT_EQ(buffer[32], '#');
}

TEST_F(D2xxLinux, LineSettingsReachTheTerminalAndAreUndoneAtClose) {
    testsupport::Pty line;
    devices.addPort("a.port", "Line", line.name());
    ASSERT_EQ(count(), 1u);
    termios before{};
    ASSERT_EQ(tcgetattr(line.slave(), &before), 0);
    ASSERT_TRUE(before.c_lflag & ICANON);
    FT_HANDLE handle = open(0);
    termios settings{};
    // A pseudo-terminal always keeps 8 data bits and no parity bit, whatever it is asked; the
    // stop bits and the kind of parity show what was asked.
    struct Case {
        UCHAR bits, stop, parity;
        tcflag_t flags;
    } cases[] = {
        {FT_BITS_8, FT_STOP_BITS_1, FT_PARITY_NONE, 0},
        {FT_BITS_7, FT_STOP_BITS_2, FT_PARITY_EVEN, CSTOPB},
        {FT_BITS_8, FT_STOP_BITS_1, FT_PARITY_ODD, PARODD},
        {FT_BITS_8, FT_STOP_BITS_1, FT_PARITY_MARK, PARODD | CMSPAR},
        {FT_BITS_8, FT_STOP_BITS_2, FT_PARITY_SPACE, CSTOPB | CMSPAR},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(FT_SetDataCharacteristics(handle, c.bits, c.stop, c.parity), FT_OK);
        ASSERT_EQ(tcgetattr(line.slave(), &settings), 0);
        EXPECT_EQ(settings.c_cflag & (CSTOPB | PARODD | CMSPAR), c.flags);
    }
    EXPECT_EQ(FT_SetDataCharacteristics(handle, 9, FT_STOP_BITS_1, FT_PARITY_NONE),
              FT_INVALID_PARAMETER);
    EXPECT_EQ(FT_SetDataCharacteristics(handle, FT_BITS_8, FT_STOP_BITS_1, 5),
              FT_INVALID_PARAMETER);

    ASSERT_EQ(FT_SetBaudRate(handle, 1200), FT_OK);
    ASSERT_EQ(tcgetattr(line.slave(), &settings), 0);
    EXPECT_EQ(cfgetispeed(&settings), B1200);
    EXPECT_EQ(FT_SetBaudRate(handle, 0), FT_INVALID_BAUD_RATE);
    // A rate without a standard constant goes through the kernel's arbitrary-rate call.
    EXPECT_EQ(FT_SetBaudRate(handle, 250000), FT_OK);
    ASSERT_EQ(FT_SetBaudRate(handle, 19200), FT_OK);
    ASSERT_EQ(tcgetattr(line.slave(), &settings), 0);
    EXPECT_EQ(cfgetispeed(&settings), B19200);

    ASSERT_EQ(FT_SetFlowControl(handle, FT_FLOW_RTS_CTS, 0x11, 0x13), FT_OK);
    ASSERT_EQ(tcgetattr(line.slave(), &settings), 0);
    EXPECT_TRUE(settings.c_cflag & CRTSCTS);
    ASSERT_EQ(FT_SetFlowControl(handle, FT_FLOW_NONE, 0x0B, 0x0D), FT_OK);
    ASSERT_EQ(tcgetattr(line.slave(), &settings), 0);
    EXPECT_FALSE(settings.c_cflag & CRTSCTS);
    EXPECT_FALSE(settings.c_iflag & (IXON | IXOFF));

    // A pseudo-terminal has no modem lines: the calls do no harm and report nothing.
    EXPECT_EQ(FT_SetDtr(handle), FT_OK);
    EXPECT_EQ(FT_SetBreakOff(handle), FT_OK);
    DWORD status = 0xFF;
    EXPECT_TRUE(FT_W32_GetCommModemStatus(handle, &status));
    EXPECT_EQ(status, 0u);
    FT_W32_CloseHandle(handle);

    // Whoever uses the terminal next finds it as it was, not raw at 19200 bit/s.
    ASSERT_EQ(tcgetattr(line.slave(), &settings), 0);
    EXPECT_EQ(settings.c_lflag, before.c_lflag);
    EXPECT_EQ(settings.c_iflag, before.c_iflag);
    EXPECT_EQ(settings.c_oflag, before.c_oflag);
    EXPECT_EQ(settings.c_cflag, before.c_cflag);
    EXPECT_EQ(cfgetispeed(&settings), cfgetispeed(&before));
}

TEST_F(D2xxLinux, ReadTimeoutsKeepTheirWin32Meaning) {
    testsupport::Pty line;
    devices.addPort("a.port", "Line", line.name());
    ASSERT_EQ(count(), 1u);
    FT_HANDLE handle = open(0);
    char buffer[16] = {};
    DWORD got = 99;

    // Interval "forever" and no totals: what is queued, at once.
    ASSERT_TRUE(setTimeouts(handle, {0xFFFFFFFF, 0, 0, 0, 0}));
    auto start = Clock::now();
    EXPECT_TRUE(FT_W32_ReadFile(handle, buffer, 8, &got, nullptr));
    EXPECT_EQ(got, 0u);
    EXPECT_LT(Clock::now() - start, 200ms);
    line.send("abc");
    std::this_thread::sleep_for(30ms);
    DWORD queued = 0;
    EXPECT_EQ(FT_GetQueueStatus(handle, &queued), FT_OK);
    EXPECT_EQ(queued, 3u);
    EXPECT_TRUE(FT_W32_ReadFile(handle, buffer, 8, &got, nullptr));
    EXPECT_EQ(std::string(buffer, got), "abc");

    // Totals: n bytes within multiplier * n + constant, TRUE with what came.
    ASSERT_TRUE(setTimeouts(handle, {0, 10, 100, 0, 0}));
    line.send("xy");
    start = Clock::now();
    EXPECT_TRUE(FT_W32_ReadFile(handle, buffer, 5, &got, nullptr));
    EXPECT_EQ(std::string(buffer, got), "xy");
    EXPECT_GE(Clock::now() - start, 150ms);

    // Bytes that arrive during the wait are collected, and the read ends when all came.
    std::thread late([&] {
        std::this_thread::sleep_for(50ms);
        line.send("12");
        std::this_thread::sleep_for(50ms);
        line.send("34");
    });
    ASSERT_TRUE(setTimeouts(handle, {0, 0, 5000, 0, 0}));
    start = Clock::now();
    EXPECT_TRUE(FT_W32_ReadFile(handle, buffer, 4, &got, nullptr));
    late.join();
    EXPECT_EQ(std::string(buffer, got), "1234");
    EXPECT_LT(Clock::now() - start, 4s);

    // A limit too long for the clock (here some 400 000 years) waits like no limit at all.
    std::thread rest([&] {
        std::this_thread::sleep_for(100ms);
        line.send(std::string(2000, 'r'));
    });
    line.send(std::string(1000, 'f'));
    ASSERT_TRUE(setTimeouts(handle, {0, 0xFFFFFFFF, 0, 0, 0}));
    std::vector<char> large(3000);
    EXPECT_TRUE(FT_W32_ReadFile(handle, large.data(), 3000, &got, nullptr));
    rest.join();
    EXPECT_EQ(got, 3000u);

    // An interval limit ends a read once the line falls silent after the first byte; "forever"
    // with multiplier "forever" returns as soon as anything came. A broken rule would run
    // into the three-second total instead.
    ASSERT_TRUE(setTimeouts(handle, {50, 0, 3000, 0, 0}));
    line.send("pqr");
    start = Clock::now();
    EXPECT_TRUE(FT_W32_ReadFile(handle, buffer, 10, &got, nullptr));
    EXPECT_EQ(std::string(buffer, got), "pqr");
    EXPECT_LT(Clock::now() - start, 2500ms);
    ASSERT_TRUE(setTimeouts(handle, {0xFFFFFFFF, 0xFFFFFFFF, 3000, 0, 0}));
    std::thread one([&] {
        std::this_thread::sleep_for(50ms);
        line.send("s");
    });
    start = Clock::now();
    EXPECT_TRUE(FT_W32_ReadFile(handle, buffer, 10, &got, nullptr));
    one.join();
    EXPECT_EQ(std::string(buffer, got), "s");
    EXPECT_LT(Clock::now() - start, 2500ms);

    // Purge empties the receive queue.
    line.send("junk");
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(FT_Purge(handle, FT_PURGE_RX | FT_PURGE_TX), FT_OK);
    EXPECT_EQ(FT_GetQueueStatus(handle, &queued), FT_OK);
    EXPECT_EQ(queued, 0u);
    FT_W32_CloseHandle(handle);
}

TEST_F(D2xxLinux, AWriteThatNobodyTakesEndsAtItsTimeout) {
    testsupport::Pty line;
    devices.addPort("a.port", "Line", line.name());
    ASSERT_EQ(count(), 1u);
    FT_HANDLE handle = open(0);
    ASSERT_TRUE(setTimeouts(handle, {0xFFFFFFFF, 0, 0, 0, 200}));
    std::vector<char> data(1 << 20, 'w');
    DWORD written = 0;
    EXPECT_TRUE(
        FT_W32_WriteFile(handle, data.data(), static_cast<DWORD>(data.size()), &written, nullptr));
    EXPECT_GT(written, 0u);
    EXPECT_LT(written, data.size());
    FT_W32_CloseHandle(handle);
}

TEST_F(D2xxLinux, HandlesAreCheckedAndDevicesOpenOnce) {
    testsupport::Pty line;
    devices.addPort("a.port", "Line", line.name(), "L1");
    ASSERT_EQ(count(), 1u);
    FT_HANDLE handle = open(0);
    FT_HANDLE second = nullptr;
    d2xx::OpenFailure refused;
    EXPECT_NE(d2xx::openDevice(0, &second, refused), FT_OK);
    EXPECT_EQ(refused.reason, d2xx::OpenRefusal::InUse);
    EXPECT_NE(FT_Open(1, &second), FT_OK);
    EXPECT_TRUE(FT_W32_CloseHandle(handle));
    // Nor while another program holds the line, whoever runs them; the refusal says so and
    // names the device.
    const int other = ::open(line.name().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(other, 0);
    ASSERT_EQ(flock(other, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(d2xx::openDevice(0, &second, refused), FT_DEVICE_NOT_OPENED);
    EXPECT_EQ(refused.reason, d2xx::OpenRefusal::InUse);
    EXPECT_EQ(refused.path, line.name());
    EXPECT_EQ(refused.serial, "L1");
    // A lock held only for a moment, as by a program putting the line back, is waited out.
    std::thread release([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        flock(other, LOCK_UN);
    });
    EXPECT_EQ(d2xx::openDevice(0, &second, refused), FT_OK);
    release.join();
    EXPECT_TRUE(FT_W32_CloseHandle(second));
    ::close(other);
    // The closed handle, and one that was never handed out, reach nothing.
    DWORD queued = 0;
    EXPECT_EQ(FT_GetQueueStatus(handle, &queued), FT_INVALID_HANDLE);
    EXPECT_FALSE(FT_W32_CloseHandle(handle));
    char byte = 0;
    DWORD moved = 0;
    FT_HANDLE none = reinterpret_cast<FT_HANDLE>(~std::uintptr_t{0});
    EXPECT_FALSE(FT_W32_WriteFile(none, &byte, 1, &moved, nullptr));
    EXPECT_FALSE(FT_W32_ReadFile(none, &byte, 1, &moved, nullptr));
    EXPECT_EQ(FT_SetLatencyTimer(none, 16), FT_INVALID_HANDLE);
    handle = open(0);
    FT_W32_CloseHandle(handle);
}

TEST_F(D2xxLinux, ADeviceNodeTheUserMayNotOpenIsReportedAsRefused) {
    const std::string sys = devices.dir() / "sys";
    addUsbSerial(sys, "ttyUSB0", "1-1", "ftdi_sio", "USB FETCHer Adapter", "FT4XQ2B1");
    const std::string node = devices.dir() / "dev/ttyUSB0";
    writeFile(node, "");
    fs::permissions(node, fs::perms::none);
    fs::permissions(devices.dir().path(), fs::perms::owner_all | fs::perms::group_read |
                                              fs::perms::group_exec | fs::perms::others_read |
                                              fs::perms::others_exec);
    // Root opens anything, so the attempt runs as an ordinary user.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(10);
        FT_HANDLE handle = nullptr;
        d2xx::OpenFailure refused;
        if (count() != 1 || d2xx::openDevice(0, &handle, refused) == FT_OK)
            _exit(11);
        _exit(refused.reason == d2xx::OpenRefusal::NoPermission && refused.path == node ? 0 : 12);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// A line held exclusively by a program that took no lock (a terminal program, or a client
// that died while a terminal's exclusive flag outlived it) is told apart from one that a
// Brookfetch program holds: only the second may be in the middle of a transfer.
TEST_F(D2xxLinux, AnExclusiveLineWithoutALockIsBusyAndWithOneInUse) {
    testsupport::Pty line;
    const std::string sys = devices.dir() / "sys";
    addUsbSerial(sys, "ttyUSB0", "1-1", "ftdi_sio", "USB FETCHer Adapter", "FT1");
    fs::create_directories(devices.dir() / "dev");
    fs::create_symlink(line.name(), devices.dir() / "dev/ttyUSB0");
    fs::permissions(devices.dir().path(), fs::perms::owner_all | fs::perms::group_read |
                                              fs::perms::group_exec | fs::perms::others_read |
                                              fs::perms::others_exec);
    ASSERT_EQ(::ioctl(line.slave(), TIOCEXCL), 0);
    // Root passes TIOCEXCL, so the attempt runs as an ordinary user who owns the line.
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(line.name().c_str(), 65534, 65534), 0);
    }
    const auto refusal = [root]() {
        const pid_t child = fork();
        if (child == 0) {
            if (root && (setgid(65534) != 0 || setuid(65534) != 0))
                _exit(10);
            FT_HANDLE handle = nullptr;
            d2xx::OpenFailure refused;
            if (count() != 1 || d2xx::openDevice(0, &handle, refused) == FT_OK)
                _exit(11);
            _exit(static_cast<int>(refused.reason));
        }
        int status = -1;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(refusal(), static_cast<int>(d2xx::OpenRefusal::PortBusy));
    ASSERT_EQ(flock(line.slave(), LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(refusal(), static_cast<int>(d2xx::OpenRefusal::InUse));
}

class Recorder : public d2xx::InProcessDevice {
public:
    Recorder() : InProcessDevice("Recorder", "R1") { d2xx::attach(*this); }
    void received(const std::uint8_t* data, std::size_t size) override {
        heard.append(reinterpret_cast<const char*>(data), size);
    }
    std::string heard;
};

TEST_F(D2xxLinux, InProcessDevicesAnswerLikeAPortAndMayVanish) {
    auto device = std::make_unique<Recorder>();
    ASSERT_EQ(count(), 1u);
    FT_HANDLE handle = open(0);
    char buffer[8] = {};
    DWORD moved = 0;
    ASSERT_TRUE(FT_W32_WriteFile(handle, const_cast<char*>("ping"), 4, &moved, nullptr));
    EXPECT_EQ(device->heard, "ping");

    // A delayed answer arrives within the read's limit, not before its time.
    const std::uint8_t answer[] = {'o', 'k'};
    device->send(answer, 2, 80ms);
    DWORD queued = 9;
    EXPECT_EQ(FT_GetQueueStatus(handle, &queued), FT_OK);
    EXPECT_EQ(queued, 0u);
    ASSERT_TRUE(setTimeouts(handle, {0, 20, 300, 0, 0}));
    auto start = Clock::now();
    EXPECT_TRUE(FT_W32_ReadFile(handle, buffer, 2, &moved, nullptr));
    EXPECT_EQ(std::string(buffer, moved), "ok");
    EXPECT_GE(Clock::now() - start, 70ms);

    device->setModemStatus(MS_CTS_ON | MS_DSR_ON);
    DWORD status = 0;
    EXPECT_TRUE(FT_W32_GetCommModemStatus(handle, &status));
    EXPECT_EQ(status, MS_CTS_ON | MS_DSR_ON);
    EXPECT_EQ(FT_SetDtr(handle), FT_OK);
    EXPECT_EQ(FT_SetBreakOn(handle), FT_OK);
    EXPECT_TRUE(device->dtr());
    EXPECT_TRUE(device->breakOn());
    EXPECT_FALSE(device->rts());

    // Destroyed while open: the handle fails cleanly from then on.
    device.reset();
    EXPECT_FALSE(FT_W32_ReadFile(handle, buffer, 2, &moved, nullptr));
    EXPECT_FALSE(FT_W32_WriteFile(handle, buffer, 2, &moved, nullptr));
    EXPECT_EQ(FT_GetQueueStatus(handle, &queued), FT_IO_ERROR) << "as FTDI's for a pulled device";
    EXPECT_EQ(FT_Purge(handle, FT_PURGE_RX | FT_PURGE_TX), FT_IO_ERROR);
    EXPECT_TRUE(FT_W32_CloseHandle(handle));
    EXPECT_EQ(FT_GetQueueStatus(handle, &queued), FT_INVALID_HANDLE) << "closed";
    EXPECT_EQ(count(), 0u);
}

TEST_F(D2xxLinux, PortFilesRoundTrip) {
    const std::string file = devices.ports() + "/deep/er/one.port";
    ASSERT_TRUE(d2xx::writePortFile(file, {"USB FETCHer Adapter", "", "/dev/pts/3", 0, "/l"}));
    auto port = d2xx::readPortFile(file);
    ASSERT_TRUE(port);
    EXPECT_EQ(port->description, "USB FETCHer Adapter");
    EXPECT_EQ(port->serial, "");
    EXPECT_EQ(port->path, "/dev/pts/3");
    EXPECT_EQ(port->latency, "/l");
    EXPECT_FALSE(d2xx::readPortFile(devices.ports() + "/missing.port"));
}

// A port's latency timer goes into its latency file as into ftdi_sio's attribute; what the
// file names is written only when it is a private file of this user's.
TEST_F(D2xxLinux, APortsLatencyTimerGoesIntoItsLatencyFile) {
    testsupport::Pty line;
    const std::string latency = devices.ports() + "/sim.latency";
    writeFile(latency, "16\n");
    ASSERT_TRUE(d2xx::writePortFile(devices.ports() + "/sim.port",
                                    {"Adapter", "S", line.name(), 0, latency}));
    ASSERT_EQ(count(), 1u);
    FT_HANDLE handle = open(0);
    EXPECT_EQ(FT_SetLatencyTimer(handle, 2), FT_OK);
    EXPECT_EQ(readFile(latency), "2\n");

    // Another's writable file, a link, a missing file: left alone, and the port still works.
    ASSERT_EQ(chmod(latency.c_str(), 0666), 0);
    EXPECT_EQ(FT_SetLatencyTimer(handle, 7), FT_OK);
    EXPECT_EQ(readFile(latency), "2\n");
    ASSERT_EQ(chmod(latency.c_str(), 0600), 0);
    const std::string other = devices.dir() / "other";
    writeFile(other, "keep\n");
    fs::remove(latency);
    fs::create_symlink(other, latency);
    EXPECT_EQ(FT_SetLatencyTimer(handle, 7), FT_OK);
    EXPECT_EQ(readFile(other), "keep\n");
    fs::remove(latency);
    EXPECT_EQ(FT_SetLatencyTimer(handle, 7), FT_OK);
    EXPECT_FALSE(fs::exists(latency));
    EXPECT_TRUE(FT_W32_CloseHandle(handle));
}

// A terminal as the reopening port sees it: it answers what the test queues, or nothing.
struct FakeLine {
    int opens = 0;
    bool refuse = false; // the next open fails
    std::string replies;
    std::vector<ULONG> rates; // set on each port opened, in order
};

class FakePort : public d2xx::Port {
public:
    explicit FakePort(FakeLine& line) : line_(line) { ++line_.opens; }
    d2xx::Io readSome(std::uint8_t* buffer, std::size_t size, std::size_t& moved) override {
        moved = std::min(size, line_.replies.size());
        std::memcpy(buffer, line_.replies.data(), moved);
        line_.replies.erase(0, moved);
        return d2xx::Io::Ready;
    }
    d2xx::Io writeSome(const std::uint8_t*, std::size_t size, std::size_t& moved) override {
        moved = size;
        return d2xx::Io::Ready;
    }
    d2xx::Io waitReadable(Clock::time_point) override {
        return line_.replies.empty() ? d2xx::Io::Timeout : d2xx::Io::Ready;
    }
    d2xx::Io waitWritable(Clock::time_point) override { return d2xx::Io::Ready; }
    FT_STATUS queueStatus(DWORD& count) override {
        count = static_cast<DWORD>(line_.replies.size());
        return FT_OK;
    }
    FT_STATUS purge(ULONG) override { return FT_OK; }
    FT_STATUS setBaudRate(ULONG rate) override {
        line_.rates.push_back(rate);
        return FT_OK;
    }
    FT_STATUS setDataCharacteristics(UCHAR, UCHAR, UCHAR) override { return FT_OK; }
    FT_STATUS setFlowControl(USHORT, UCHAR, UCHAR) override { return FT_OK; }
    FT_STATUS setLatency(UCHAR) override { return FT_OK; }
    FT_STATUS setLine(d2xx::Line, bool) override { return FT_OK; }
    bool modemStatus(DWORD& bits) override {
        bits = 0;
        return true;
    }

private:
    FakeLine& line_;
};

// Two writes in a row whose replies never came open the terminal again with its settings; a
// byte heard between them, or a line drained without a request, does not.
TEST(ReopenAfterSilence, TwoUnansweredExchangesInARowOpenTheTerminalAgain) {
    FakeLine line;
    auto port = d2xx::reopenAfterSilence(std::make_unique<FakePort>(line), [&line] {
        return line.refuse ? nullptr : std::make_unique<FakePort>(line);
    });
    ASSERT_EQ(port->setBaudRate(19200), FT_OK);
    // A request, then the wait for its first byte, as FT_W32_ReadFile waits.
    const auto exchange = [&port] {
        const std::uint8_t request[2] = {0x5A, 0x10};
        std::size_t moved = 0;
        EXPECT_EQ(port->writeSome(request, 2, moved), d2xx::Io::Ready);
        return port->waitReadable(Clock::now());
    };
    const auto drain = [&port] {
        std::uint8_t byte = 0;
        std::size_t moved = 0;
        port->readSome(&byte, 1, moved);
        return port->waitReadable(Clock::now());
    };

    EXPECT_EQ(exchange(), d2xx::Io::Timeout);
    drain();
    drain();
    line.replies = "\xA5";
    drain(); // a late reply is heard
    EXPECT_EQ(exchange(), d2xx::Io::Timeout);
    EXPECT_EQ(line.opens, 1);
    EXPECT_EQ(exchange(), d2xx::Io::Timeout);
    EXPECT_EQ(line.opens, 2);
    EXPECT_EQ(line.rates, (std::vector<ULONG>{19200, 19200}));

    // A terminal that cannot be opened again is gone.
    EXPECT_EQ(exchange(), d2xx::Io::Timeout);
    line.refuse = true;
    EXPECT_EQ(exchange(), d2xx::Io::Timeout);
    std::size_t moved = 0;
    EXPECT_EQ(port->writeSome(reinterpret_cast<const std::uint8_t*>("x"), 1, moved),
              d2xx::Io::Gone);
}

} // namespace
