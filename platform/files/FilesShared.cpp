// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/FilesShared.h"

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>
#include <vector>

namespace files {

TLoadedFile ReadUpTo(std::size_t atMost, std::size_t atLeast, const TReader& read) {
    TLoadedFile loaded;
    std::string& bytes = loaded.Bytes;
    char chunk[16384];
    for (;;) {
        // One byte past the limit tells whether there is more.
        const std::size_t wanted =
            std::min(sizeof chunk, atMost - std::min(atMost, bytes.size()) + 1);
        const long long count = read(chunk, wanted);
        if (count < 0)
            return Failed(TLoadResult::Unreadable);
        if (count == 0)
            break;
        bytes.append(chunk, static_cast<std::size_t>(count));
        if (bytes.size() > atMost) {
            bytes.resize(atMost);
            loaded.Longer = true;
            break;
        }
    }
    loaded.Result = bytes.size() < atLeast ? TLoadResult::Short : TLoadResult::Loaded;
    return loaded;
}

TLoadedFile ReadParts(const TReader& read, const std::function<void(std::string_view)>& take) {
    // One buffer, used again and again: memory that is new to the program costs more to touch
    // than reading the file does.
    std::vector<char> part(std::size_t(1) << 20);
    for (;;) {
        const long long count = read(part.data(), part.size());
        if (count < 0)
            return Failed(TLoadResult::Unreadable);
        if (count == 0)
            return Failed(TLoadResult::Loaded);
        take(std::string_view(part.data(), static_cast<std::size_t>(count)));
    }
}

TLoadedFile Failed(TLoadResult result, TFileFailure failure) {
    TLoadedFile loaded;
    loaded.Result = result;
    loaded.Failure = failure;
    return loaded;
}

std::string AsideName() {
    static thread_local std::mt19937 random{std::random_device{}()};
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = ".brookfetch-";
    for (int i = 0; i < 8; ++i)
        name += Letters[random() % (sizeof Letters - 1)];
    return name + ".tmp";
}

std::string Record(std::string_view line, bool lineOpen) {
    std::string record;
    record.reserve(line.size() + 2);
    if (lineOpen)
        record += '\n';
    record.append(line);
    record += '\n';
    return record;
}

bool TakeLock(const std::function<TLockTry()>& lock) {
    using namespace std::chrono;
    // Another program holds it for one write; a holder that does not let go (a computer cut off
    // from the network folder) must not keep our record from being written.
    const auto giveUp = steady_clock::now() + seconds(5);
    auto pause = milliseconds(1);
    for (;;) {
        const TLockTry tried = lock();
        if (tried != TLockTry::Busy)
            return tried == TLockTry::Taken;
        if (steady_clock::now() >= giveUp)
            return false;
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, milliseconds(50));
    }
}

} // namespace files
