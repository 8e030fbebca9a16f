// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "adapter/TarnProtocol.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace sim {

// The USB adapter's firmware as a class: request bytes in, reply bytes out, with the
// connector memory behind it and switches for what a person or a test wants to go wrong.
// Single-threaded: whoever serves it (a pseudo-terminal loop, an in-process device) calls it
// from one thread.
class AdapterFirmware {
public:
    using Clock = std::chrono::steady_clock;

    static constexpr std::uint16_t DefaultVersion = 0x0105;
    static constexpr std::size_t SmallSize = 256;
    static constexpr std::size_t LargeSize = 32768;
    static constexpr std::size_t ImageSize = 128;

    // The sampler's default parameter image, which a fresh connector memory starts with.
    static const std::array<std::uint8_t, ImageSize>& defaultImage();

    // ---- framing, separate from executing ---------------------------------------------

    enum class FrameCheck {
        NeedMore, // a frame has begun and is not complete yet
        Invalid,  // the bytes at the front are no frame: drop `length` of them
        Complete, // a whole frame of `length` bytes, lead byte included
    };
    struct FrameScan {
        FrameCheck check;
        std::size_t length;
    };
    // Request bytes after the lead byte for a command; 0 for an unknown command.
    static int requestLength(std::uint8_t command);
    // Looks at the front of a byte stream. Bytes before a lead byte, and a lead byte followed
    // by an unknown command, are Invalid.
    static FrameScan scanFrame(const std::uint8_t* data, std::size_t size);

    // A complete request, decoded (lead byte stripped).
    struct Request {
        std::uint8_t command = 0;
        std::uint16_t address = 0;                       // block commands
        int count = 0;                                   // block commands
        std::array<std::uint8_t, tarn::MaxBlock> data{}; // write commands
        std::vector<std::uint8_t> raw;                   // the request bytes after the lead byte
    };
    static Request decode(const std::uint8_t* frame, std::size_t length);

    // ---- faults -----------------------------------------------------------------------

    enum class Fault {
        DropReply,   // the request goes unanswered
        WrongAck,    // the reply starts with another byte than 0xA5
        ShortReply,  // the last reply byte is missing
        CorruptByte, // one reply byte after the acknowledge byte is changed
        RefuseWrite, // a block write answers "not written" and stores nothing
        LoseWrite,   // a block write answers 2 and stores nothing
        Chatter,     // after the reply the adapter keeps sending noise for a while
        SlowAnswer,  // the reply comes after slowDelay
    };
    static constexpr int FaultCount = 8;
    static const char* faultName(Fault fault); // "drop", "wrong-ack", ...
    // The fault of a name given by faultName(); nothing for an unknown name.
    static std::optional<Fault> faultByName(const std::string& name);

    // A fault setting as a person types it: a count ("3": the next 3 exchanges) or a
    // probability ("0.1" or "10%"). Nothing when the text is neither.
    struct FaultPlan {
        double probability = 0;
        int count = 0;
    };
    static std::optional<FaultPlan> parseFaultPlan(const std::string& text);

    // A fault strikes the next `count` exchanges it applies to, then each further one with
    // `probability`. Block-write faults apply to block writes only.
    void setFault(Fault fault, double probability, int count = 0);
    void clearFaults();
    void setSeed(std::uint32_t seed);
    // After this many more requests the adapter is pulled from the USB port: nothing answers
    // any more. Negative: plugged in for good (again).
    void setUnplugAfter(int requests) { unplugAt_ = requests < 0 ? -1 : requests_ + requests; }
    std::chrono::milliseconds slowDelay{600};    // beyond the host's 320 ms read time-out
    std::chrono::milliseconds chatterSpan{1500}; // how long one bout of chatter lasts

    // ---- switches ---------------------------------------------------------------------

    explicit AdapterFirmware(bool smallMemory = true);

    bool connectorPresent() const { return present_; }
    void setConnectorPresent(bool present) { present_ = present; }
    bool smallMemory() const { return memory_.size() == SmallSize; }
    // Plugs a connector of the other kind: the common bytes are kept, new ones read 0xFF.
    void setSmallMemory(bool small);
    std::uint16_t version() const { return version_; }
    void setVersion(std::uint16_t version) { version_ = version; }
    // The bytes this adapter answers for "no connector" and "small memory". Only "present" and
    // "large" have a fixed byte; adapters differ in what they send for the other answer.
    std::uint8_t absentAnswer = 0;
    std::uint8_t smallAnswer = 1;
    static constexpr std::uint8_t NotWritten = 0; // a refused block write

    std::vector<std::uint8_t>& memory() { return memory_; }
    const std::vector<std::uint8_t>& memory() const { return memory_; }
    // A fresh memory of the current kind: the default image, then erased bytes (0xFF).
    void resetMemory();
    // Fills the memory from stored bytes; missing bytes keep the fresh contents.
    void loadMemory(const std::vector<std::uint8_t>& bytes);

    // ---- serving ----------------------------------------------------------------------

    struct Answer {
        std::vector<std::uint8_t> reply;    // acknowledge byte first; empty when nothing goes out
        std::chrono::milliseconds delay{0}; // extra wait before the reply (slow answer)
        std::vector<std::uint8_t> frame;    // the request, lead byte included
        bool stored = false;                // the connector memory changed
        std::string log;                    // what the firmware made of the request
        // The line of a verbose log: the request in hex, then `log`.
        std::string logLine() const;
    };

    // The host sent these bytes. Returns an answer for every request they complete. A frame
    // left incomplete for longer than frameGap is dropped when the next bytes come.
    std::vector<Answer> receive(const std::uint8_t* data, std::size_t size,
                                Clock::time_point now = Clock::now());
    std::chrono::milliseconds frameGap{200};

    // True while a bout of chatter lasts; the server then sends noise() now and then.
    bool chattering(Clock::time_point now = Clock::now()) const { return now < chatterUntil_; }
    void stopChatter() { chatterUntil_ = Clock::time_point{}; }
    std::uint8_t noise(); // a random byte, never the acknowledge byte

    // Everything the host asked, lead byte included, in order; for tests and logs. Only the
    // most recent requests are kept once MaxFrames is reached.
    static constexpr std::size_t MaxFrames = 4096;
    const std::vector<std::vector<std::uint8_t>>& frames() const { return frames_; }
    void clearFrames() { frames_.clear(); }

    // Executes one request on the memory, without faults: the reply with its acknowledge
    // byte, or nothing for a request the firmware does not answer.
    std::vector<std::uint8_t> execute(const Request& request, bool& stored);

private:
    struct FaultRule {
        double probability = 0;
        int count = 0;
    };
    bool strikes(Fault fault);

    bool present_ = true;
    std::uint16_t version_ = DefaultVersion;
    std::vector<std::uint8_t> memory_;
    std::array<FaultRule, FaultCount> faults_{};
    std::mt19937 random_{1};
    std::vector<std::uint8_t> pending_;
    Clock::time_point pendingSince_{};
    Clock::time_point chatterUntil_{};
    std::vector<std::vector<std::uint8_t>> frames_;
    int requests_ = 0; // counted for setUnplugAfter
    int unplugAt_ = -1;
};

} // namespace sim
