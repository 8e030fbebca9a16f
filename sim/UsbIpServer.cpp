// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/UsbIpServer.h"

#include "sim/MemoryFile.h"
#include "sim/StopPipe.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace sim {

UsbIpServer::UsbIpServer(AdapterFirmware& firmware, Options options)
    : firmware_(firmware), options_(std::move(options)) {}

UsbIpServer::~UsbIpServer() {
    for (auto& connection : connections_)
        ::close(connection->fd);
    if (listener_ >= 0)
        ::close(listener_);
}

bool UsbIpServer::parseListen(const std::string& text, Options& options, std::string& error) {
    const auto colon = text.rfind(':');
    const std::string address = colon == std::string::npos ? "127.0.0.1" : text.substr(0, colon);
    const std::string port = colon == std::string::npos ? text : text.substr(colon + 1);
    in_addr parsed{};
    char* end = nullptr;
    const long number = std::strtol(port.c_str(), &end, 10);
    if (port.empty() || *end != '\0' || number < 0 || number > 65535) {
        error = "bad --usbip " + text + " (a port, or ADDRESS:PORT)";
        return false;
    }
    if (::inet_pton(AF_INET, address.c_str(), &parsed) != 1) {
        error = "bad --usbip " + text + ": " + address + " is no IPv4 address";
        return false;
    }
    options.address = address;
    options.port = static_cast<int>(number);
    return true;
}

bool UsbIpServer::open(std::string& error) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listener_ < 0) {
        error = std::string("cannot make a socket: ") + std::strerror(errno);
        return false;
    }
    const int yes = 1;
    ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(options_.port));
    ::inet_pton(AF_INET, options_.address.c_str(), &address.sin_addr);
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 4) != 0) {
        error = "cannot listen on " + options_.address + ":" + std::to_string(options_.port) +
                ": " + std::strerror(errno);
        return false;
    }
    socklen_t size = sizeof address;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    return true;
}

void UsbIpServer::note(const std::string& line) const {
    if (options_.verbose)
        std::fprintf(stderr, "brookfetch-adapter-sim: %s\n", line.c_str());
}

void UsbIpServer::accept() {
    const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0)
        return;
    // Every exchange of the adapter is a few small packets; Nagle would hold each one back.
    const int yes = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
    auto connection = std::make_unique<Connection>();
    connection->fd = fd;
    connections_.push_back(std::move(connection));
}

void UsbIpServer::unplug() {
    device_.reset();
    pendingIn_.clear();
    std::fprintf(stderr, "brookfetch-adapter-sim: unplugged\n");
}

void UsbIpServer::readFrom(Connection& connection) {
    std::uint8_t buffer[4096];
    const ssize_t n = ::read(connection.fd, buffer, sizeof buffer);
    if (n < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    if (n <= 0) {
        connection.closing = true;
        connection.out.clear();
        return;
    }
    connection.in.insert(connection.in.end(), buffer, buffer + n);
    if (connection.imported)
        handleUrbs(connection);
    else
        handleOp(connection);
}

void UsbIpServer::writeTo(Connection& connection) {
    while (!connection.out.empty()) {
        const ssize_t n =
            ::send(connection.fd, connection.out.data(), connection.out.size(), MSG_NOSIGNAL);
        if (n > 0) {
            connection.out.erase(connection.out.begin(), connection.out.begin() + n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN) {
            connection.closing = true;
            connection.out.clear();
        }
        return;
    }
}

void UsbIpServer::handleOp(Connection& connection) {
    if (connection.in.size() < usbip::OpHeaderSize)
        return;
    const usbip::OpHeader header = usbip::parseOpHeader(connection.in.data());
    const std::size_t size = usbip::opRequestSize(header.code);
    if (size == 0) {
        note("unknown USB/IP operation " + std::to_string(header.code));
        connection.closing = true;
        return;
    }
    if (connection.in.size() < size)
        return;
    if (header.code == usbip::OpReqDevlist) {
        // Listed as it would be plugged in, also while someone else has imported it.
        const FtdiUsbDevice shown(firmware_, options_.identity, ChipModel::Clock::now());
        connection.out = usbip::devlistReply({shown.exported(BusId)});
        connection.closing = true;
        return;
    }
    const std::string busId = usbip::importBusId(connection.in.data());
    connection.in.erase(connection.in.begin(), connection.in.begin() + static_cast<long>(size));
    if (busId != BusId || device_) {
        connection.out = usbip::importReply(nullptr);
        connection.closing = true;
        note("import of " + busId + " refused");
        return;
    }
    device_ = std::make_unique<FtdiUsbDevice>(firmware_, options_.identity, ChipModel::Clock::now(),
                                              options_.timing, options_.delay, &options_.faults);
    const usbip::ExportedDevice exported = device_->exported(BusId);
    connection.out = usbip::importReply(&exported);
    connection.imported = true;
    std::fprintf(stderr, "brookfetch-adapter-sim: plugged in\n");
    handleUrbs(connection);
}

void UsbIpServer::handleUrbs(Connection& connection) {
    std::size_t used = 0;
    while (!connection.closing && connection.in.size() - used >= usbip::UrbHeaderSize) {
        const usbip::UrbHeader header = usbip::parseUrbHeader(connection.in.data() + used);
        const std::size_t payload = usbip::urbPayloadSize(header);
        if (connection.in.size() - used < usbip::UrbHeaderSize + payload)
            break;
        const std::uint8_t* data = connection.in.data() + used + usbip::UrbHeaderSize;
        used += usbip::UrbHeaderSize + payload;
        if (header.command == usbip::CmdSubmit) {
            submit(connection, header, data);
        } else if (header.command == usbip::CmdUnlink) {
            const auto found =
                std::find_if(pendingIn_.begin(), pendingIn_.end(), [&header](const PendingIn& p) {
                    return p.seqnum == header.unlinkSeqnum;
                });
            // A transfer already returned is no longer ours to cancel.
            const bool pending = found != pendingIn_.end();
            if (pending)
                pendingIn_.erase(found);
            const auto reply =
                usbip::retUnlink(header.seqnum, pending ? usbip::StatusConnReset : 0);
            connection.out.insert(connection.out.end(), reply.begin(), reply.end());
        } else {
            note("unknown USB/IP command " + std::to_string(header.command));
            connection.closing = true;
            break;
        }
    }
    connection.in.erase(connection.in.begin(), connection.in.begin() + static_cast<long>(used));
}

void UsbIpServer::submit(Connection& connection, const usbip::UrbHeader& header,
                         const std::uint8_t* data) {
    const auto now = ChipModel::Clock::now();
    std::vector<std::uint8_t> reply;
    if (header.endpoint == 0) {
        const usbip::Setup setup = usbip::Setup::from(header.setup);
        const std::vector<std::uint8_t> outData(
            data, data + (header.direction == usbip::DirOut ? header.transferLength : 0));
        if (device_->advance(now))
            saveServedMemory(options_.memoryFile, firmware_.memory());
        const FtdiUsbDevice::ControlAnswer answer = device_->control(setup, outData, now);
        note(answer.log);
        if (answer.stall)
            reply = usbip::retSubmit(header.seqnum, usbip::StatusPipe, 0);
        else if (header.direction == usbip::DirIn)
            reply = usbip::retSubmit(header.seqnum, 0,
                                     static_cast<std::uint32_t>(std::min<std::size_t>(
                                         answer.data.size(), header.transferLength)),
                                     answer.data);
        else
            reply = usbip::retSubmit(header.seqnum, 0, header.transferLength);
    } else if (header.direction == usbip::DirOut &&
               header.endpoint == (FtdiUsbDevice::BulkOut & 0x0F)) {
        if (device_->advance(now))
            saveServedMemory(options_.memoryFile, firmware_.memory());
        switch (device_->bulkOut(data, header.transferLength, now)) {
        case FtdiUsbDevice::OutResult::Taken:
            reply = usbip::retSubmit(header.seqnum, 0, header.transferLength);
            break;
        case FtdiUsbDevice::OutResult::Stalled:
            reply = usbip::retSubmit(header.seqnum, usbip::StatusPipe, 0);
            break;
        case FtdiUsbDevice::OutResult::Gone:
            dropOffTheBus(connection);
            return;
        }
    } else if (header.direction == usbip::DirIn &&
               header.endpoint == (FtdiUsbDevice::BulkIn & 0x0F) && header.transferLength >= 2) {
        pendingIn_.push_back({header.seqnum, header.transferLength});
        return;
    } else {
        reply = usbip::retSubmit(header.seqnum, usbip::StatusPipe, 0);
    }
    connection.out.insert(connection.out.end(), reply.begin(), reply.end());
}

void UsbIpServer::releaseIn(Connection& connection) {
    const auto now = ChipModel::Clock::now();
    if (device_->advance(now))
        saveServedMemory(options_.memoryFile, firmware_.memory());
    for (const std::string& line : device_->takeLog())
        note(line);
    while (!pendingIn_.empty()) {
        auto packet = device_->bulkIn(now);
        for (const std::string& line : device_->takeLog())
            note(line);
        if (!packet)
            break;
        if (packet->gone) {
            dropOffTheBus(connection);
            return;
        }
        const PendingIn in = pendingIn_.front();
        pendingIn_.pop_front();
        std::vector<std::uint8_t>& bytes = packet->bytes;
        bytes.resize(std::min<std::size_t>(bytes.size(), in.length));
        const auto reply =
            packet->stall
                ? usbip::retSubmit(in.seqnum, usbip::StatusPipe, 0)
                : usbip::retSubmit(in.seqnum, 0, static_cast<std::uint32_t>(bytes.size()), bytes);
        connection.out.insert(connection.out.end(), reply.begin(), reply.end());
    }
}

void UsbIpServer::dropOffTheBus(Connection& connection) {
    // Nothing more goes back: to the host the device is gone, as when a cable is pulled.
    for (const std::string& line : device_->takeLog())
        note(line);
    connection.out.clear();
    connection.closing = true;
}

int UsbIpServer::run() {
    // The chip's latency timer ticks at whole milliseconds; a late wake-up would add to each.
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    for (;;) {
        Connection* importer = nullptr;
        for (auto& connection : connections_)
            if (connection->imported && !connection->closing)
                importer = connection.get();
        if (importer)
            releaseIn(*importer);

        std::vector<pollfd> fds;
        fds.push_back({stopRequests(), POLLIN, 0});
        fds.push_back({listener_, POLLIN, 0});
        for (auto& connection : connections_)
            fds.push_back({connection->fd,
                           static_cast<short>(POLLIN | (connection->out.empty() ? 0 : POLLOUT)),
                           0});
        timespec timeout{};
        const timespec* wait = nullptr;
        if (importer) {
            if (const auto next = device_->nextEvent(!pendingIn_.empty())) {
                const auto left = std::max<ChipModel::Clock::duration>(
                    *next - ChipModel::Clock::now(), ChipModel::Clock::duration::zero());
                const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left);
                timeout.tv_sec = static_cast<time_t>(ns.count() / 1000000000);
                timeout.tv_nsec = static_cast<long>(ns.count() % 1000000000);
                wait = &timeout;
            }
        }
        if (::ppoll(fds.data(), fds.size(), wait, nullptr) < 0) {
            if (errno == EINTR)
                continue;
            std::fprintf(stderr, "brookfetch-adapter-sim: poll: %s\n", std::strerror(errno));
            return 1;
        }
        if (fds[0].revents & POLLIN)
            return 0;
        if (fds[1].revents & POLLIN)
            accept();
        for (std::size_t i = 0; i + 2 < fds.size() && i < connections_.size(); ++i) {
            Connection& connection = *connections_[i];
            if (fds[i + 2].revents & (POLLIN | POLLHUP | POLLERR))
                readFrom(connection);
            if (!connection.out.empty())
                writeTo(connection);
        }
        // A connection is closed once it has said all it had to; the importer's is an unplug.
        std::erase_if(connections_, [this](const std::unique_ptr<Connection>& connection) {
            if (!connection->closing || !connection->out.empty())
                return false;
            if (connection->imported)
                unplug();
            ::close(connection->fd);
            return true;
        });
    }
}

} // namespace sim
