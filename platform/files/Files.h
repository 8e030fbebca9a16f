// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

// Whole files, loaded and saved the one way every part of the program does it: configuration
// files, the settings, the language store, port files, the simulator's connector memory. Names
// are the system's own (bytes on Linux, UTF-16 on Windows) and are used as given: no link is
// resolved here, so the system's own protections for links keep applying.

// Why a load or a save failed, as the system told it: what a message names to the user.
enum class TFileReason {
    None,
    NotFound,     // nothing at the name
    NoFolder,     // the folder the name is in does not exist
    NoPermission, // this user may not read the file, or may not make files in its folder
    ReadOnly,     // the file is read-only, or this user may not change it
    ReadOnlyDisk, // the disk takes no changes (a write-protected medium, a read-only mount)
    NoSpace,      // the disk is full, or a quota or a file-size limit is reached
    Folder,       // a folder stands at the name
    NotAFile,     // a device, a pipe or a socket stands at the name
    NameTooLong,
    InUse,       // another program holds the file and shares it with no one
    ForeignLink, // another user's symbolic link in a folder that anyone may write
    Other,       // any other error of the system, by its code
};

struct TFileFailure {
    TFileReason Reason = TFileReason::None;
    int SystemError = 0; // errno on Linux, the Win32 error code on Windows; 0 when none
};

// The system's own words for an error code (strerror, FormatMessage), without a final stop.
std::string SystemErrorText(int code);

// How a save of a whole file ended.
enum class TSaveResult {
    Saved,
    NotRegular,  // a folder, a pipe or a device stands at the name; left alone
    ReadOnly,    // the file is there but this user may not write it; left alone
    ForeignLink, // a symbolic link of another user in a folder that anyone may write (/tmp)
    NotCreated,  // no file can be made there: no such folder, no permission, a name too long
    NotWritten,  // not all bytes reached the disk (a full disk, a file-size limit)
    NotReplaced, // the finished copy could not take the file's name
};

// Who may read a file that a save creates; a replaced file keeps its own permissions.
enum class TNewFile {
    Shared,  // as any program makes a file (the user's umask applies)
    Private, // this user alone
};

// The bytes of a file from `Offset` to its end, to follow a save's own bytes: copied while the
// save is written, never held whole, so a file of any length keeps them. A source that is gone
// adds nothing (the save is of what is left); one that cannot be read fails the save.
struct TFileTail {
    std::filesystem::path From;
    std::uint64_t Offset = 0;
};

// Gives the file `name` the contents `bytes` (and `tail`, when given) as a whole. The bytes go
// to a new file beside it (made exclusively, under a short name of its own, so a target of the
// longest legal name still works), reach the disk, and then the new file is renamed over the
// name as given: a failed save leaves the old file as it was. A symbolic link at the name that
// the user may trust (not another user's in a folder anyone may write, which is refused) is
// written through on Linux: its target is replaced in the target's own folder and the link
// stays. A replaced file keeps its permissions, and its owner and group where the system lets
// us: another user's file becomes the saver's, in its group if they belong to it. Only where
// the folder refuses new files but the file may be written is the file rewritten in place, as
// any program opening it for writing would: the room is taken first, so a full disk or a
// file-size limit leaves it whole; only a write failing after that may damage it. A failed
// save says why in `failure`, when given.
TSaveResult SaveWholeFile(const std::filesystem::path& name, std::string_view bytes,
                          TNewFile newFile = TNewFile::Shared, TFileFailure* failure = nullptr,
                          const TFileTail* tail = nullptr);

// How a load of a whole file ended.
enum class TLoadResult {
    Loaded,
    Short,      // fewer bytes than were needed; Bytes holds what there was
    Missing,    // nothing at the name
    NotRegular, // a folder, a pipe or a device: never opened, so a pipe cannot hold us up
    Unreadable, // no permission, or reading failed
};

struct TLoadedFile {
    TLoadResult Result = TLoadResult::Missing;
    std::string Bytes;    // what was read, at most the bytes asked for
    bool Longer = false;  // the source holds more than that
    TFileFailure Failure; // why it was not Loaded (None for Short)
};

// Reads up to `atMost` bytes of a regular file; fewer than `atLeast` make the result Short.
TLoadedFile LoadWholeFile(const std::filesystem::path& name, std::size_t atMost,
                          std::size_t atLeast = 0);
// Reads a regular file from its start to its end, handing each part to `take` as it comes: a long
// record is read through without being held whole, or copied into memory that is new to the
// program. Never opens what LoadWholeFile would not. Loaded (with no bytes) when it was read to
// its end; otherwise why not.
TLoadedFile ReadFileInParts(const std::filesystem::path& name,
                            const std::function<void(std::string_view part)>& take);
// LoadWholeFile from standard input, whatever it is (a pipe, a terminal, a file): never more than
// `atMost` bytes are read, so an endless source ends too. A wait for input that a signal
// interrupts ends the load (Unreadable) when `stopped` says so; otherwise it goes on.
TLoadedFile LoadStandardInput(std::size_t atMost, std::size_t atLeast = 0,
                              const std::function<bool()>& stopped = {});

// What is at a name, links followed.
enum class TFileKind { Missing, Regular, Folder, Other };
TFileKind FileKindOf(const std::filesystem::path& name);

// Whether two names reach one and the same file (links, other spellings and hard links
// included): false when either is missing.
bool SameFile(const std::filesystem::path& one, const std::filesystem::path& other);

// A record kept by appending lines to a file (a production bench's log, the programming
// history). The file is never reached through a symbolic link and, unless it is a record that
// a team shares, must be this user's own; a device (/dev/null) is taken as it is. Each line goes
// out in one write and is on disk before Append returns, so programs that share the file never
// mix their lines, and a line always starts on a line of its own, even after an earlier write
// was cut short. While a program looks at the file's end and writes its line it holds a lock
// that every program appending this way takes (on both systems alike): appends over a network
// folder, which the system does not keep whole by itself, stay whole too. A lock that no
// program gives up within a few seconds is not waited for longer.
class TAppendFile {
public:
    // Whose file may be appended to.
    enum class TOwner {
        Me,     // only this user's: nobody else can have placed it to read what we write
        Anyone, // a file in a folder a team shares, made by whichever member came first
    };

    TAppendFile() = default;
    ~TAppendFile();
    TAppendFile(const TAppendFile&) = delete;
    TAppendFile& operator=(const TAppendFile&) = delete;

    // Opens the file for appending, creating it if needed. False with `why` saying in a few
    // words what is wrong ("it is a symbolic link", "it belongs to another user", or the
    // system's text).
    bool Open(const std::filesystem::path& name, std::string& why, TOwner owner = TOwner::Me);
    bool IsOpen() const { return Native != Closed; }
    // Appends `line` and a line feed. False when it could not be written whole or flushed, with
    // the system's words for it in `why`, when given.
    bool Append(std::string_view line, std::string* why = nullptr);

private:
    static constexpr std::intptr_t Closed = -1;
    std::intptr_t Native = Closed; // a descriptor on Linux, a HANDLE on Windows
    bool Regular = false;          // a file, not a device
    bool CutShort = false;         // the last line did not go out whole
};
