// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/Descriptor.h"
#include "platform/files/Files.h"
#include "platform/files/FilesShared.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using files::AsideName;
using files::Failed;

TFileFailure Because(TFileReason reason) {
    return {reason, 0};
}

TFileFailure FromErrno(int error) {
    switch (error) {
    case ENOENT:
        return Because(TFileReason::NotFound);
    case ENOTDIR:
        return Because(TFileReason::NoFolder);
    case EACCES:
    case EPERM:
        return Because(TFileReason::NoPermission);
    case EROFS:
        return Because(TFileReason::ReadOnlyDisk);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return Because(TFileReason::NoSpace);
    case EISDIR:
        return Because(TFileReason::Folder);
    case ENAMETOOLONG:
        return Because(TFileReason::NameTooLong);
    case ETXTBSY:
        return Because(TFileReason::InUse);
    default:
        break;
    }
    return {TFileReason::Other, error};
}

TFileFailure KindOf(const struct stat& info) {
    return Because(S_ISDIR(info.st_mode) ? TFileReason::Folder : TFileReason::NotAFile);
}

bool WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        done += static_cast<std::size_t>(count);
    }
    return true;
}

// Appends the tail's bytes to what `fd` holds so far, a piece at a time.
bool CopyTail(int fd, const TFileTail& tail, TFileFailure& why) {
    const TDescriptor source(
        ::open(tail.From.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!source.IsOpen()) {
        if (errno == ENOENT)
            return true; // the file it came from is gone: there is nothing left to keep
        why = FromErrno(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(source.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        why = Because(TFileReason::NotAFile);
        return false;
    }
    std::vector<char> buffer(1 << 16);
    auto at = static_cast<off_t>(tail.Offset);
    for (;;) {
        const ssize_t count = ::pread(source.Get(), buffer.data(), buffer.size(), at);
        if (count < 0 && errno == EINTR)
            continue;
        if (count == 0)
            return true;
        if (count < 0 ||
            !WriteAll(fd, std::string_view(buffer.data(), static_cast<std::size_t>(count)))) {
            why = FromErrno(errno);
            return false;
        }
        at += count;
    }
}

// The size of a tail, 0 for one whose file is gone or shorter.
off_t TailSize(const TFileTail& tail) {
    struct stat info {};
    if (::stat(tail.From.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size < static_cast<off_t>(tail.Offset))
        return 0;
    return info.st_size - static_cast<off_t>(tail.Offset);
}

// A read of a descriptor that goes on when a signal interrupts it, keeping the error.
files::TReader Reader(int fd, int& error) {
    return [fd, &error](char* into, std::size_t size) -> long long {
        for (;;) {
            const ssize_t count = ::read(fd, into, size);
            if (count >= 0 || errno != EINTR) {
                error = count < 0 ? errno : 0;
                return count;
            }
        }
    };
}

TLoadedFile ReadUpTo(int fd, std::size_t atMost, std::size_t atLeast) {
    int error = 0;
    TLoadedFile loaded = files::ReadUpTo(atMost, atLeast, Reader(fd, error));
    if (loaded.Result == TLoadResult::Unreadable)
        loaded.Failure = FromErrno(error);
    return loaded;
}

// Opens a regular file for reading, `failed` saying why not. Judged before it is opened:
// opening a pipe could wait for a writer for ever.
TDescriptor OpenRegular(const std::filesystem::path& name, TLoadedFile& failed) {
    struct stat info {};
    if (name.empty()) {
        failed = Failed(TLoadResult::Missing, Because(TFileReason::NotFound));
        return TDescriptor();
    }
    if (::stat(name.c_str(), &info) != 0) {
        failed = Failed(errno == ENOENT || errno == ENOTDIR ? TLoadResult::Missing
                                                            : TLoadResult::Unreadable,
                        errno == ENOTDIR ? Because(TFileReason::NotFound) : FromErrno(errno));
        return TDescriptor();
    }
    if (!S_ISREG(info.st_mode)) {
        failed = Failed(TLoadResult::NotRegular, KindOf(info));
        return TDescriptor();
    }
    TDescriptor file(::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.IsOpen()) {
        failed = Failed(errno == ENOENT ? TLoadResult::Missing : TLoadResult::Unreadable,
                        FromErrno(errno));
        return TDescriptor();
    }
    // And judged again, in case something else was put in its place meanwhile.
    if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        failed = Failed(TLoadResult::NotRegular, KindOf(info));
        return TDescriptor();
    }
    return file;
}

// In a folder where anyone may make files and only their owners may remove them (/tmp), a link
// that someone else made at our file's name is a trap: refused rather than replaced or followed.
bool ForeignLinkInSharedFolder(int folder, const struct stat& entry) {
    struct stat info {};
    return S_ISLNK(entry.st_mode) && ::fstat(folder, &info) == 0 && (info.st_mode & S_ISVTX) &&
           (info.st_mode & S_IWOTH) && entry.st_uid != ::geteuid();
}

bool Sync(int fd) {
    return ::fsync(fd) == 0;
}

// The rename is on disk only once the folder is: a power cut could otherwise bring back the
// old file, or none. Nothing more can be done when this fails, the save itself stands.
void SyncFolder(const std::filesystem::path& folder) {
    const TDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.IsOpen())
        Sync(directory.Get());
}

// Rewrites an existing file in place: for a file the user may write in a folder that takes no
// new file. Opening it follows a link as any program's open would, under the system's rules.
// The room for the new contents is taken before a byte of the file changes, so a full disk or
// a file-size limit leaves it as it was; the old contents past the new end go last.
TSaveResult SaveInPlace(int folder, const std::string& base, std::string_view bytes,
                        const TFileTail* tail, TFileFailure& why) {
    TDescriptor file(::openat(folder, base.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!file.IsOpen()) {
        const bool denied = errno == EACCES || errno == EPERM;
        why = denied ? Because(TFileReason::ReadOnly) : FromErrno(errno);
        return denied ? TSaveResult::ReadOnly : TSaveResult::NotCreated;
    }
    // Something else may have been put in the file's place since it was looked at.
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        why = Because(TFileReason::NotAFile);
        return TSaveResult::NotRegular;
    }
    // A tail that is this very file's own end is where it belongs already: only the bytes
    // before it are written.
    struct stat source {};
    const bool ownTail = tail && ::stat(tail->From.c_str(), &source) == 0 &&
                         source.st_dev == info.st_dev && source.st_ino == info.st_ino &&
                         tail->Offset == bytes.size();
    const off_t size = ownTail ? std::max(info.st_size, static_cast<off_t>(bytes.size()))
                       : tail  ? static_cast<off_t>(bytes.size()) + TailSize(*tail)
                               : static_cast<off_t>(bytes.size());
    // A file system that reserves no room leaves it to the write to find out.
    if (size > info.st_size && ::fallocate(file.Get(), 0, 0, size) != 0 && errno != EOPNOTSUPP &&
        errno != ENOSYS) {
        why = FromErrno(errno);
        // What part of the room was taken goes again; shrinking the file to its size cannot fail.
        [[maybe_unused]] const int restored = ::ftruncate(file.Get(), info.st_size);
        return TSaveResult::NotWritten;
    }
    bool written = WriteAll(file.Get(), bytes);
    if (!written)
        why = FromErrno(errno);
    if (written && tail && !ownTail)
        written = CopyTail(file.Get(), *tail, why);
    if (written && (::ftruncate(file.Get(), size) != 0 || !Sync(file.Get()) || !file.Close())) {
        written = false;
        why = FromErrno(errno);
    }
    return written ? TSaveResult::Saved : TSaveResult::NotWritten;
}

// How many links a save follows before it gives up, as the system's own limit for a path.
constexpr int MostHops = 40;

TSaveResult SaveThrough(const std::filesystem::path& name, std::string_view bytes, TNewFile newFile,
                        TFileFailure& why, const TFileTail* tail, int hops) {
    const auto fail = [&why](TSaveResult result, TFileFailure cause) {
        why = cause;
        return result;
    };
    if (name.empty())
        return fail(TSaveResult::NotCreated, Because(TFileReason::NotFound));
    const std::string base = name.filename().string();
    // "folder/", ".", "..": the name of a folder, not of a file in it.
    if (base.empty() || base == "." || base == "..")
        return fail(TSaveResult::NotRegular, Because(TFileReason::Folder));
    const std::filesystem::path folderName = name.has_parent_path() ? name.parent_path() : ".";
    // The folder is held open, so every step below works in the same one.
    const TDescriptor folder(::open(folderName.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folder.IsOpen())
        return fail(TSaveResult::NotCreated,
                    errno == ENOENT ? Because(TFileReason::NoFolder) : FromErrno(errno));

    struct stat entry {};
    if (::fstatat(folder.Get(), base.c_str(), &entry, AT_SYMLINK_NOFOLLOW) == 0) {
        if (ForeignLinkInSharedFolder(folder.Get(), entry))
            return fail(TSaveResult::ForeignLink, Because(TFileReason::ForeignLink));
        // The user's own link (a shared parameter set reached from a folder of one's own) stays
        // a link: what it points to is saved, in that file's folder.
        if (S_ISLNK(entry.st_mode)) {
            if (hops >= MostHops)
                return fail(TSaveResult::NotCreated, FromErrno(ELOOP));
            std::string target(static_cast<std::size_t>(entry.st_size) + 1, '\0');
            const ssize_t length =
                ::readlinkat(folder.Get(), base.c_str(), target.data(), target.size());
            if (length <= 0 || static_cast<std::size_t>(length) >= target.size())
                return fail(TSaveResult::NotCreated, FromErrno(length < 0 ? errno : EIO));
            target.resize(static_cast<std::size_t>(length));
            const std::filesystem::path to(target);
            return SaveThrough(to.is_absolute() ? to : folderName / to, bytes, newFile, why, tail,
                               hops + 1);
        }
    } else if (errno != ENOENT) {
        // A name too long, a folder we may not look into.
        return fail(TSaveResult::NotCreated, FromErrno(errno));
    }
    // What the name stands for, a link followed: a link to nowhere stands for a new file.
    struct stat target {};
    const bool exists = ::fstatat(folder.Get(), base.c_str(), &target, 0) == 0;
    if (!exists && errno != ENOENT)
        return fail(TSaveResult::NotCreated, FromErrno(errno));
    // Renaming over anything but a regular file would remove a folder's place, a pipe or a
    // device; writing into one of them would not make a file either.
    if (exists && !S_ISREG(target.st_mode))
        return fail(TSaveResult::NotRegular, KindOf(target));
    if (exists && ::faccessat(folder.Get(), base.c_str(), W_OK, AT_EACCESS) != 0)
        return errno == EROFS ? fail(TSaveResult::NotCreated, Because(TFileReason::ReadOnlyDisk))
                              : fail(TSaveResult::ReadOnly, Because(TFileReason::ReadOnly));

    const mode_t mode = exists || newFile == TNewFile::Private ? 0600 : 0666;
    std::string aside;
    TDescriptor file;
    for (int attempt = 0; attempt < 100 && !file.IsOpen(); ++attempt) {
        aside = AsideName();
        file.Reset(::openat(folder.Get(), aside.c_str(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, mode));
        if (!file.IsOpen() && errno != EEXIST)
            break;
    }
    if (!file.IsOpen()) {
        const int error = errno;
        // Only a folder that refuses new files sends the save into the file itself: a full
        // disk, a name too long or a file-size limit would fail there too, and worse.
        if ((error == EACCES || error == EROFS) && exists)
            return SaveInPlace(folder.Get(), base, bytes, tail, why);
        return fail(error == ENOSPC || error == EDQUOT ? TSaveResult::NotWritten
                                                       : TSaveResult::NotCreated,
                    FromErrno(error));
    }
    if (exists) {
        // Owner first: a change of owner clears the set-id bits. Only root may give a file
        // away; anyone else's save makes it theirs, but keeps its group where they belong to
        // it, so that the colleagues who share the file through the group can still use it.
        if (::fchown(file.Get(), target.st_uid, target.st_gid) != 0) {
            [[maybe_unused]] const int grouped =
                ::fchown(file.Get(), static_cast<uid_t>(-1), target.st_gid);
        }
        ::fchmod(file.Get(), target.st_mode & 07777);
    }
    bool written = WriteAll(file.Get(), bytes);
    TFileFailure cause = written ? TFileFailure{} : FromErrno(errno);
    if (written && tail)
        written = CopyTail(file.Get(), *tail, cause);
    if (written && (!Sync(file.Get()) || !file.Close())) {
        written = false;
        cause = FromErrno(errno);
    }
    if (!written) {
        ::unlinkat(folder.Get(), aside.c_str(), 0);
        return fail(TSaveResult::NotWritten, cause);
    }
    if (::renameat(folder.Get(), aside.c_str(), folder.Get(), base.c_str()) != 0) {
        const TFileFailure cause = FromErrno(errno);
        ::unlinkat(folder.Get(), aside.c_str(), 0);
        return fail(TSaveResult::NotReplaced, cause);
    }
    SyncFolder(folderName);
    return TSaveResult::Saved;
}

} // namespace

TSaveResult SaveWholeFile(const std::filesystem::path& name, std::string_view bytes,
                          TNewFile newFile, TFileFailure* failure, const TFileTail* tail) {
    TFileFailure unasked;
    TFileFailure& why = failure ? *failure : unasked;
    why = {};
    return SaveThrough(name, bytes, newFile, why, tail, 0);
}

TLoadedFile LoadWholeFile(const std::filesystem::path& name, std::size_t atMost,
                          std::size_t atLeast) {
    TLoadedFile failed;
    const TDescriptor file = OpenRegular(name, failed);
    return file.IsOpen() ? ReadUpTo(file.Get(), atMost, atLeast) : failed;
}

TLoadedFile ReadFileInParts(const std::filesystem::path& name,
                            const std::function<void(std::string_view part)>& take) {
    TLoadedFile failed;
    const TDescriptor file = OpenRegular(name, failed);
    if (!file.IsOpen())
        return failed;
    int error = 0;
    TLoadedFile loaded = files::ReadParts(Reader(file.Get(), error), take);
    if (loaded.Result == TLoadResult::Unreadable)
        loaded.Failure = FromErrno(error);
    return loaded;
}

TLoadedFile LoadStandardInput(std::size_t atMost, std::size_t atLeast,
                              const std::function<bool()>& stopped) {
    return files::ReadUpTo(atMost, atLeast, [&stopped](char* into, std::size_t size) -> long long {
        for (;;) {
            const ssize_t count = ::read(STDIN_FILENO, into, size);
            if (count >= 0 || errno != EINTR || (stopped && stopped()))
                return count;
        }
    });
}

std::string SystemErrorText(int code) {
    return std::strerror(code);
}

TFileKind FileKindOf(const std::filesystem::path& name) {
    struct stat info {};
    if (name.empty() || ::stat(name.c_str(), &info) != 0)
        return TFileKind::Missing;
    if (S_ISREG(info.st_mode))
        return TFileKind::Regular;
    return S_ISDIR(info.st_mode) ? TFileKind::Folder : TFileKind::Other;
}

bool SameFile(const std::filesystem::path& one, const std::filesystem::path& other) {
    struct stat a {
    }, b{};
    return !one.empty() && !other.empty() && ::stat(one.c_str(), &a) == 0 &&
           ::stat(other.c_str(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

TAppendFile::~TAppendFile() {
    if (IsOpen())
        ::close(static_cast<int>(Native));
}

bool TAppendFile::Open(const std::filesystem::path& name, std::string& why, TOwner owner) {
    // Not through a link, and not blocking on a pipe that nobody reads. Read too, where the
    // file lets us, to see whether its last line was ended.
    constexpr int Flags = O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    TDescriptor file(::open(name.c_str(), O_RDWR | Flags, 0666));
    if (!file.IsOpen() && errno == EACCES)
        file.Reset(::open(name.c_str(), O_WRONLY | Flags, 0666));
    if (!file.IsOpen()) {
        const int error = errno;
        // Systems differ in what they say of a link at the name (ELOOP, EACCES in /tmp).
        struct stat entry {};
        why = ::lstat(name.c_str(), &entry) == 0 && S_ISLNK(entry.st_mode) ? "it is a symbolic link"
              : error == ENXIO ? "it is a pipe, not a file"
                               : std::strerror(error);
        return false;
    }
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0) {
        why = std::strerror(errno);
        return false;
    }
    // A file someone else made at the name would take our records wherever they wanted.
    if (S_ISREG(info.st_mode) && owner == TOwner::Me && info.st_uid != ::geteuid()) {
        why = "it belongs to another user";
        return false;
    }
    if (!S_ISREG(info.st_mode) && !S_ISCHR(info.st_mode)) {
        why = "it is not a file";
        return false;
    }
    // Writes to a device (a terminal) may wait.
    ::fcntl(file.Get(), F_SETFL, O_APPEND);
    if (IsOpen())
        ::close(static_cast<int>(Native));
    Regular = S_ISREG(info.st_mode);
    CutShort = false;
    Native = file.Release();
    return true;
}

bool TAppendFile::Append(std::string_view line, std::string* why) {
    const int fd = static_cast<int>(Native);
    // An open file description's lock (not the process's), so that another descriptor of ours
    // on the same file, closed meanwhile, cannot drop it.
    const auto lock = [fd](short type) {
        struct flock range {};
        range.l_type = type;
        range.l_whence = SEEK_SET;
        range.l_start = static_cast<off_t>(files::AppendLockOffset);
        range.l_len = 1;
        return ::fcntl(fd, F_OFD_SETLK, &range) == 0;
    };
    const bool locked = Regular && files::TakeLock([&lock] {
                            if (lock(F_WRLCK))
                                return files::TLockTry::Taken;
                            return errno == EAGAIN || errno == EACCES || errno == EINTR
                                       ? files::TLockTry::Busy
                                       : files::TLockTry::Unsupported;
                        });
    // A line cut short, by us or by another program sharing the file, is ended first.
    bool lineOpen = CutShort;
    if (Regular) {
        struct stat info {};
        char last = '\n';
        lineOpen = ::fstat(fd, &info) == 0 && info.st_size > 0 &&
                   ::pread(fd, &last, 1, info.st_size - 1) == 1 && last != '\n';
    }
    const std::string record = files::Record(line, lineOpen);
    ssize_t written = -1;
    do {
        written = ::write(fd, record.data(), record.size());
    } while (written < 0 && errno == EINTR);
    const int error = written < 0 ? errno : ENOSPC; // a short write: the room ran out
    if (locked)
        lock(F_UNLCK);
    if (written != static_cast<ssize_t>(record.size())) {
        CutShort = CutShort || written > 0;
        if (why != nullptr)
            *why = std::strerror(error);
        return false;
    }
    CutShort = false;
    // A device has nothing to flush (/dev/null says so with EINVAL).
    if (::fdatasync(fd) == 0 || (!Regular && (errno == EINVAL || errno == EROFS)))
        return true;
    if (why != nullptr)
        *why = std::strerror(errno);
    return false;
}
