// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated adapter as a USB/IP device: its descriptors, control requests and bulk transfers.
#include "sim/FtdiUsbDevice.h"
#include "sim/UsbIpProtocol.h"

#include <gtest/gtest.h>

#include <bit>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using sim::FtdiUsbDevice;
using Bytes = std::vector<std::uint8_t>;
namespace usbip = sim::usbip;

// One control transfer as vhci-hcd sends it: packed, parsed as the server parses it, answered
// by the device and returned, then read back as the client reads the return.
struct Control {
    bool stall;
    Bytes data;
};
Control control(FtdiUsbDevice& device, std::uint8_t type, std::uint8_t request, std::uint16_t value,
                std::uint16_t index, std::uint16_t length, FtdiUsbDevice::TimePoint now) {
    usbip::UrbHeader command;
    command.command = usbip::CmdSubmit;
    command.seqnum = 7;
    command.direction = type & 0x80 ? usbip::DirIn : usbip::DirOut;
    command.transferLength = length;
    command.setup = usbip::Setup{type, request, value, index, length}.bytes();
    const Bytes wire = usbip::packCommand(command);
    EXPECT_EQ(wire.size(), usbip::UrbHeaderSize);

    const usbip::UrbHeader parsed = usbip::parseUrbHeader(wire.data());
    EXPECT_EQ(usbip::urbPayloadSize(parsed), 0u);
    const auto setup = usbip::Setup::from(parsed.setup);
    device.advance(now);
    const auto answer = device.control(setup, {}, now);
    const Bytes back =
        usbip::retSubmit(parsed.seqnum, answer.stall ? usbip::StatusPipe : 0,
                         static_cast<std::uint32_t>(answer.data.size()), answer.data);
    std::size_t used = 0;
    const auto ret = usbip::parseReturn(back, setup.in(), used);
    EXPECT_TRUE(ret);
    EXPECT_EQ(used, back.size());
    EXPECT_EQ(ret->header.command, usbip::RetSubmit);
    EXPECT_EQ(ret->header.seqnum, 7u);
    return {ret->status == usbip::StatusPipe, ret->data};
}

std::string fromUtf16(const Bytes& descriptor) {
    std::string text;
    for (std::size_t i = 2; i + 1 < descriptor.size(); i += 2)
        text += static_cast<char>(descriptor[i]);
    return text;
}

struct UsbDevice : ::testing::Test {
    sim::AdapterFirmware firmware;
    FtdiUsbDevice::TimePoint start = sim::ChipModel::Clock::now();
    FtdiUsbDevice device{firmware, {"USB FETCHer Adapter", "FT5XK2QA", "FTDI"}, start};

    Control ask(std::uint8_t type, std::uint8_t request, std::uint16_t value, std::uint16_t index,
                std::uint16_t length) {
        return control(device, type, request, value, index, length, start);
    }

    // Writes the version request and steps the clock until the reply's packet comes in;
    // returns how long that took, or a second when it never does.
    std::chrono::microseconds versionReplyTime(Bytes& packet) {
        const Bytes request{0x5A, 0x10};
        device.advance(start);
        device.bulkOut(request.data(), request.size(), start);
        for (auto now = start; now < start + 1s; now += 100us) {
            device.advance(now);
            if (auto in = device.bulkIn(now); in && in->bytes.size() > 2) {
                packet = in->bytes;
                return std::chrono::duration_cast<std::chrono::microseconds>(now - start);
            }
        }
        return 1s;
    }
};

TEST_F(UsbDevice, EnumeratesAsTheAdaptersFt232r) {
    const Control head = ask(0x80, 6, 0x0100, 0, 8); // the host's first look: 8 bytes
    ASSERT_FALSE(head.stall);
    EXPECT_EQ(head.data.size(), 8u);
    const Control full = ask(0x80, 6, 0x0100, 0, 18);
    ASSERT_EQ(full.data.size(), 18u);
    EXPECT_EQ(full.data[8] | full.data[9] << 8, 0x0403);
    EXPECT_EQ(full.data[10] | full.data[11] << 8, 0x6001);
    EXPECT_EQ(full.data[12] | full.data[13] << 8, 0x0600);

    const Control config = ask(0x80, 6, 0x0200, 0, 255);
    ASSERT_EQ(config.data.size(), 32u);
    EXPECT_EQ(config.data[2], 32); // total length
    EXPECT_EQ(config.data[9 + 9 + 2], FtdiUsbDevice::BulkIn);
    EXPECT_EQ(config.data[9 + 9 + 7 + 2], FtdiUsbDevice::BulkOut);

    EXPECT_EQ(fromUtf16(ask(0x80, 6, 0x0302, 0x0409, 255).data), "USB FETCHer Adapter");
    EXPECT_EQ(fromUtf16(ask(0x80, 6, 0x0303, 0x0409, 255).data), "FT5XK2QA");
    EXPECT_TRUE(ask(0x80, 6, 0x0600, 0, 10).stall); // no qualifier: a full-speed device
    EXPECT_FALSE(ask(0x00, 9, 1, 0, 0).stall);
    EXPECT_EQ(device.exported("1-1").configurationValue, 1);
}

TEST_F(UsbDevice, AnswersFtdiSiosVendorRequests) {
    for (const auto& [request, value] : std::vector<std::pair<std::uint8_t, std::uint16_t>>{
             {0x00, 0},      // reset
             {0x01, 0x0303}, // DTR and RTS on
             {0x02, 0},      // no flow control
             {0x03, 0xC09C}, // 19200 bit/s
             {0x04, 0x0008}, // 8N1
         })
        EXPECT_FALSE(ask(0x40, request, value, 0, 0).stall) << int(request);
    EXPECT_EQ(ask(0xC0, 0x0A, 0, 0, 1).data, Bytes{16}); // as at power-on
    EXPECT_FALSE(ask(0x40, 0x09, 1, 0, 0).stall);
    EXPECT_EQ(ask(0xC0, 0x0A, 0, 0, 1).data, Bytes{1});
    EXPECT_EQ(ask(0xC0, 0x05, 0, 0, 2).data.size(), 2u);
    EXPECT_TRUE(ask(0x40, 0x77, 0, 0, 0).stall);
}

TEST_F(UsbDevice, BulkInCarriesTheStatusAndTheReplyAtTheLatencyTheHostSet) {
    // The first packet only says the lines' state.
    device.advance(start);
    const auto first = device.bulkIn(start);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->bytes.size(), 2u);
    EXPECT_FALSE(device.bulkIn(start));

    ask(0x40, 0x09, 16, 0, 0);
    Bytes packet;
    const auto slow = versionReplyTime(packet);
    EXPECT_GE(slow, 15ms); // held until the 16 ms timer ticks
    ASSERT_EQ(packet.size(), 2u + 3u);
    EXPECT_EQ(packet[2], 0xA5);
    EXPECT_EQ(packet[3] | packet[4] << 8, sim::AdapterFirmware::DefaultVersion);

    start += 100ms;
    ask(0x40, 0x09, 1, 0, 0);
    EXPECT_LT(versionReplyTime(packet), 8ms); // the line time and a tick of 1 ms
}

// What the host gets for the version request from a chip on an ideal line when one fault of the
// USB line strikes once: on the request (its bulk OUT) or on the reply's packets.
struct Served {
    FtdiUsbDevice::OutResult out = FtdiUsbDevice::OutResult::Taken;
    Bytes data;          // the packets' data, in order
    int dataPackets = 0; // packets that carried data
    int withoutData = 0; // packets of the status bytes alone, or of nothing at all
    int stalls = 0;
    std::uint8_t flags = 0; // the line-status bits of the packets with data
    bool gone = false;
    std::chrono::milliseconds first{-1}; // when the first data came
};
Served serveVersion(sim::UsbFaults::Fault fault, bool onRequest) {
    sim::UsbFaults faults;
    sim::AdapterFirmware firmware;
    const auto start = sim::ChipModel::Clock::now();
    FtdiUsbDevice device(firmware, {}, start, sim::ChipModel::Timing::Instant, {}, &faults);
    device.advance(start);
    device.bulkIn(start); // the lines' first state
    const Bytes request{0x5A, 0x10};
    faults.set(fault, 0, onRequest ? 1 : 0);
    Served served;
    served.out = device.bulkOut(request.data(), request.size(), start);
    faults.set(fault, 0, onRequest ? 0 : 1);
    for (auto now = start; now < start + 200ms && !served.gone; now += 1ms) {
        device.advance(now);
        const auto packet = device.bulkIn(now);
        if (!packet)
            continue;
        served.gone = packet->gone;
        served.stalls += packet->stall;
        if (packet->bytes.size() <= 2) {
            served.withoutData += !packet->stall && !packet->gone;
            continue;
        }
        ++served.dataPackets;
        served.flags |= packet->bytes[1];
        served.data.insert(served.data.end(), packet->bytes.begin() + 2, packet->bytes.end());
        if (served.first < 0ms)
            served.first = std::chrono::duration_cast<std::chrono::milliseconds>(now - start);
    }
    EXPECT_EQ(faults.struck(fault), 1);
    return served;
}

// Each fault of the USB line strikes where it was set and only there: what it held back comes in
// the packets after it, what it damaged is flagged in the line status, a request it took is lost.
TEST(UsbLineFaults, EachStrikesOnceAndKeepsTheRest) {
    using Fault = sim::UsbFaults::Fault;
    using Out = FtdiUsbDevice::OutResult;
    const Bytes reply{0xA5, 0x05, 0x01}; // the version

    Served served = serveVersion(Fault::Stall, true);
    EXPECT_EQ(served.out, Out::Stalled);
    EXPECT_TRUE(served.data.empty());
    served = serveVersion(Fault::Stall, false);
    EXPECT_EQ(served.stalls, 1);
    EXPECT_EQ(served.data, reply);
    served = serveVersion(Fault::Disconnect, true);
    EXPECT_EQ(served.out, Out::Gone);
    served = serveVersion(Fault::Disconnect, false);
    EXPECT_TRUE(served.gone);
    EXPECT_TRUE(served.data.empty());

    served = serveVersion(Fault::Short, false);
    EXPECT_EQ(served.dataPackets, 2);
    EXPECT_EQ(served.data, reply);
    for (const Fault fault : {Fault::Empty, Fault::Zero}) {
        served = serveVersion(fault, false);
        EXPECT_EQ(served.withoutData, 1) << sim::UsbFaults::name(fault);
        EXPECT_EQ(served.data, reply) << sim::UsbFaults::name(fault);
    }
    served = serveVersion(Fault::Late, false);
    EXPECT_GE(served.first, sim::UsbFaults().lateDelay);
    EXPECT_EQ(served.data, reply);

    served = serveVersion(Fault::Overrun, false);
    EXPECT_EQ(served.flags & 0x0E, 0x02);
    EXPECT_EQ(served.data.size(), reply.size() - 1);
    for (const auto& [fault, flag] :
         {std::pair{Fault::Parity, 0x04}, std::pair{Fault::Framing, 0x08}}) {
        served = serveVersion(fault, false);
        EXPECT_EQ(served.flags & 0x0E, flag);
        ASSERT_EQ(served.data.size(), reply.size());
        int bits = 0;
        for (std::size_t i = 0; i < reply.size(); ++i)
            bits += std::popcount(static_cast<unsigned>(served.data[i] ^ reply[i]));
        EXPECT_EQ(bits, 1) << sim::UsbFaults::name(fault);
    }
}

TEST(UsbIpProtocol, OperationsAndUnlinkHaveTheirWireSizes) {
    sim::AdapterFirmware firmware;
    const FtdiUsbDevice device(firmware, {}, sim::ChipModel::Clock::now());
    const auto exported = device.exported("1-1");
    const Bytes list = usbip::devlistReply({exported});
    EXPECT_EQ(list.size(), usbip::OpHeaderSize + 4 + usbip::DeviceRecordSize + 4);
    EXPECT_EQ(usbip::parseOpHeader(list.data()).code, usbip::OpRepDevlist);
    EXPECT_EQ(usbip::importReply(&exported).size(), usbip::OpHeaderSize + 312);
    EXPECT_EQ(usbip::parseOpHeader(usbip::importReply(nullptr).data()).status, 1u);

    Bytes import{0x01, 0x11, 0x80, 0x03, 0, 0, 0, 0, '1', '-', '1'};
    import.resize(usbip::opRequestSize(usbip::OpReqImport), 0);
    EXPECT_EQ(usbip::importBusId(import.data()), "1-1");

    usbip::UrbHeader out;
    out.command = usbip::CmdSubmit;
    out.endpoint = 2;
    out.transferLength = 3;
    const Bytes wire = usbip::packCommand(out, {0x5A, 0x10, 0});
    EXPECT_EQ(usbip::urbPayloadSize(usbip::parseUrbHeader(wire.data())), 3u);

    usbip::UrbHeader unlink;
    unlink.command = usbip::CmdUnlink;
    unlink.seqnum = 9;
    unlink.unlinkSeqnum = 5;
    const auto parsed = usbip::parseUrbHeader(usbip::packCommand(unlink).data());
    EXPECT_EQ(parsed.unlinkSeqnum, 5u);
    std::size_t used = 0;
    const auto ret = usbip::parseReturn(usbip::retUnlink(9, usbip::StatusConnReset), false, used);
    ASSERT_TRUE(ret);
    EXPECT_EQ(ret->status, usbip::StatusConnReset);
    EXPECT_EQ(used, usbip::UrbHeaderSize);
}

// The kernel's vhci-hcd reads the words at fixed offsets; a word out of place fails only there.
TEST(UsbIpProtocol, UrbWordsStandWhereTheKernelReadsThem) {
    usbip::UrbHeader submit;
    submit.command = usbip::CmdSubmit;
    Bytes expected{0, 0, 0, 1};
    std::uint8_t n = 0;
    for (auto* word :
         {&submit.seqnum, &submit.devId, &submit.direction, &submit.endpoint, &submit.transferFlags,
          &submit.transferLength, &submit.startFrame, &submit.numberOfPackets, &submit.interval}) {
        *word = 0x01020300u + ++n;
        expected.insert(expected.end(), {1, 2, 3, n});
    }
    submit.setup = {0xC0, 0x05, 0, 0, 0, 0, 2, 0};
    expected.insert(expected.end(), submit.setup.begin(), submit.setup.end());
    EXPECT_EQ(usbip::packCommand(submit), expected);
    const Bytes ret = usbip::retSubmit(7, usbip::StatusPipe, 0x0A0B0C0D, {0x42});
    EXPECT_EQ(Bytes(ret.begin() + 20, ret.begin() + 28),
              (Bytes{0xFF, 0xFF, 0xFF, 0xE0, 0x0A, 0x0B, 0x0C, 0x0D}));
    EXPECT_EQ(ret.size(), usbip::UrbHeaderSize + 1);
}

} // namespace
