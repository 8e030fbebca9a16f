// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/AdapterFirmware.h"
#include "sim/FtdiUsbDevice.h"

#include <chrono>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace sim {

// Serves the adapter as a USB/IP device on a TCP port, for Linux's vhci-hcd (`usbip attach`):
// the kernel's own ftdi_sio then drives it as /dev/ttyUSBn. An import plugs the adapter in;
// the importer closing its connection (a detach) pulls it out again, and the next import
// plugs in a fresh chip. Ending the server pulls it out for good.
class UsbIpServer {
public:
    struct Options {
        std::string address = "127.0.0.1";
        int port = 3240;
        FtdiUsbDevice::Identity identity;
        ChipModel::Timing timing = ChipModel::Timing::Chip;
        std::chrono::milliseconds delay{0};
        bool verbose = false;
        std::string memoryFile; // empty: the memory lives only as long as the program
        UsbFaults faults;       // of the USB line, for every import
    };
    static constexpr const char* BusId = "1-1";

    UsbIpServer(AdapterFirmware& firmware, Options options);
    ~UsbIpServer();
    UsbIpServer(const UsbIpServer&) = delete;
    UsbIpServer& operator=(const UsbIpServer&) = delete;

    // Parses "[ADDRESS:]PORT" into the options. False with a message.
    static bool parseListen(const std::string& text, Options& options, std::string& error);

    // Listens on the address and port. False with a message in `error`.
    bool open(std::string& error);
    // The port listened on (the one given, or the system's choice for 0).
    int port() const { return port_; }

    // Serves until a stop request (StopPipe.h); returns the exit code.
    int run();
    // What the USB line's faults have struck so far: "stall 2, short 5, ...".
    std::string faultSummary() const { return options_.faults.summary(); }

private:
    struct Connection {
        int fd = -1;
        std::vector<std::uint8_t> in;
        std::vector<std::uint8_t> out;
        bool imported = false;
        bool closing = false; // close once `out` is sent (after a list reply)
    };
    struct PendingIn {
        std::uint32_t seqnum;
        std::uint32_t length;
    };
    void accept();
    void readFrom(Connection& connection);
    void writeTo(Connection& connection);
    void handleOp(Connection& connection);
    void handleUrbs(Connection& connection);
    void submit(Connection& connection, const usbip::UrbHeader& header, const std::uint8_t* data);
    void releaseIn(Connection& connection);
    void dropOffTheBus(Connection& connection);
    void unplug();
    void note(const std::string& line) const;

    AdapterFirmware& firmware_;
    Options options_;
    int listener_ = -1;
    int port_ = 0;
    std::vector<std::unique_ptr<Connection>> connections_;
    std::unique_ptr<FtdiUsbDevice> device_; // while imported
    std::deque<PendingIn> pendingIn_;       // bulk IN transfers the host waits on, oldest first
};

} // namespace sim
