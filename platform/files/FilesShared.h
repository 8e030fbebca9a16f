// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the files of each system share: the parts of a load and a save that do not touch the
// system. Only platform/files includes this.

#include "platform/files/Files.h"

#include <cstdint>
#include <functional>

namespace files {

// A function that reads into a buffer: the count, 0 at the end, -1 on an error.
using TReader = std::function<long long(char* into, std::size_t size)>;
// Reads up to `atMost` bytes, looking for one more to set Longer: Loaded, Short below
// `atLeast`, or Unreadable on an error.
TLoadedFile ReadUpTo(std::size_t atMost, std::size_t atLeast, const TReader& read);
// Hands everything `read` gives to `take`, part by part, up to its end: Loaded, or Unreadable
// on an error.
TLoadedFile ReadParts(const TReader& read, const std::function<void(std::string_view)>& take);
// A load that read nothing, and why.
TLoadedFile Failed(TLoadResult result, TFileFailure failure = {});
// A short name for a save's new copy beside the file: hidden, and never one that a listing of
// "*.port" or "*.brk" would pick up.
std::string AsideName();
// A log line as it goes out in one write: ended, and begun on a line of its own when the file's
// last line is still open.
std::string Record(std::string_view line, bool lineOpen);

// The byte an appending program locks while it looks at the file's end and writes its line: far
// beyond the end of any file, so that it keeps no reader out (Windows' locks are binding on
// reads), and the same on both systems, so that Linux and Windows computers sharing a folder
// exclude each other.
constexpr std::uint64_t AppendLockOffset = std::uint64_t(1) << 62;
enum class TLockTry { Taken, Busy, Unsupported };
// Tries `lock` until it is taken, for a few seconds at most; false when it was not (a file
// system without locks, or a holder that does not let go): the line then goes out unlocked.
bool TakeLock(const std::function<TLockTry()>& lock);

} // namespace files
