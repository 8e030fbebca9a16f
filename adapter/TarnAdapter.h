// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/d2xx/OpenFailure.h"

#include <QString>
#include <QStringList>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TUsbUart;

// What the adapter says about its connector socket.
enum class TPresence {
    Absent,  // no connector: any answer but "present"
    Present, // a connector is plugged in
    Garbled, // "present", but the question about its memory kind got no whole answer
};

// How an attempt to bring the link up ended: opened, or why not.
struct TAdapterOpen {
    // The D2XX layer's list of reasons (platform/d2xx/OpenFailure.h); None: the link is up.
    using TProblem = d2xx::OpenRefusal;
    TProblem Problem = TProblem::None;
    QString Port;         // the refused device node (InUse, PortBusy, NoPermission)
    QString SerialNumber; // the refused or silent adapter's serial number
    // Serial numbers of the attached devices with the adapter's description, in list order
    // (NotFound, Several), and their ports.
    QStringList Attached;
    QStringList AttachedPorts;

    bool Ok() const { return Problem == TProblem::None; }
};

// Receives the bytes that pass the adapter link: a test's view of them. A user's trace takes them
// from the driver's trace instead (platform/d2xx/D2xxTrace.h).
class TTraceSink {
public:
    enum : int { Reply = 1, Request = 2, Unexpected = 3 };

    virtual ~TTraceSink() = default;
    // direction 1: a reply received in full (after the acknowledge byte); 2: a request sent
    // (without the lead byte); 3: unexpected bytes (wrong acknowledge, short reply).
    virtual void TraceData(int direction, const std::uint8_t* bytes, int count) = 0;
    // "Unable send\n" and "Rx timeout\n".
    virtual void TraceText(const QString& text) = 0;
};

// The host side of the framed request/reply link to the USB adapter. The link comes up on
// demand at the first exchange and goes down when a send fails.
class TTarnAdapter {
public:
    static constexpr int Attempts = 5;
    // The adapter's USB chip holds every reply until its latency timer ticks: at the chip's
    // usual 16 ms a read of the connector takes twice its line time. The link sets this timer
    // whenever it opens the adapter, whoever uses it.
    static constexpr std::int32_t ShortLatencyMs = 2;

    // The link's timing. A read of n reply bytes waits at most ReadTotalMs + ReadPerByteMs n.
    // Before an exchange is tried again, the line gets a short rest and then must stay silent
    // for QuietGap (the adapter's 16 ms USB latency and a few characters more) before the
    // request goes out again; noise that keeps up beyond QuietLimit is waited for no longer.
    struct TTiming {
        std::int32_t ReadTotalMs = 300;
        std::int32_t ReadPerByteMs = 20;
        std::chrono::milliseconds RetryPause{20};
        std::chrono::milliseconds QuietGap{20};
        std::chrono::milliseconds QuietLimit{1000};
        // The USB chip's latency timer, set at every opening of the link.
        std::int32_t LatencyMs = ShortLatencyMs;
    };

    TTarnAdapter();
    ~TTarnAdapter();
    TTarnAdapter(const TTarnAdapter&) = delete;
    TTarnAdapter& operator=(const TTarnAdapter&) = delete;

    std::unique_ptr<TUsbUart> Uart; // null while the link is down
    TTraceSink* Monitor;            // not owned
    QString Description;            // "USB FETCHer Adapter"
    // When set, only the adapter with this serial number, or at this port, is used, also when
    // the link comes up again after a failed send: a transfer never moves to another adapter.
    QString SerialNumber;
    QString Port;
    // When set, an adapter that cannot be told apart (none of the attached ones is the chosen
    // one, or several are) has the serial numbers of the attached ones listed for a message
    // that names them; otherwise a serial number is listed only to choose by it.
    bool NamesAttached = false;
    // Attempts of exchanges that failed (no answer, a damaged or refused reply), counted since
    // construction: tells a transfer that the line is in trouble.
    int FailedAttempts;
    // Requests that went out but got no whole reply, counted since construction: a block write
    // among them may have been stored.
    int UnansweredRequests;
    TTiming Timing; // taken when the link comes up and at every wait for a quiet line

    // Finds the adapter and opens it unless the link is up; says why when it cannot.
    TAdapterOpen Open();
    bool Connect(); // Open(), as a yes or no
    // Opens the device at this index of the device list with the adapter's line settings and
    // time-outs and keeps it as Uart.
    bool OpenUart(std::int32_t index, TAdapterOpen& result);
    void Disconnect();
    // A request of 1 to 63 bytes goes out behind the lead byte; other lengths raise.
    bool Send(const std::uint8_t* request, int length);
    // Exactly `length` (at least 1) reply bytes behind the acknowledge byte.
    bool Receive(std::uint8_t* reply, int length);
    // One exchange, tried up to Attempts times; an attempt succeeds when the whole reply came
    // and `accept`, when given, takes it. Before each further attempt the line is let fall
    // silent (WaitForQuietLine): an exchange reads or writes one block, so asking again does no
    // harm, and noise or a late reply must not meet the next attempt.
    bool Transact(const std::uint8_t* request, int requestLength, std::uint8_t* reply,
                  int replyLength, const std::function<bool(const std::uint8_t*)>& accept = {});
    // Rests Timing.RetryPause, then drops what arrives until nothing has come for QuietGap, or
    // QuietLimit has passed. The dropped bytes are traced as unexpected.
    void WaitForQuietLine();

private:
    // What passed the link, for the monitor and for the driver's trace (d2xx::startTrace).
    void Note(int direction, const std::uint8_t* bytes, int count);
    void Note(const QString& text);
};

// The adapter's command set: version, connector presence and memory kind, block transfers.
class TTarnDevice : public TTarnAdapter {
public:
    TTarnDevice();

    std::function<void(int)> OnProgress; // percent done, called between blocks
    std::uint16_t Version;               // high byte major, low byte minor
    bool SmallMemory;
    int BlockSize; // 8 small, 32 large; the small values until a connector is found
    int Capacity;  // 256 small, 32768 large

    bool ReadVersion();
    // False when the adapter did not answer. A connector that is present has its memory kind
    // asked, which sets SmallMemory, BlockSize and Capacity; when that exchange fails the
    // presence is Garbled.
    bool CheckConnector(TPresence& presence);
    // One command each; a block is 1 to 32 bytes, other counts raise. A block write answered
    // by anything but "written" is sent again like an exchange without an answer.
    bool ReadBlock(int address, std::uint8_t* destination, int count);
    bool WriteBlock(int address, const std::uint8_t* source, int count); // true when stored
    // Any length of at least 1 (less raises), in blocks, with OnProgress between them. Writes
    // never cross a multiple of BlockSize. Both stop at the first block that fails all its
    // attempts.
    bool ReadMemory(int address, std::uint8_t* destination, int length);
    bool WriteMemory(int address, const std::uint8_t* source, int length);
    // What the last WriteMemory left on the connector: how many of its bytes, from the start,
    // the adapter said it stored, and whether the connector may have changed at all (a block
    // was stored, or a block's request went out and no whole answer came).
    int StoredBytes;
    bool MayHaveChanged;

    // A read that is believed. The range is read in passes, two at least; a block is taken
    // once one value has come back two reads more often than any other. As soon as this read
    // meets a damaged or missing reply (two reads of a block that differ, an exchange tried
    // again), the line is in trouble and every block needs a lead of three reads: two damaged
    // replies alike are then no longer enough to pass. The blocks of the first `unchecked`
    // bytes, which no checksum will look at afterwards, need a lead of four on any line. At
    // most ReadPasses reads a block.
    // OnProgress runs once from 0 to 100 over the whole read.
    static constexpr int ReadPasses = 10;
    bool ReadMemoryConfirmed(int address, std::uint8_t* destination, int length, int unchecked = 0);

    // Reads the range back and compares it with `expected`. A block that reads back as expected
    // is taken; one that does not is read again, and differs only once other bytes lead by
    // three reads (a damaged reply must not pass for a connector that does not keep its
    // bytes). `actual` then holds the connector's bytes. OnProgress runs once from 0 to 100.
    enum class TComparison { Same, Differs, Failed };
    TComparison CompareMemory(int address, const std::uint8_t* expected, std::uint8_t* actual,
                              int length);

private:
    struct TBlock {
        int Offset;
        int Count;
    };
    // The blocks a transfer of `length` bytes from `address` is cut into, offsets from the
    // address: BlockSize each, the last one shorter; `aligned` (writes) ends the first block at
    // the next multiple of BlockSize.
    std::vector<TBlock> Blocks(int address, int length, bool aligned) const;
};
