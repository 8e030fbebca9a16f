// SPDX-License-Identifier: GPL-3.0-or-later
// The D2XX functions of the Windows build: FTDI's FTD2XX.DLL, loaded at run time, lists its
// devices before the in-process ones; without it there is no adapter and the reason says so.
// CTest runs this program twice: from the program folder, which holds no FTD2XX.DLL
// (WithoutDriver), and from the folder that holds the simulated one with BROOKFETCH_SIM naming
// two adapters, the second one's memory in BROOKFETCH_TEST_MEMORY (SimulatedDriver).
#include "adapter/TarnAdapter.h"
#include "platform/d2xx/DriverProblem.h"
#include "platform/d2xx/OpenFailure.h"
#include "platform/d2xx/ftd2xx.h"
#include "sim/InProcessAdapter.h"

#include <QFile>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <string>
#include <vector>

namespace {

struct Listed {
    std::string Description, Serial;
};

std::vector<Listed> ListAll() {
    DWORD count = 0;
    EXPECT_EQ(FT_ListDevices(&count, nullptr, FT_LIST_NUMBER_ONLY), FT_OK);
    std::vector<Listed> devices;
    for (DWORD i = 0; i < count; ++i) {
        char description[256] = {}, serial[32] = {};
        const auto index = reinterpret_cast<PVOID>(static_cast<std::uintptr_t>(i));
        EXPECT_EQ(FT_ListDevices(index, description, FT_LIST_BY_INDEX | FT_OPEN_BY_DESCRIPTION),
                  FT_OK);
        EXPECT_EQ(FT_ListDevices(index, serial, FT_LIST_BY_INDEX | FT_OPEN_BY_SERIAL_NUMBER),
                  FT_OK);
        devices.push_back({description, serial});
    }
    return devices;
}

// Asks the adapter at `index` for its version over the raw D2XX calls.
std::vector<std::uint8_t> VersionReply(int index) {
    FT_HANDLE handle = nullptr;
    EXPECT_EQ(FT_Open(index, &handle), FT_OK);
    FTTIMEOUTS timeouts{0, 20, 300, 2, 100};
    EXPECT_TRUE(FT_W32_SetCommTimeouts(handle, &timeouts));
    std::uint8_t request[] = {0x5A, 0x10};
    DWORD done = 0;
    EXPECT_TRUE(FT_W32_WriteFile(handle, request, sizeof request, &done, nullptr));
    EXPECT_EQ(done, sizeof request);
    std::vector<std::uint8_t> reply(3);
    EXPECT_TRUE(FT_W32_ReadFile(handle, reply.data(), 3, &done, nullptr));
    reply.resize(done);
    EXPECT_TRUE(FT_W32_CloseHandle(handle));
    EXPECT_FALSE(FT_W32_CloseHandle(handle)) << "a closed handle is of no further use";
    return reply;
}

TEST(WithoutDriver, NoAdapterAndTheReasonButInProcessDevicesStillServe) {
    EXPECT_TRUE(ListAll().empty());
    EXPECT_FALSE(d2xx::driverAvailable());
    EXPECT_EQ(d2xx::DriverProblem(), "FTDI's D2XX driver (FTD2XX.DLL) is not installed");
    FT_HANDLE handle = nullptr;
    d2xx::OpenFailure failure;
    EXPECT_NE(d2xx::openDevice(0, &handle, failure), FT_OK);
    EXPECT_EQ(failure.reason, d2xx::OpenRefusal::DriverMissing);
    TTarnDevice link;
    EXPECT_FALSE(link.ReadVersion());

    sim::InProcessAdapter adapter("INPROC1");
    EXPECT_TRUE(d2xx::driverAvailable()) << "the devices of a test serve without FTDI's";
    const auto devices = ListAll();
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_EQ(devices[0].Serial, "INPROC1");
    EXPECT_EQ(VersionReply(0), (std::vector<std::uint8_t>{0xA5, 0x05, 0x01}));
    EXPECT_EQ(d2xx::DriverProblem(), "FTDI's D2XX driver (FTD2XX.DLL) is not installed");
}

TEST(SimulatedDriver, ItsAdaptersComeFirstAndAnswer) {
    sim::InProcessAdapter own("INPROC1");
    const auto devices = ListAll();
    ASSERT_EQ(devices.size(), 3u);
    EXPECT_EQ(devices[0].Description, "USB FETCHer Adapter");
    EXPECT_EQ(devices[0].Serial, "SIMA");
    EXPECT_EQ(devices[1].Serial, "SIMB");
    EXPECT_EQ(devices[2].Serial, "INPROC1");
    EXPECT_TRUE(d2xx::driverAvailable());
    EXPECT_EQ(d2xx::DriverProblem(), "");
    EXPECT_EQ(VersionReply(0), (std::vector<std::uint8_t>{0xA5, 0x07, 0x02}))
        << "--firmware-version";
    EXPECT_EQ(VersionReply(2), (std::vector<std::uint8_t>{0xA5, 0x05, 0x01}));

    FT_HANDLE first = nullptr, again = nullptr;
    ASSERT_EQ(FT_Open(0, &first), FT_OK);
    EXPECT_EQ(FT_Open(0, &again), FT_DEVICE_NOT_OPENED) << "one handle per device, as FTDI's";
    FT_W32_CloseHandle(first);
}

// Its adapters hold each reply in the USB chip until the latency timer ticks, and
// FT_SetLatencyTimer sets the timer: at 255 ms an exchange right behind another waits for the
// next tick, where the chip's 16 ms would not keep it that long. At 2 ms a read is exact.
TEST(SimulatedDriver, TheLatencyTimerHoldsRepliesAsTheChipDoes) {
    TTarnDevice link;
    link.Timing.LatencyMs = 255;
    ASSERT_TRUE(link.ReadVersion());
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(link.ReadVersion());
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));
    link.Disconnect();

    link.Timing.LatencyMs = 2;
    std::array<std::uint8_t, 128> image{};
    ASSERT_TRUE(link.ReadMemory(0, image.data(), static_cast<int>(image.size())));
    EXPECT_TRUE(
        std::equal(image.begin(), image.end(), sim::AdapterFirmware::defaultImage().begin()));
}

// Where FTDI's library says what it does, the simulated one does the same.
TEST(SimulatedDriver, AnswersAsFtdisLibraryDoes) {
    char text[32] = {};
    EXPECT_EQ(FT_ListDevices(reinterpret_cast<PVOID>(std::uintptr_t{1}), text, FT_LIST_BY_INDEX),
              FT_OK);
    EXPECT_STREQ(text, "SIMB") << "neither kind asked for gives the serial number";
    EXPECT_EQ(FT_ListDevices(reinterpret_cast<PVOID>(std::uintptr_t{9}), text,
                             FT_LIST_BY_INDEX | FT_OPEN_BY_DESCRIPTION),
              FT_DEVICE_NOT_FOUND);

    FT_HANDLE handle = nullptr;
    ASSERT_EQ(FT_Open(0, &handle), FT_OK);
    FTTIMEOUTS timeouts{1, 2, 3, 4, 5};
    EXPECT_TRUE(FT_W32_GetCommTimeouts(handle, &timeouts));
    EXPECT_EQ(timeouts.ReadIntervalTimeout, 0u) << "a fresh handle has no time limits";
    EXPECT_EQ(timeouts.ReadTotalTimeoutConstant, 0u);
    EXPECT_EQ(timeouts.WriteTotalTimeoutConstant, 0u);
    EXPECT_TRUE(FT_W32_CloseHandle(handle));
    DWORD queued = 0;
    EXPECT_EQ(FT_GetQueueStatus(handle, &queued), FT_INVALID_HANDLE) << "after the close";
    EXPECT_EQ(FT_Purge(handle, FT_PURGE_RX | FT_PURGE_TX), FT_INVALID_HANDLE);
    EXPECT_FALSE(FT_W32_ReadFile(handle, text, 1, &queued, nullptr));
}

TEST(SimulatedDriver, WritesReachTheMemoryFileAndTheConnectorKeepsThem) {
    const QString memoryFile = qEnvironmentVariable("BROOKFETCH_TEST_MEMORY");
    ASSERT_FALSE(memoryFile.isEmpty());
    TTarnDevice link;
    link.Description = QStringLiteral("Second Adapter");
    ASSERT_TRUE(link.ReadVersion());
    TPresence presence = TPresence::Absent;
    ASSERT_TRUE(link.CheckConnector(presence));
    ASSERT_EQ(presence, TPresence::Present);

    std::array<std::uint8_t, 128> image;
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    ASSERT_TRUE(link.WriteMemory(0, image.data(), static_cast<int>(image.size())));
    std::array<std::uint8_t, 128> back{};
    ASSERT_TRUE(link.ReadMemory(0, back.data(), static_cast<int>(back.size())));
    EXPECT_EQ(back, image);

    QFile file(memoryFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray stored = file.readAll();
    ASSERT_EQ(stored.size(), 256);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(image.data()), 128), stored.left(128));
}

} // namespace
