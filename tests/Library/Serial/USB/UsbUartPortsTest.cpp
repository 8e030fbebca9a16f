// SPDX-License-Identifier: GPL-3.0-or-later
// The USB UART on the Linux D2XX layer: virtual ports on pseudo-terminals and in-process
// devices, through the real device listing.
#include "Library/Serial/USB/UsbUart.h"
#include "platform/d2xx/InProcessDevice.h"
#include "platform/framework/Exceptions.h"
#include "tests/platform/d2xx/TestTerminal.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testing::MatchesRegex;

namespace {

const QString Adapter = "USB FETCHer Adapter";

std::string text(const std::uint8_t* bytes, std::uint32_t count) {
    return std::string(reinterpret_cast<const char*>(bytes), count);
}

class UsbUartPorts : public testing::Test {
protected:
    testsupport::IsolatedDevices devices;
};

TEST_F(UsbUartPorts, FindDeviceThroughPortFiles) {
    testsupport::Pty a, b, c;
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> ports; // file, description
        bool found;
        std::int32_t index;
    } cases[] = {
        {"no device", {}, false, 42},
        {"one device", {{"a.port", "USB FETCHer Adapter"}}, true, 0},
        {"behind another",
         {{"a.port", "Something else"}, {"b.port", "USB FETCHer Adapter"}},
         true,
         1},
        {"two alike",
         {{"a.port", "USB FETCHer Adapter"}, {"b.port", "USB FETCHer Adapter"}},
         false,
         42},
        {"letter case", {{"a.port", "USB Fetcher Adapter"}}, false, 42},
    };
    const std::string paths[] = {a.name(), b.name(), c.name()};
    for (const Case& each : cases) {
        std::filesystem::remove_all(devices.ports());
        for (std::size_t i = 0; i < each.ports.size(); ++i)
            devices.addPort(each.ports[i].first, each.ports[i].second, paths[i]);
        std::int32_t index = 42;
        EXPECT_EQ(TUsbUart::FindDevice(Adapter, index), each.found) << each.name;
        EXPECT_EQ(index, each.index) << each.name;
    }
}

// The adapter link's whole conversation, over a real pseudo-terminal.
TEST_F(UsbUartPorts, RoundTripOverAPseudoTerminal) {
    testsupport::Pty line;
    devices.addPort("adapter.port", "USB FETCHer Adapter", line.name(), "SIM0001");
    TUsbUart uart;
    std::int32_t index = -1;
    ASSERT_TRUE(TUsbUart::FindDevice(Adapter, index));
    ASSERT_TRUE(uart.Open(index));
    EXPECT_EQ(uart.GetName(), Adapter);
    EXPECT_EQ(uart.SerialNumber, "SIM0001");
    ASSERT_TRUE(uart.SetConfig({19200, 8, 10, 0, 0}));
    termios settings{};
    ASSERT_EQ(tcgetattr(line.slave(), &settings), 0);
    EXPECT_EQ(cfgetospeed(&settings), B19200);
    EXPECT_EQ(settings.c_cflag & (CSIZE | CSTOPB | PARENB), static_cast<tcflag_t>(CS8));
    EXPECT_EQ(settings.c_lflag & (ICANON | ECHO), 0u);
    ASSERT_TRUE(uart.SetReadTimeouts(300, 20));

    line.send("stale bytes");
    std::this_thread::sleep_for(20ms);
    uart.Purge();

    const std::uint8_t request[] = {0x5A, 0x10, 0x00, 0x0D, 0x0A, 0x03, 0xFF};
    EXPECT_EQ(uart.Write(request, sizeof request), sizeof request);
    // Raw mode: every byte crosses unchanged, CR, LF and ^C included.
    EXPECT_EQ(line.receive(sizeof request), text(request, sizeof request));

    line.send(std::string("\xA5\x03\x01\x0D", 4));
    std::uint8_t reply[10] = {};
    EXPECT_EQ(uart.Read(reply, 4), 4u);
    EXPECT_EQ(text(reply, 4), std::string("\xA5\x03\x01\x0D", 4));

    // A silent line: the one-byte wait gives up after 300 + 20 ms.
    auto start = Clock::now();
    EXPECT_EQ(uart.Read(reply, 1), 0u);
    auto waited = Clock::now() - start;
    EXPECT_GE(waited, 300ms);
    EXPECT_LT(waited, 3s);

    // Ten asked, four come: the second wait runs out and four are returned.
    line.send("WXYZ");
    start = Clock::now();
    EXPECT_EQ(uart.Read(reply, 10), 4u);
    EXPECT_GE(Clock::now() - start, 300ms);
    EXPECT_EQ(text(reply, 4), "WXYZ");

    // Immediate reads return what is queued, at once.
    ASSERT_TRUE(uart.SetReadImmediate());
    EXPECT_EQ(uart.Read(reply, 10), 0u);
    line.send("abc");
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(uart.Read(reply, 2), 2u);
    EXPECT_EQ(uart.Read(reply + 2, 10), 1u);
    EXPECT_EQ(text(reply, 3), "abc");
}

TEST_F(UsbUartPorts, AVanishedPortFailsReadsAndWritesWithoutWaiting) {
    testsupport::Pty line;
    devices.addPort("adapter.port", "USB FETCHer Adapter", line.name());
    TUsbUart uart;
    std::int32_t index = -1;
    ASSERT_TRUE(TUsbUart::FindDevice(Adapter, index));
    ASSERT_TRUE(uart.Open(index));
    ASSERT_TRUE(uart.SetConfig({19200, 8, 10, 0, 0}));
    ASSERT_TRUE(uart.SetReadTimeouts(5000, 0));
    line.closeMaster();
    std::uint8_t buffer[8];
    const auto start = Clock::now();
    EXPECT_EQ(uart.Read(buffer, 8), 0u);
    EXPECT_EQ(uart.Write(buffer, 8), 0u);
    // A timed-out read would have taken the full five seconds.
    EXPECT_LT(Clock::now() - start, 4s);
    uart.Close();
    EXPECT_FALSE(uart.IsOpen());
}

TEST_F(UsbUartPorts, ReopeningAPortAfterCloseWorks) {
    testsupport::Pty line;
    devices.addPort("adapter.port", "USB FETCHer Adapter", line.name());
    for (int round = 0; round < 3; ++round) {
        TUsbUart uart;
        std::int32_t index = -1;
        ASSERT_TRUE(TUsbUart::FindDevice(Adapter, index));
        ASSERT_TRUE(uart.Open(index)) << round;
        const std::uint8_t byte = static_cast<std::uint8_t>('0' + round);
        EXPECT_EQ(uart.Write(&byte, 1), 1u);
        EXPECT_EQ(line.receive(1), std::string(1, static_cast<char>(byte)));
    }
}

// A device that never falls silent: whenever the host looks, another byte has come.
class Chatterbox : public d2xx::InProcessDevice {
public:
    Chatterbox() : InProcessDevice("USB FETCHer Adapter", "CHAT") { d2xx::attach(*this); }
    void received(const std::uint8_t*, std::size_t) override {}
    void poll() override {
        const std::uint8_t noise = 0x55;
        send(&noise, 1);
    }
};

TEST_F(UsbUartPorts, PurgeRaisesWhenThePeerKeepsSending) {
    Chatterbox device;
    TUsbUart uart;
    std::int32_t index = -1;
    ASSERT_TRUE(TUsbUart::FindDevice(Adapter, index));
    ASSERT_TRUE(uart.Open(index));
    const auto start = Clock::now();
    try {
        uart.Purge();
        ADD_FAILURE() << "Purge returned";
    } catch (const Exception& error) {
        EXPECT_THAT(error.Message.toStdString(), MatchesRegex("Error on file UsbUart line [0-9]+"));
    }
    EXPECT_GE(Clock::now() - start, 500ms);
}

// Answers each request with its bytes reversed, after a delay.
class Mirror : public d2xx::InProcessDevice {
public:
    Mirror() : InProcessDevice("USB FETCHer Adapter", "MIRROR") { d2xx::attach(*this); }
    void received(const std::uint8_t* data, std::size_t size) override {
        std::vector<std::uint8_t> answer(data, data + size);
        std::reverse(answer.begin(), answer.end());
        send(answer.data(), answer.size(), 30ms);
    }
};

TEST_F(UsbUartPorts, InProcessDeviceAnswersTimedReads) {
    Mirror device;
    TUsbUart uart;
    std::int32_t index = -1;
    ASSERT_TRUE(TUsbUart::FindDevice(Adapter, index));
    ASSERT_TRUE(uart.Open(index));
    EXPECT_EQ(uart.SerialNumber, "MIRROR");
    ASSERT_TRUE(uart.SetConfig({19200, 8, 10, 0, 0}));
    ASSERT_TRUE(uart.SetReadTimeouts(300, 20));
    uart.Purge();
    const std::uint8_t request[] = {1, 2, 3};
    ASSERT_EQ(uart.Write(request, 3), 3u);
    std::uint8_t reply[3] = {};
    EXPECT_EQ(uart.Read(reply, 3), 3u);
    EXPECT_EQ(text(reply, 3), std::string("\3\2\1", 3));

    // Pulled out while open: reads and writes fail, nothing hangs.
    d2xx::detach(device);
    EXPECT_EQ(uart.Write(request, 3), 0u);
    EXPECT_EQ(uart.Read(reply, 3), 0u);
}

} // namespace
