// SPDX-License-Identifier: GPL-3.0-or-later
#include "adapter/TarnAdapter.h"

#include "adapter/TarnProtocol.h"

#include "Library/Serial/USB/UsbUart.h"
#include "platform/d2xx/D2xxTrace.h"
#include "platform/framework/Exceptions.h"

#include <algorithm>
#include <cstring>
#include <thread>

namespace {

// The frame, lead byte included, fits 64 bytes.
constexpr int MaxRequest = 63;
using TBytes = std::vector<std::uint8_t>;

// How many reads the most frequent of these values leads the next one by, and that value.
int Lead(const std::vector<TBytes>& reads, const TBytes*& best) {
    int first = 0;
    int second = 0;
    best = nullptr;
    for (auto value = reads.begin(); value != reads.end(); ++value) {
        if (std::find(reads.begin(), value, *value) != value)
            continue; // counted at its first read
        const auto same = static_cast<int>(std::count(value, reads.end(), *value));
        if (same > first) {
            second = first;
            first = same;
            best = &*value;
        } else if (same > second) {
            second = same;
        }
    }
    return first - second;
}

// An open that failed without a reason from the system failed for another one.
TAdapterOpen::TProblem ProblemOf(d2xx::OpenRefusal refusal) {
    return refusal == d2xx::OpenRefusal::None ? TAdapterOpen::TProblem::OpenFailed : refusal;
}

} // namespace

// ---- TTarnAdapter -------------------------------------------------------------------------

TTarnAdapter::TTarnAdapter()
    : Monitor(nullptr), Description("USB FETCHer Adapter"), FailedAttempts(0),
      UnansweredRequests(0) {}

TTarnAdapter::~TTarnAdapter() = default;

TAdapterOpen TTarnAdapter::Open() {
    TAdapterOpen result;
    if (Uart) {
        if (Uart->IsOpen())
            return result;
        throw Exception(ErrorOnFile());
    }
    if (!TUsbUart::DriverAvailable()) {
        result.Problem = TAdapterOpen::TProblem::DriverMissing;
        return result;
    }
    // The adapter is the one device with its description, or with its description and the
    // chosen serial number or port. A look that finds it lists each device's description once,
    // and the serial numbers only to choose by them.
    std::int32_t index = -1;
    int candidates = 0;
    const auto look = [&](TUsbUart::TListing listing) {
        index = -1;
        candidates = 0;
        result.Attached.clear();
        result.AttachedPorts.clear();
        for (const TUsbDevice& device : TUsbUart::ListDevices(listing)) {
            if (device.Description != Description)
                continue;
            result.Attached << device.SerialNumber;
            result.AttachedPorts << device.Port;
            if ((!SerialNumber.isEmpty() && device.SerialNumber != SerialNumber) ||
                (!Port.isEmpty() && device.Port != Port))
                continue;
            ++candidates;
            index = device.Index;
        }
    };
    look(SerialNumber.isEmpty() ? TUsbUart::TListing::Descriptions
                                : TUsbUart::TListing::WithSerialNumbers);
    if (candidates != 1 && NamesAttached && SerialNumber.isEmpty() && !result.Attached.isEmpty())
        look(TUsbUart::TListing::WithSerialNumbers);
    if (candidates != 1) {
        result.Problem =
            candidates == 0 ? TAdapterOpen::TProblem::NotFound : TAdapterOpen::TProblem::Several;
        return result;
    }
    result.Attached.clear();
    result.AttachedPorts.clear();
    OpenUart(index, result);
    return result;
}

bool TTarnAdapter::Connect() {
    return Open().Ok();
}

bool TTarnAdapter::OpenUart(std::int32_t index, TAdapterOpen& result) {
    auto uart = std::make_unique<TUsbUart>();
    uart->LatencyMs = Timing.LatencyMs;
    d2xx::OpenFailure failure;
    if (!uart->Open(index, failure)) {
        result.Problem = ProblemOf(failure.reason);
        result.Port = QString::fromStdString(failure.path);
        result.SerialNumber = QString::fromStdString(failure.serial);
        return false;
    }
    TUartConfig config;
    config.BaudRate = 19200;
    config.DataBits = 8;
    config.StopBits = 10;
    config.Parity = 0;
    config.FlowControl = 0;
    // The results are not looked at: a refusal shows up as a failed exchange.
    uart->SetConfig(config);
    // After SetConfig, which switches reads back to immediate mode.
    uart->SetReadTimeouts(Timing.ReadTotalMs, Timing.ReadPerByteMs);
    uart->Purge();
    result = {};
    Uart = std::move(uart);
    return true;
}

void TTarnAdapter::Disconnect() {
    Uart.reset();
}

bool TTarnAdapter::Send(const std::uint8_t* request, int length) {
    if (request == nullptr || length < 1 || length > MaxRequest)
        throw Exception(ErrorOnFile());
    if (!Connect())
        return false;
    std::uint8_t frame[MaxRequest + 1];
    frame[0] = tarn::LeadByte;
    std::memcpy(frame + 1, request, static_cast<std::size_t>(length));
    Uart->Purge();
    const auto expected = static_cast<std::uint32_t>(length + 1);
    if (Uart->Write(frame, expected) != expected) {
        Note(QStringLiteral("Unable send\n"));
        Disconnect();
        return false;
    }
    Note(TTraceSink::Request, request, length);
    return true;
}

bool TTarnAdapter::Receive(std::uint8_t* reply, int length) {
    if (reply == nullptr || length < 1)
        throw Exception(ErrorOnFile());
    if (!Connect())
        return false;
    if (Uart->Read(reply, 1) != 1)
        return false; // nothing within the read time-out
    if (reply[0] != tarn::AckByte) {
        Note(TTraceSink::Unexpected, reply, 1);
        return false;
    }
    const std::uint32_t count = Uart->Read(reply, static_cast<std::uint32_t>(length));
    if (count == 0) {
        Note(QStringLiteral("Rx timeout\n"));
        return false;
    }
    if (count != static_cast<std::uint32_t>(length)) {
        Note(TTraceSink::Unexpected, reply, static_cast<int>(count));
        return false;
    }
    Note(TTraceSink::Reply, reply, length);
    return true;
}

bool TTarnAdapter::Transact(const std::uint8_t* request, int requestLength, std::uint8_t* reply,
                            int replyLength,
                            const std::function<bool(const std::uint8_t*)>& accept) {
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        // A link that went down has nothing to drain: the attempt looks for the adapter anew.
        if (attempt > 0 && Uart)
            WaitForQuietLine();
        if (!Send(request, requestLength)) {
            ++FailedAttempts;
            continue;
        }
        if (!Receive(reply, replyLength)) {
            ++UnansweredRequests;
            ++FailedAttempts;
            continue;
        }
        if (!accept || accept(reply))
            return true;
        ++FailedAttempts;
    }
    return false;
}

void TTarnAdapter::WaitForQuietLine() {
    std::this_thread::sleep_for(Timing.RetryPause);
    if (!Uart)
        return;
    Uart->SetReadTimeouts(static_cast<std::int32_t>(Timing.QuietGap.count()), 0);
    const auto giveUp = std::chrono::steady_clock::now() + Timing.QuietLimit;
    std::uint8_t dropped[64];
    while (std::chrono::steady_clock::now() < giveUp) {
        const std::uint32_t count = Uart->Read(dropped, sizeof dropped);
        if (count == 0)
            break;
        Note(TTraceSink::Unexpected, dropped, static_cast<int>(count));
    }
    Uart->SetReadTimeouts(Timing.ReadTotalMs, Timing.ReadPerByteMs);
}

void TTarnAdapter::Note(int direction, const std::uint8_t* bytes, int count) {
    if (Monitor)
        Monitor->TraceData(direction, bytes, count);
    if (!d2xx::tracing())
        return;
    // A support trace shows the frames as they went over the wire, with their lead and
    // acknowledge bytes; unexpected bytes as they came.
    std::vector<std::uint8_t> frame;
    if (direction == TTraceSink::Request)
        frame.push_back(tarn::LeadByte);
    else if (direction == TTraceSink::Reply)
        frame.push_back(tarn::AckByte);
    frame.insert(frame.end(), bytes, bytes + count);
    d2xx::traceFrame(direction == TTraceSink::Request ? "-->"
                     : direction == TTraceSink::Reply ? "<--"
                                                      : "<-!",
                     frame.data(), frame.size());
}

void TTarnAdapter::Note(const QString& text) {
    if (Monitor)
        Monitor->TraceText(text);
    d2xx::traceNote(text.trimmed().toStdString());
}

// ---- TTarnDevice --------------------------------------------------------------------------

TTarnDevice::TTarnDevice()
    : Version(0), SmallMemory(true), BlockSize(8), Capacity(256), StoredBytes(0),
      MayHaveChanged(false) {}

bool TTarnDevice::ReadVersion() {
    const std::uint8_t request[1] = {tarn::ReadVersion};
    std::uint8_t reply[2];
    if (!Transact(request, 1, reply, 2))
        return false;
    Version = static_cast<std::uint16_t>(reply[0] | reply[1] << 8);
    return true;
}

bool TTarnDevice::CheckConnector(TPresence& presence) {
    presence = TPresence::Absent;
    std::uint8_t request[1] = {tarn::ConnectorPresent};
    std::uint8_t reply[1];
    if (!Transact(request, 1, reply, 1))
        return false;
    if (reply[0] != tarn::Yes)
        return true; // any other answer says "no connector"
    request[0] = tarn::MemoryKind;
    if (!Transact(request, 1, reply, 1)) {
        // The adapter is there, but its answer about the connector did not come whole.
        presence = TPresence::Garbled;
        return true;
    }
    const bool large = reply[0] == tarn::Yes;
    SmallMemory = !large;
    BlockSize = large ? 32 : 8;
    Capacity = large ? 32768 : 256;
    presence = TPresence::Present;
    return true;
}

bool TTarnDevice::ReadBlock(int address, std::uint8_t* destination, int count) {
    if (destination == nullptr || count < 1 || count > tarn::MaxBlock)
        throw Exception(ErrorOnFile());
    std::uint8_t request[tarn::WriteRequestLength] = {};
    request[0] = SmallMemory ? tarn::ReadSmall : tarn::ReadLarge;
    request[1] = static_cast<std::uint8_t>(address & 0xFF);
    request[2] = static_cast<std::uint8_t>((address >> 8) & 0xFF);
    request[3] = static_cast<std::uint8_t>(count);
    std::uint8_t reply[tarn::MaxBlock];
    if (!Transact(request, 4, reply, count))
        return false;
    std::memcpy(destination, reply, static_cast<std::size_t>(count));
    return true;
}

bool TTarnDevice::WriteBlock(int address, const std::uint8_t* source, int count) {
    if (source == nullptr || count < 1 || count > tarn::MaxBlock)
        throw Exception(ErrorOnFile());
    std::uint8_t request[tarn::WriteRequestLength] = {};
    request[0] = SmallMemory ? tarn::WriteSmall : tarn::WriteLarge;
    request[1] = static_cast<std::uint8_t>(address & 0xFF);
    request[2] = static_cast<std::uint8_t>((address >> 8) & 0xFF);
    request[3] = static_cast<std::uint8_t>(count);
    std::memcpy(request + 4, source, static_cast<std::size_t>(count));
    std::uint8_t reply[1];
    return Transact(request, tarn::WriteRequestLength, reply, 1,
                    [](const std::uint8_t* answer) { return answer[0] == tarn::Yes; });
}

bool TTarnDevice::ReadMemory(int address, std::uint8_t* destination, int length) {
    // A zero length would divide by zero in the progress figures.
    if (destination == nullptr || length < 1 || BlockSize < 1)
        throw Exception(ErrorOnFile());
    if (OnProgress)
        OnProgress(0);
    for (const TBlock& block : Blocks(address, length, false)) {
        if (!ReadBlock(address + block.Offset, destination + block.Offset, block.Count))
            return false;
        if (OnProgress)
            OnProgress((block.Offset + block.Count) * 100 / length);
    }
    return true;
}

bool TTarnDevice::WriteMemory(int address, const std::uint8_t* source, int length) {
    if (source == nullptr || length < 1 || BlockSize < 1 || address < 0)
        throw Exception(ErrorOnFile());
    StoredBytes = 0;
    MayHaveChanged = false;
    if (OnProgress)
        OnProgress(0);
    for (const TBlock& block : Blocks(address, length, true)) {
        const int unansweredBefore = UnansweredRequests;
        if (!WriteBlock(address + block.Offset, source + block.Offset, block.Count)) {
            // A block whose request went out may have been stored although no answer said so;
            // one the adapter refused was not.
            MayHaveChanged = MayHaveChanged || UnansweredRequests != unansweredBefore;
            return false;
        }
        StoredBytes = block.Offset + block.Count;
        MayHaveChanged = true;
        if (OnProgress)
            OnProgress(StoredBytes * 100 / length);
    }
    return true;
}

std::vector<TTarnDevice::TBlock> TTarnDevice::Blocks(int address, int length, bool aligned) const {
    std::vector<TBlock> blocks;
    // An aligned cut ends its first block at the next multiple of BlockSize, so that no block
    // crosses one; the others follow BlockSize apart.
    int count = aligned ? BlockSize - address % BlockSize : BlockSize;
    for (int offset = 0; offset < length; offset += count, count = BlockSize)
        blocks.push_back({offset, std::min(count, length - offset)});
    return blocks;
}

bool TTarnDevice::ReadMemoryConfirmed(int address, std::uint8_t* destination, int length,
                                      int unchecked) {
    if (destination == nullptr || length < 1 || BlockSize < 1)
        throw Exception(ErrorOnFile());
    const std::vector<TBlock> blocks = Blocks(address, length, false);
    std::vector<std::vector<TBytes>> reads(blocks.size()); // every read of every block
    const int failedBefore = FailedAttempts;
    bool troubled = false;
    const auto taken = [&](std::size_t b) {
        const TBytes* best = nullptr;
        const int needed = blocks[b].Offset < unchecked ? 4 : troubled ? 3 : 2;
        return Lead(reads[b], best) >= needed;
    };

    // Two passes fill the bar; reads beyond them keep it just short of 100 until the whole
    // range is taken.
    const auto planned = static_cast<int>(2 * blocks.size());
    int done = 0;
    int shown = 0;
    const auto progress = [&](int percent) {
        shown = std::max(shown, percent);
        if (OnProgress)
            OnProgress(shown);
    };
    progress(0);
    for (int pass = 0; pass < ReadPasses; ++pass) {
        for (std::size_t b = 0; b < blocks.size(); ++b) {
            if (pass >= 2 && taken(b))
                continue;
            TBytes block(static_cast<std::size_t>(blocks[b].Count));
            if (!ReadBlock(address + blocks[b].Offset, block.data(), blocks[b].Count))
                return false;
            troubled = troubled || std::any_of(reads[b].begin(), reads[b].end(),
                                               [&block](const TBytes& r) { return r != block; });
            reads[b].push_back(std::move(block));
            ++done;
            progress(std::min(99, done * 100 / planned));
        }
        troubled = troubled || FailedAttempts != failedBefore;
        if (pass < 1)
            continue;
        bool all = true;
        for (std::size_t b = 0; b < blocks.size(); ++b)
            all = all && taken(b);
        if (all) {
            for (std::size_t b = 0; b < blocks.size(); ++b) {
                const TBytes* best = nullptr;
                Lead(reads[b], best);
                std::copy(best->begin(), best->end(), destination + blocks[b].Offset);
            }
            progress(100);
            return true;
        }
    }
    return false;
}

TTarnDevice::TComparison TTarnDevice::CompareMemory(int address, const std::uint8_t* expected,
                                                    std::uint8_t* actual, int length) {
    if (expected == nullptr || actual == nullptr || length < 1 || BlockSize < 1)
        throw Exception(ErrorOnFile());
    if (OnProgress)
        OnProgress(0);
    bool differs = false;
    for (const TBlock& block : Blocks(address, length, false)) {
        const TBytes wanted(expected + block.Offset, expected + block.Offset + block.Count);
        std::vector<TBytes> reads;
        const TBytes* taken = nullptr;
        while (taken == nullptr) {
            if (reads.size() == ReadPasses)
                return TComparison::Failed;
            TBytes bytes(static_cast<std::size_t>(block.Count));
            if (!ReadBlock(address + block.Offset, bytes.data(), block.Count))
                return TComparison::Failed;
            reads.push_back(std::move(bytes));
            // The expected bytes are taken at once: a damaged reply does not turn into them.
            // Other bytes must lead by three reads before the connector is said to hold them.
            const TBytes* best = nullptr;
            if (reads.back() == wanted)
                taken = &reads.back();
            else if (Lead(reads, best) >= 3)
                taken = best;
        }
        differs = differs || *taken != wanted;
        std::copy(taken->begin(), taken->end(), actual + block.Offset);
        if (OnProgress)
            OnProgress((block.Offset + block.Count) * 100 / length);
    }
    return differs ? TComparison::Differs : TComparison::Same;
}
