// SPDX-License-Identifier: GPL-3.0-or-later
// What the USB UART asks of the D2XX library, through the recording stand-in: the arguments the
// vendor's functions need, and the results the UART draws from their answers.
#include "Library/Serial/USB/UsbUart.h"
#include "platform/framework/Exceptions.h"
#include "tests/Library/Serial/USB/RecordingDriver.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>

using testsupport::RecordingDriver;
using Reply = RecordingDriver::Reply;
using Calls = std::vector<std::string>;
using testing::Contains;

namespace {

const std::string OnFile = "Error on file UsbUart line ";
const std::string Switch = "Error switch file UsbUart line ";

// The message and a line number after it. (GoogleTest's regular expressions are not the same on
// every system.)
MATCHER_P(RaisedAt, message, "is \"" + message + "<line number>\"") {
    const std::string text = arg;
    return text.size() > message.size() && text.compare(0, message.size(), message) == 0 &&
           text.find_first_not_of("0123456789", message.size()) == std::string::npos;
}

std::string description(int index) {
    return "FT_ListDevices(" + std::to_string(index) + ", &buffer, 0x40000002)";
}
std::string serial(int index) {
    return "FT_ListDevices(" + std::to_string(index) + ", &buffer, 0x40000001)";
}

// The message of the Exception that `action` raises, or "" when it raises none.
std::string raised(const std::function<void()>& action) {
    try {
        action();
    } catch (const Exception& error) {
        return error.Message.toStdString();
    }
    return "";
}

class UsbUartCalls : public testing::Test {
protected:
    UsbUartCalls() : hook(driver) {
        driver.devices = {"Other", "USB FETCHer Adapter"};
        driver.serials = {"A1", "FT123456"};
    }

    // An object opened on device 1, with the calls so far forgotten.
    void open() {
        ASSERT_TRUE(uart.Open(1));
        driver.calls.clear();
    }

    RecordingDriver driver;
    d2xx::ScopedHook hook;
    TUsbUart uart;
};

TEST_F(UsbUartCalls, FindDeviceCountsExactMatchesOnly) {
    struct Case {
        std::vector<std::string> devices;
        bool found;
        std::int32_t index;
    } cases[] = {
        {{}, false, 77},
        {{"USB FETCHer Adapter"}, true, 0},
        {{"Other", "USB FETCHer Adapter"}, true, 1},
        {{"USB FETCHer Adapter", "USB FETCHer Adapter"}, false, 77},
        {{"usb fetcher adapter"}, false, 77},
        {{"USB FETCHer Adapter "}, false, 77},
        {{"USB FETCHer"}, false, 77},
    };
    for (const Case& c : cases) {
        driver.devices = c.devices;
        std::int32_t index = 77;
        EXPECT_EQ(TUsbUart::FindDevice("USB FETCHer Adapter", index), c.found) << c.devices.size();
        EXPECT_EQ(index, c.index);
    }
}

TEST_F(UsbUartCalls, FindDeviceSkipsAFailedListingAndStopsOnAFailedCount) {
    driver.devices = {"USB FETCHer Adapter", "USB FETCHer Adapter"};
    driver.script("FT_ListDevices", Reply::Value(2));
    driver.script("FT_ListDevices", Reply::Status(FT_DEVICE_NOT_FOUND));
    std::int32_t index = 77;
    EXPECT_TRUE(TUsbUart::FindDevice("USB FETCHer Adapter", index));
    EXPECT_EQ(index, 1);

    driver.script("FT_ListDevices", Reply::Status(FT_OTHER_ERROR));
    index = 77;
    EXPECT_FALSE(TUsbUart::FindDevice("USB FETCHer Adapter", index));
    EXPECT_EQ(index, 77);
}

// The listing both programs share: every device in order, its serial number empty where it
// cannot be listed, a device whose description cannot be listed left out.
TEST_F(UsbUartCalls, ListDevicesGivesIndexDescriptionAndSerialNumber) {
    driver.devices = {"First", "Second", "Third"};
    driver.serials = {"S1", "S2", "S3"};
    driver.script("FT_ListDevices", Reply::Value(3));
    driver.script("FT_ListDevices", Reply::Bytes("First"));
    driver.script("FT_ListDevices", Reply::Status(FT_DEVICE_NOT_FOUND)); // its serial number
    driver.script("FT_ListDevices", Reply::Status(FT_DEVICE_NOT_FOUND)); // the second device
    const QList<TUsbDevice> devices = TUsbUart::ListDevices(TUsbUart::TListing::WithSerialNumbers);
    ASSERT_EQ(devices.size(), 2);
    EXPECT_EQ(devices[0].Index, 0);
    EXPECT_EQ(devices[0].Description, "First");
    EXPECT_TRUE(devices[0].SerialNumber.isEmpty());
    EXPECT_EQ(devices[1].Index, 2);
    EXPECT_EQ(devices[1].Description, "Third");
    EXPECT_EQ(devices[1].SerialNumber, "S3");
}

TEST_F(UsbUartCalls, NewObjectIsClosedWithDefaults) {
    EXPECT_FALSE(uart.IsOpen());
    EXPECT_EQ(uart.DeviceIndex, -1);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(uart.Handle), ~std::uintptr_t{0});
    EXPECT_TRUE(uart.ImmediateRead);
    EXPECT_EQ(uart.LatencyMs, 16);
    EXPECT_FALSE(uart.Dtr || uart.Rts || uart.Break);
    TUartConfig config;
    config.BaudRate = 1;
    uart.GetConfig(config);
    EXPECT_EQ(config.BaudRate, 9600);
    EXPECT_EQ(config.DataBits, 8);
    EXPECT_EQ(config.StopBits, 10);
    EXPECT_EQ(config.Parity, 0);
    EXPECT_EQ(config.FlowControl, 0);
    EXPECT_TRUE(uart.GetName().isEmpty());
    EXPECT_TRUE(driver.calls.empty());
}

TEST_F(UsbUartCalls, OpenListsDescriptionAndSerialThenOpensAndSetsTheLatency) {
    EXPECT_TRUE(uart.Open(1));
    EXPECT_THAT(driver.calls, Contains("FT_Open(1, &handle)"));
    EXPECT_EQ(driver.calls.back(), "FT_SetLatencyTimer(H1, 16)");
    EXPECT_TRUE(uart.IsOpen());
    EXPECT_EQ(uart.DeviceIndex, 1);
    EXPECT_EQ(uart.GetName(), "USB FETCHer Adapter");
    EXPECT_EQ(uart.SerialNumber, "FT123456");
    EXPECT_TRUE(uart.ImmediateRead);
}

TEST_F(UsbUartCalls, OpenOfAnotherIndexClosesTheFirstDeviceBeforeListing) {
    open();
    EXPECT_TRUE(uart.Open(0));
    EXPECT_EQ(driver.calls.front(), "FT_W32_CloseHandle(H1)");
    EXPECT_EQ(uart.GetName(), "Other");
    EXPECT_EQ(uart.DeviceIndex, 0);
}

TEST_F(UsbUartCalls, FailedOpenLeavesTheObjectClosedAndKeepsWhatWasListed) {
    open();
    driver.script("FT_Open", Reply::Status(FT_DEVICE_NOT_OPENED));
    EXPECT_FALSE(uart.Open(0));
    EXPECT_FALSE(uart.IsOpen());
    EXPECT_EQ(uart.GetName(), "Other");
    EXPECT_EQ(uart.SerialNumber, "A1");
    EXPECT_EQ(driver.calls.front(), "FT_W32_CloseHandle(H1)");
    EXPECT_EQ(driver.calls.back(), "FT_Open(0, &handle)");

    driver.calls.clear();
    driver.script("FT_ListDevices", Reply::Bytes("Third"));
    driver.script("FT_ListDevices", Reply::Status(FT_DEVICE_NOT_FOUND));
    EXPECT_FALSE(uart.Open(1));
    EXPECT_EQ(uart.GetName(), "Third");
    EXPECT_EQ(uart.SerialNumber, "A1");
    EXPECT_EQ(driver.calls, (Calls{description(1), serial(1)}));
}

TEST_F(UsbUartCalls, OpenOfIndexMinusOneRaises) {
    EXPECT_THAT(raised([&] { uart.Open(-1); }), RaisedAt(OnFile));
    EXPECT_TRUE(driver.calls.empty());
}

TEST_F(UsbUartCalls, CloseAndDestructorCloseTheHandleOnce) {
    open();
    uart.Close();
    uart.Close();
    EXPECT_EQ(driver.calls, Calls{"FT_W32_CloseHandle(H1)"});
    EXPECT_FALSE(uart.IsOpen());
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(uart.Handle), ~std::uintptr_t{0});
    EXPECT_EQ(uart.GetName(), "USB FETCHer Adapter");

    driver.calls.clear();
    {
        TUsbUart other;
        ASSERT_TRUE(other.Open(0));
    }
    EXPECT_EQ(driver.calls.back(), "FT_W32_CloseHandle(H0)");
}

TEST_F(UsbUartCalls, SetConfigAppliesTheLineThenWriteAndImmediateReadTimeouts) {
    open();
    ASSERT_TRUE(uart.SetReadTimeouts(300, 20));
    driver.calls.clear();
    EXPECT_TRUE(uart.SetConfig({19200, 8, 10, 0, 0}));
    EXPECT_EQ(driver.calls[0], "FT_SetBaudRate(H1, 19200)");
    EXPECT_EQ(driver.calls[1], "FT_SetDataCharacteristics(H1, 8, 0, 0)");
    EXPECT_EQ(driver.calls[2], "FT_SetFlowControl(H1, 0x0000, 0x0B, 0x0D)");
    // Write limits from the rate, reads back to "at once".
    EXPECT_EQ(driver.calls.back(), "FT_W32_SetCommTimeouts(H1, {4294967295, 0, 0, 2, 100})");
    EXPECT_TRUE(uart.ImmediateRead);
    EXPECT_EQ(uart.Config.BaudRate, 19200);
}

TEST_F(UsbUartCalls, SetConfigPassesTheCodesOfEachSetting) {
    struct Case {
        TUartConfig config;
        const char* format;
        const char* flow;
        const char* timeouts;
    } cases[] = {
        {{19200, 8, 20, 0, 0}, "8, 2, 0", "0x0000", "{4294967295, 0, 0, 2, 100}"},
        {{9600, 7, 10, 2, 0}, "7, 0, 2", "0x0000", "{4294967295, 0, 0, 2, 100}"},
        {{9600, 8, 10, 4, 1}, "8, 0, 4", "0x0100", "{4294967295, 0, 0, 2, 100}"},
        {{9600, 8, 10, 1, 2}, "8, 0, 1", "0x0400", "{4294967295, 0, 0, 2, 100}"},
        {{9600, 8, 10, 3, 3}, "8, 0, 3", "0x0000", "{4294967295, 0, 0, 2, 100}"},
        // 833 * 8 + 3 = 6667 microseconds a character: 6 ms, twice over.
        {{1200, 8, 10, 0, 0}, "8, 0, 0", "0x0000", "{4294967295, 0, 0, 12, 100}"},
        {{300, 7, 10, 0, 0}, "7, 0, 0", "0x0000", "{4294967295, 0, 0, 46, 100}"},
    };
    for (const Case& c : cases) {
        TUsbUart fresh;
        ASSERT_TRUE(fresh.Open(1));
        driver.calls.clear();
        EXPECT_TRUE(fresh.SetConfig(c.config));
        EXPECT_THAT(driver.calls,
                    Contains(std::string("FT_SetDataCharacteristics(H1, ") + c.format + ")"));
        EXPECT_THAT(driver.calls,
                    Contains(std::string("FT_SetFlowControl(H1, ") + c.flow + ", 0x0B, 0x0D)"));
        EXPECT_EQ(driver.calls.back(),
                  std::string("FT_W32_SetCommTimeouts(H1, ") + c.timeouts + ")");
    }
}

TEST_F(UsbUartCalls, SetConfigRefusedKeepsConfigAndStopsAtTheRefusedStep) {
    open();
    TUartConfig nineBits{19200, 9, 10, 0, 0};
    EXPECT_FALSE(uart.SetConfig(nineBits));
    EXPECT_EQ(driver.calls, Calls{"FT_SetBaudRate(H1, 19200)"});
    EXPECT_EQ(uart.Config.BaudRate, 9600);
    EXPECT_EQ(uart.Config.DataBits, 8);

    driver.calls.clear();
    EXPECT_FALSE(uart.SetConfig({19200, 8, 15, 0, 0}));
    EXPECT_EQ(driver.calls, Calls{"FT_SetBaudRate(H1, 19200)"});

    driver.calls.clear();
    driver.script("FT_SetBaudRate", Reply::Status(FT_INVALID_BAUD_RATE));
    EXPECT_FALSE(uart.SetConfig({19200, 8, 10, 0, 0}));
    EXPECT_EQ(driver.calls.size(), 1u);

    driver.calls.clear();
    driver.script("FT_SetFlowControl", Reply::Status(FT_IO_ERROR));
    EXPECT_FALSE(uart.SetConfig({19200, 8, 10, 0, 0}));
    EXPECT_EQ(driver.calls.size(), 3u);
    EXPECT_EQ(uart.Config.BaudRate, 9600);
}

TEST_F(UsbUartCalls, SetConfigWithAnUnknownCodeRaisesTheSwitchErrorAfterTheStepsBefore) {
    open();
    ASSERT_TRUE(uart.SetReadTimeouts(300, 20));
    driver.calls.clear();
    EXPECT_THAT(raised([&] { uart.SetConfig({19200, 8, 10, 5, 0}); }), RaisedAt(Switch));
    EXPECT_EQ(driver.calls, Calls{"FT_SetBaudRate(H1, 19200)"});
    EXPECT_EQ(uart.Config.BaudRate, 9600);
    EXPECT_FALSE(uart.ImmediateRead);

    driver.calls.clear();
    EXPECT_THAT(raised([&] { uart.SetConfig({19200, 8, 10, 0, 4}); }), RaisedAt(Switch));
    EXPECT_EQ(driver.calls,
              (Calls{"FT_SetBaudRate(H1, 19200)", "FT_SetDataCharacteristics(H1, 8, 0, 0)"}));
    EXPECT_EQ(uart.Config.BaudRate, 9600);
}

TEST_F(UsbUartCalls, SetReadTimeoutsWritesTheTimedReadFieldsOnly) {
    open();
    ASSERT_TRUE(uart.SetConfig({19200, 8, 10, 0, 0}));
    struct Case {
        int total, perByte;
        const char* record;
    } cases[] = {
        {300, 20, "{0, 20, 300, 2, 100}"}, {10, 20, "{0, 20, 400, 2, 100}"},
        {20, 20, "{0, 20, 400, 2, 100}"},  {0, 5, "{0, 5, 100, 2, 100}"},
        {-50, 5, "{0, 5, 100, 2, 100}"},   {250, 0, "{0, 0, 250, 2, 100}"},
    };
    for (const Case& c : cases) {
        driver.calls.clear();
        EXPECT_TRUE(uart.SetReadTimeouts(c.total, c.perByte));
        EXPECT_EQ(driver.calls.back(), std::string("FT_W32_SetCommTimeouts(H1, ") + c.record + ")");
        EXPECT_FALSE(uart.ImmediateRead);
    }
    driver.script("FT_W32_SetCommTimeouts", Reply::Failed());
    EXPECT_FALSE(uart.SetReadTimeouts(300, 20));
    driver.script("FT_W32_SetCommTimeouts", Reply::Failed());
    EXPECT_FALSE(uart.SetReadImmediate());
    EXPECT_TRUE(uart.ImmediateRead);
}

// Limits that would make the driver wait for ever are refused like (0, 0).
TEST_F(UsbUartCalls, SetReadTimeoutsWithoutAnyLimitRaises) {
    open();
    for (auto [total, perByte] :
         std::initializer_list<std::pair<int, int>>{{0, 0}, {-5, 0}, {300, -1}}) {
        EXPECT_THAT(raised([&] { uart.SetReadTimeouts(total, perByte); }), RaisedAt(OnFile));
    }
    EXPECT_TRUE(driver.calls.empty());
    EXPECT_TRUE(uart.ImmediateRead);
}

TEST_F(UsbUartCalls, TimedReadAsksForOneByteThenForTheRest) {
    open();
    ASSERT_TRUE(uart.SetReadTimeouts(300, 20));
    std::uint8_t buffer[10] = {};

    driver.calls.clear();
    driver.scriptRead("A");
    EXPECT_EQ(uart.Read(buffer, 1), 1u);
    EXPECT_EQ(driver.calls, Calls{"FT_W32_ReadFile(H1, &buffer, 1, &count, null)"});

    driver.calls.clear();
    driver.scriptRead("B");
    driver.scriptRead("CDE");
    EXPECT_EQ(uart.Read(buffer, 10), 4u);
    EXPECT_EQ(driver.calls, (Calls{"FT_W32_ReadFile(H1, &buffer, 1, &count, null)",
                                   "FT_W32_ReadFile(H1, &buffer, 9, &count, null)"}));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 4), "BCDE");

    // Nothing within the first wait: no second call.
    driver.calls.clear();
    EXPECT_EQ(uart.Read(buffer, 10), 0u);
    EXPECT_EQ(driver.calls.size(), 1u);

    // A failure in either call loses what came.
    driver.script("FT_W32_ReadFile", Reply::Failed());
    EXPECT_EQ(uart.Read(buffer, 10), 0u);
    driver.scriptRead("F");
    driver.script("FT_W32_ReadFile", Reply::Failed());
    EXPECT_EQ(uart.Read(buffer, 10), 0u);

    driver.calls.clear();
    EXPECT_EQ(uart.Read(buffer, 0), 0u);
    EXPECT_TRUE(driver.calls.empty());
}

TEST_F(UsbUartCalls, ImmediateReadTakesWhatIsQueuedUpToTheCount) {
    open();
    std::uint8_t buffer[10] = {};
    struct Case {
        FT_STATUS status;
        DWORD queued;
        const char* bytes;
        std::uint32_t result;
        Calls calls;
    } cases[] = {
        {FT_OK, 0, "", 0, {"FT_GetQueueStatus(H1, &count)"}},
        {FT_IO_ERROR, 5, "", 0, {"FT_GetQueueStatus(H1, &count)"}},
        {FT_OK,
         3,
         "abc",
         3,
         {"FT_GetQueueStatus(H1, &count)", "FT_W32_ReadFile(H1, &buffer, 3, &count, null)"}},
        {FT_OK,
         30,
         "0123456789",
         10,
         {"FT_GetQueueStatus(H1, &count)", "FT_W32_ReadFile(H1, &buffer, 10, &count, null)"}},
    };
    for (const Case& c : cases) {
        driver.calls.clear();
        Reply queue = Reply::Value(c.queued);
        queue.status = c.status;
        driver.script("FT_GetQueueStatus", queue);
        if (c.result > 0)
            driver.scriptRead(c.bytes);
        EXPECT_EQ(uart.Read(buffer, 10), c.result);
        EXPECT_EQ(driver.calls, c.calls);
    }
    driver.scriptQueue(4);
    driver.script("FT_W32_ReadFile", Reply::Failed());
    EXPECT_EQ(uart.Read(buffer, 10), 0u);
}

TEST_F(UsbUartCalls, WriteHandsTheBytesOverOnce) {
    open();
    const std::uint8_t request[] = {0x5A, 0x10, 0x00};
    EXPECT_EQ(uart.Write(request, 3), 3u);
    EXPECT_EQ(driver.calls, Calls{"FT_W32_WriteFile(H1, [5A 10 00], 3, &count, null)"});

    driver.script("FT_W32_WriteFile", Reply::Value(1));
    EXPECT_EQ(uart.Write(request, 3), 1u);
    Reply failed = Reply::Failed();
    failed.value = 2;
    driver.script("FT_W32_WriteFile", failed);
    EXPECT_EQ(uart.Write(request, 3), 0u);
    EXPECT_EQ(driver.calls.size(), 3u);
}

TEST_F(UsbUartCalls, PurgeRepeatsWhileBytesRemainAndRaisesAfterTen) {
    open();
    uart.Purge();
    EXPECT_EQ(driver.calls, (Calls{"FT_Purge(H1, 3)", "FT_GetQueueStatus(H1, &count)"}));

    driver.calls.clear();
    driver.scriptQueue(1);
    driver.scriptQueue(7);
    uart.Purge();
    EXPECT_EQ(driver.calls.size(), 6u);

    driver.calls.clear();
    driver.script("FT_GetQueueStatus", Reply::Status(FT_IO_ERROR));
    uart.Purge();
    EXPECT_EQ(driver.calls.size(), 2u);

    driver.calls.clear();
    for (int i = 0; i < 10; ++i)
        driver.scriptQueue(1);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_THAT(raised([&] { uart.Purge(); }), RaisedAt(OnFile));
    // Ten pauses of 50 ms, the last one before giving up.
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    EXPECT_EQ(driver.calls.size(), 20u);
}

TEST_F(UsbUartCalls, ModemStatusAsksWithAZeroPresetAndTestsOneBitEach) {
    EXPECT_FALSE(uart.GetCts());
    EXPECT_TRUE(driver.calls.empty());
    open();
    driver.modemStatus = MS_CTS_ON | MS_RLSD_ON;
    EXPECT_TRUE(uart.GetCts());
    EXPECT_FALSE(uart.GetDsr());
    EXPECT_FALSE(uart.GetRing());
    EXPECT_TRUE(uart.GetDcd());
    driver.modemStatus = MS_DSR_ON | MS_RING_ON;
    EXPECT_TRUE(uart.GetDsr());
    EXPECT_TRUE(uart.GetRing());
    EXPECT_EQ(driver.calls.front(), "FT_W32_GetCommModemStatus(H1, 0)");
    Reply failed = Reply::Failed();
    failed.value = 0xFF;
    driver.script("FT_W32_GetCommModemStatus", failed);
    EXPECT_FALSE(uart.GetDsr());
}

TEST_F(UsbUartCalls, OutputControlsIgnoreTheResultAndRecordTheRequest) {
    open();
    driver.script("FT_SetDtr", Reply::Status(FT_IO_ERROR));
    uart.SetDtr(true);
    uart.SetRts(true);
    uart.SetBreak(true);
    EXPECT_TRUE(uart.Dtr && uart.Rts && uart.Break);
    uart.SetDtr(false);
    uart.SetRts(false);
    uart.SetBreak(false);
    EXPECT_FALSE(uart.Dtr || uart.Rts || uart.Break);
    EXPECT_EQ(driver.calls, (Calls{"FT_SetDtr(H1)", "FT_SetRts(H1)", "FT_SetBreakOn(H1)",
                                   "FT_ClrDtr(H1)", "FT_ClrRts(H1)", "FT_SetBreakOff(H1)"}));
}

TEST_F(UsbUartCalls, OperationsOnAClosedObjectRaiseBeforeTouchingTheDriver) {
    std::uint8_t buffer[4] = {};
    const std::vector<std::pair<const char*, std::function<void()>>> operations = {
        {"Write", [&] { uart.Write(buffer, 4); }},
        {"Read", [&] { uart.Read(buffer, 4); }},
        {"Purge", [&] { uart.Purge(); }},
        {"SetReadImmediate", [&] { uart.SetReadImmediate(); }},
        {"SetReadTimeouts", [&] { uart.SetReadTimeouts(300, 20); }},
        {"SetReadTimeouts(0, 0)", [&] { uart.SetReadTimeouts(0, 0); }},
        {"SetConfig",
         [&] {
             uart.SetConfig({19200, 8, 10, 0, 0});
         }},
        {"SetConfig(parity 5)",
         [&] {
             uart.SetConfig({19200, 8, 10, 5, 0});
         }},
        {"SetDtr", [&] { uart.SetDtr(true); }},
        {"SetRts", [&] { uart.SetRts(true); }},
        {"SetBreak", [&] { uart.SetBreak(true); }},
    };
    auto check = [&](const char* when) {
        for (const auto& [name, operation] : operations)
            EXPECT_THAT(raised(operation), RaisedAt(OnFile)) << name << " " << when;
        EXPECT_TRUE(driver.calls.empty()) << when;
        EXPECT_FALSE(uart.Dtr || uart.Rts || uart.Break);
    };
    check("never opened");
    open();
    uart.Close();
    driver.calls.clear();
    check("after Close");

    // These never raise on a closed object.
    uart.Close();
    TUartConfig config;
    uart.GetConfig(config);
    EXPECT_FALSE(uart.GetCts() || uart.GetDsr() || uart.GetRing() || uart.GetDcd());
    EXPECT_TRUE(driver.calls.empty());
}

} // namespace
