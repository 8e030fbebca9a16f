// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/AdapterFirmware.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace sim {

namespace {

// The sampler's defaults as it encodes them; the last two bytes are the checksum 0xFDBC.
std::array<std::uint8_t, AdapterFirmware::ImageSize> makeDefaultImage() {
    std::array<std::uint8_t, AdapterFirmware::ImageSize> image{};
    const std::uint8_t head[] = {0xDC, 0x05, 0x00, 0x00, 0x0A, 0x0A, 0x0A, 0x84,
                                 0x03, 0x08, 0xB1, 0xA8, 0x3C, 0x01, 0x00, 0x00};
    std::copy(std::begin(head), std::end(head), image.begin());
    image[126] = 0xBC;
    image[127] = 0xFD;
    return image;
}

std::string hexWord(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", value & 0xFFFFu);
    return text;
}

} // namespace

std::string AdapterFirmware::Answer::logLine() const {
    std::string line;
    char part[4];
    for (std::size_t i = 0; i < frame.size(); ++i) {
        std::snprintf(part, sizeof part, i ? " %02X" : "%02X", frame[i]);
        line += part;
    }
    return line + ": " + log;
}

const std::array<std::uint8_t, AdapterFirmware::ImageSize>& AdapterFirmware::defaultImage() {
    static const auto image = makeDefaultImage();
    return image;
}

int AdapterFirmware::requestLength(std::uint8_t command) {
    switch (command) {
    case tarn::ReadVersion:
    case tarn::ConnectorPresent:
    case tarn::MemoryKind:
        return 1;
    case tarn::ReadSmall:
    case tarn::ReadLarge:
        return 4;
    case tarn::WriteSmall:
    case tarn::WriteLarge:
        return tarn::WriteRequestLength;
    default:
        return 0;
    }
}

AdapterFirmware::FrameScan AdapterFirmware::scanFrame(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return {FrameCheck::NeedMore, 0};
    if (data[0] != tarn::LeadByte) {
        // Noise before a frame: skip up to the next lead byte.
        const auto* lead = std::find(data, data + size, tarn::LeadByte);
        return {FrameCheck::Invalid, static_cast<std::size_t>(lead - data)};
    }
    if (size < 2)
        return {FrameCheck::NeedMore, 0};
    const int length = requestLength(data[1]);
    if (length == 0)
        return {FrameCheck::Invalid, 1}; // resynchronise on whatever follows the lead byte
    const std::size_t frame = 1 + static_cast<std::size_t>(length);
    if (size < frame)
        return {FrameCheck::NeedMore, 0};
    return {FrameCheck::Complete, frame};
}

AdapterFirmware::Request AdapterFirmware::decode(const std::uint8_t* frame, std::size_t length) {
    Request request;
    request.raw.assign(frame + 1, frame + length);
    request.command = frame[1];
    if (length >= 5) {
        request.address = static_cast<std::uint16_t>(frame[2] | frame[3] << 8);
        request.count = frame[4];
    }
    if (length >= 5 + tarn::MaxBlock)
        std::copy(frame + 5, frame + 5 + tarn::MaxBlock, request.data.begin());
    return request;
}

const char* AdapterFirmware::faultName(Fault fault) {
    switch (fault) {
    case Fault::DropReply:
        return "drop";
    case Fault::WrongAck:
        return "wrong-ack";
    case Fault::ShortReply:
        return "short";
    case Fault::CorruptByte:
        return "corrupt";
    case Fault::RefuseWrite:
        return "refuse-write";
    case Fault::LoseWrite:
        return "lose-write";
    case Fault::Chatter:
        return "chatter";
    case Fault::SlowAnswer:
        return "slow";
    }
    return "?";
}

std::optional<AdapterFirmware::Fault> AdapterFirmware::faultByName(const std::string& name) {
    for (int i = 0; i < FaultCount; ++i) {
        const auto fault = static_cast<Fault>(i);
        if (name == faultName(fault))
            return fault;
    }
    return std::nullopt;
}

std::optional<AdapterFirmware::FaultPlan> AdapterFirmware::parseFaultPlan(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    FaultPlan plan;
    char* end = nullptr;
    if (text.back() == '%' || text.find('.') != std::string::npos) {
        const std::string number = text.back() == '%' ? text.substr(0, text.size() - 1) : text;
        if (number.empty())
            return std::nullopt;
        plan.probability = std::strtod(number.c_str(), &end);
        if (*end != '\0')
            return std::nullopt;
        if (text.back() == '%')
            plan.probability /= 100.0;
        if (!(plan.probability >= 0.0 && plan.probability <= 1.0))
            return std::nullopt;
        return plan;
    }
    const long count = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || count < 0 || count > 1000000)
        return std::nullopt;
    plan.count = static_cast<int>(count);
    return plan;
}

AdapterFirmware::AdapterFirmware(bool smallMemory) : memory_(smallMemory ? SmallSize : LargeSize) {
    resetMemory();
}

void AdapterFirmware::setFault(Fault fault, double probability, int count) {
    auto& rule = faults_[static_cast<std::size_t>(fault)];
    rule.probability = std::clamp(probability, 0.0, 1.0);
    rule.count = std::max(count, 0);
}

void AdapterFirmware::clearFaults() {
    faults_ = {};
    stopChatter();
}

void AdapterFirmware::setSeed(std::uint32_t seed) {
    random_.seed(seed);
}

bool AdapterFirmware::strikes(Fault fault) {
    auto& rule = faults_[static_cast<std::size_t>(fault)];
    if (rule.count > 0) {
        --rule.count;
        return true;
    }
    if (rule.probability <= 0)
        return false;
    return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < rule.probability;
}

void AdapterFirmware::setSmallMemory(bool small) {
    const std::size_t size = small ? SmallSize : LargeSize;
    memory_.resize(size, 0xFF);
}

void AdapterFirmware::resetMemory() {
    std::fill(memory_.begin(), memory_.end(), 0xFF);
    std::copy(defaultImage().begin(), defaultImage().end(), memory_.begin());
}

void AdapterFirmware::loadMemory(const std::vector<std::uint8_t>& bytes) {
    resetMemory();
    std::copy_n(bytes.begin(), std::min(bytes.size(), memory_.size()), memory_.begin());
}

std::uint8_t AdapterFirmware::noise() {
    // Random bytes look like a line in trouble; never the acknowledge byte, so that noise
    // cannot pass for the start of a reply.
    const auto byte =
        static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 254)(random_));
    return byte >= tarn::AckByte ? static_cast<std::uint8_t>(byte + 1) : byte;
}

std::vector<std::uint8_t> AdapterFirmware::execute(const Request& request, bool& stored) {
    stored = false;
    std::vector<std::uint8_t> reply{tarn::AckByte};
    switch (request.command) {
    case tarn::ReadVersion:
        reply.push_back(static_cast<std::uint8_t>(version_ & 0xFF));
        reply.push_back(static_cast<std::uint8_t>(version_ >> 8));
        return reply;
    case tarn::ConnectorPresent:
        reply.push_back(present_ ? tarn::Yes : absentAnswer);
        return reply;
    case tarn::MemoryKind:
        // Without a connector there is nothing to tell; the adapter says "small".
        reply.push_back(present_ && !smallMemory() ? tarn::Yes : smallAnswer);
        return reply;
    case tarn::ReadSmall:
    case tarn::ReadLarge:
        if (request.count < 1 || request.count > tarn::MaxBlock)
            return {};
        for (int i = 0; i < request.count; ++i) {
            // An empty socket reads like an erased memory.
            const std::size_t at = (request.address + static_cast<std::size_t>(i)) % memory_.size();
            reply.push_back(present_ ? memory_[at] : 0xFF);
        }
        return reply;
    case tarn::WriteSmall:
    case tarn::WriteLarge:
        if (request.count < 1 || request.count > tarn::MaxBlock)
            return {};
        if (!present_) {
            reply.push_back(NotWritten);
            return reply;
        }
        for (int i = 0; i < request.count; ++i) {
            const std::size_t at = (request.address + static_cast<std::size_t>(i)) % memory_.size();
            memory_[at] = request.data[static_cast<std::size_t>(i)];
        }
        stored = true;
        reply.push_back(tarn::Yes);
        return reply;
    default:
        return {};
    }
}

std::vector<AdapterFirmware::Answer>
AdapterFirmware::receive(const std::uint8_t* data, std::size_t size, Clock::time_point now) {
    // A real adapter forgets a half-received frame when the line falls silent; without
    // this a request cut short would swallow the start of the host's next attempt.
    if (!pending_.empty() && now - pendingSince_ > frameGap)
        pending_.clear();
    if (pending_.empty())
        pendingSince_ = now;
    pending_.insert(pending_.end(), data, data + size);

    std::vector<Answer> answers;
    for (;;) {
        const FrameScan scan = scanFrame(pending_.data(), pending_.size());
        if (scan.check == FrameCheck::NeedMore)
            break;
        if (scan.check == FrameCheck::Invalid) {
            pending_.erase(pending_.begin(), pending_.begin() + static_cast<long>(scan.length));
            pendingSince_ = now;
            continue;
        }
        const Request request = decode(pending_.data(), scan.length);
        // A simulator left running for hours keeps only the recent requests.
        if (frames_.size() >= MaxFrames)
            frames_.erase(frames_.begin(), frames_.begin() + MaxFrames / 2);
        frames_.emplace_back(pending_.begin(), pending_.begin() + static_cast<long>(scan.length));
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<long>(scan.length));
        pendingSince_ = now;

        Answer answer;
        answer.frame = frames_.back();
        if (unplugAt_ >= 0 && requests_ >= unplugAt_) {
            answer.log = "unplugged: no answer";
            answers.push_back(std::move(answer));
            continue;
        }
        ++requests_;
        const bool write =
            request.command == tarn::WriteSmall || request.command == tarn::WriteLarge;
        std::string faults;
        auto note = [&faults](Fault fault) {
            faults += faults.empty() ? " [" : ", ";
            faults += faultName(fault);
        };

        // A refused or lost write must not touch the memory, so it is decided first.
        bool refuse = false;
        bool lose = false;
        if (write && present_) {
            refuse = strikes(Fault::RefuseWrite);
            lose = !refuse && strikes(Fault::LoseWrite);
        }
        std::vector<std::uint8_t> saved;
        if (refuse || lose)
            saved = memory_;
        bool stored = false;
        answer.reply = execute(request, stored);
        if ((refuse || lose) && !answer.reply.empty()) {
            note(refuse ? Fault::RefuseWrite : Fault::LoseWrite);
            memory_.swap(saved);
            stored = false;
            if (refuse)
                answer.reply = {tarn::AckByte, NotWritten};
        }
        answer.stored = stored;

        switch (request.command) {
        case tarn::ReadVersion:
            answer.log = "version";
            break;
        case tarn::ConnectorPresent:
            answer.log = "connector present";
            break;
        case tarn::MemoryKind:
            answer.log = "memory kind";
            break;
        default:
            answer.log = std::string(write ? "write " : "read ") + std::to_string(request.count) +
                         " at " + hexWord(request.address) +
                         (request.command == tarn::ReadLarge || request.command == tarn::WriteLarge
                              ? " (large)"
                              : "");
        }

        if (answer.reply.empty()) {
            answer.log += " -> no answer (invalid count)";
        } else {
            // Faults of the line, after the firmware has done its work.
            if (strikes(Fault::DropReply)) {
                note(Fault::DropReply);
                answer.reply.clear();
            }
            if (!answer.reply.empty() && strikes(Fault::WrongAck)) {
                note(Fault::WrongAck);
                answer.reply[0] = static_cast<std::uint8_t>(tarn::AckByte ^ 0xFF);
            }
            if (!answer.reply.empty() && strikes(Fault::CorruptByte)) {
                note(Fault::CorruptByte);
                const std::size_t at = 1 + std::uniform_int_distribution<std::size_t>(
                                               0, answer.reply.size() - 2)(random_);
                answer.reply[at] ^= 0x5A;
            }
            if (!answer.reply.empty() && strikes(Fault::ShortReply)) {
                note(Fault::ShortReply);
                answer.reply.pop_back();
            }
            if (strikes(Fault::SlowAnswer)) {
                note(Fault::SlowAnswer);
                answer.delay = slowDelay;
            }
            if (strikes(Fault::Chatter)) {
                note(Fault::Chatter);
                chatterUntil_ = now + answer.delay + chatterSpan;
            }
            char reply[8];
            std::snprintf(reply, sizeof reply, "%zu", answer.reply.size());
            answer.log +=
                std::string(" -> ") + reply + " bytes" + faults + (faults.empty() ? "" : "]");
        }
        answers.push_back(std::move(answer));
    }
    if (pending_.empty())
        pendingSince_ = now;
    return answers;
}

} // namespace sim
