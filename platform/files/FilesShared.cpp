#include "platform/files/FilesShared.h"

#include <algorithm>
#include <random>

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

} // namespace files
