// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/Files.h"
#include "platform/files/FilesShared.h"

#include <windows.h>

#include <algorithm>
#include <utility>

namespace {

using files::Failed;

// An open file handle, closed when it goes.
class THandle {
public:
    explicit THandle(HANDLE handle = INVALID_HANDLE_VALUE) : Handle(handle) {}
    ~THandle() { Reset(); }
    THandle(const THandle&) = delete;
    THandle& operator=(const THandle&) = delete;
    THandle(THandle&& other) noexcept : Handle(std::exchange(other.Handle, INVALID_HANDLE_VALUE)) {}

    HANDLE Get() const { return Handle; }
    bool IsOpen() const { return Handle != INVALID_HANDLE_VALUE; }
    void Reset(HANDLE handle = INVALID_HANDLE_VALUE) {
        if (IsOpen())
            ::CloseHandle(Handle);
        Handle = handle;
    }
    HANDLE Release() { return std::exchange(Handle, INVALID_HANDLE_VALUE); }
    // Closes now and says whether that went well.
    bool Close() { return ::CloseHandle(std::exchange(Handle, INVALID_HANDLE_VALUE)) != 0; }

private:
    HANDLE Handle;
};

bool WriteAll(HANDLE file, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD part = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        DWORD count = 0;
        if (!::WriteFile(file, bytes.data() + done, part, &count, nullptr) || count == 0)
            return false;
        done += count;
    }
    return true;
}

// Reads from a handle up to `atMost` bytes and looks for one more. The end of a pipe is its
// end of input, not an error.
files::TReader Reader(HANDLE file) {
    return [file](char* into, std::size_t size) -> long long {
        DWORD count = 0;
        if (!::ReadFile(file, into, static_cast<DWORD>(size), &count, nullptr))
            return ::GetLastError() == ERROR_BROKEN_PIPE ? 0 : -1;
        return count;
    };
}

TLoadedFile ReadUpTo(HANDLE file, std::size_t atMost, std::size_t atLeast) {
    return files::ReadUpTo(atMost, atLeast, Reader(file));
}

bool NotThere(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

TFileFailure Because(TFileReason reason) {
    return {reason, 0};
}

TFileFailure FromWin32(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
        return Because(TFileReason::NotFound);
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
        return Because(TFileReason::NoFolder);
    case ERROR_ACCESS_DENIED:
        return Because(TFileReason::NoPermission);
    case ERROR_WRITE_PROTECT:
        return Because(TFileReason::ReadOnlyDisk);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return Because(TFileReason::NoSpace);
    case ERROR_FILENAME_EXCED_RANGE:
        return Because(TFileReason::NameTooLong);
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return Because(TFileReason::InUse);
    case ERROR_DIRECTORY:
        return Because(TFileReason::Folder);
    default:
        break;
    }
    return {TFileReason::Other, static_cast<int>(error)};
}

bool DiskFull(DWORD error) {
    return error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL;
}

// Whether an existing name is a file on a disk: not a console, a pipe or another device.
bool IsDiskFile(const std::wstring& name) {
    const THandle file(::CreateFileW(name.c_str(), 0,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.IsOpen() && ::GetFileType(file.Get()) == FILE_TYPE_DISK;
}

// Appends the tail's bytes to what `file` holds so far, a piece at a time.
bool CopyTail(HANDLE file, const TFileTail& tail, TFileFailure& why) {
    const THandle source(::CreateFileW(tail.From.wstring().c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!source.IsOpen()) {
        const DWORD error = ::GetLastError();
        if (NotThere(error))
            return true; // the file it came from is gone: there is nothing left to keep
        why = FromWin32(error);
        return false;
    }
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(tail.Offset);
    if (!::SetFilePointerEx(source.Get(), at, nullptr, FILE_BEGIN)) {
        why = FromWin32(::GetLastError());
        return false;
    }
    std::string buffer(1 << 16, '\0');
    for (;;) {
        DWORD count = 0;
        if (!::ReadFile(source.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &count,
                        nullptr)) {
            why = FromWin32(::GetLastError());
            return false;
        }
        if (count == 0)
            return true;
        if (!WriteAll(file, std::string_view(buffer.data(), count))) {
            why = FromWin32(::GetLastError());
            return false;
        }
    }
}

// The size of a tail, 0 for one whose file is gone or shorter.
LONGLONG TailSize(const TFileTail& tail) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(tail.From.wstring().c_str(), GetFileExInfoStandard, &data))
        return 0;
    const auto size = static_cast<LONGLONG>((static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) |
                                            data.nFileSizeLow);
    return std::max<LONGLONG>(0, size - static_cast<LONGLONG>(tail.Offset));
}

// The room for the new contents is taken before a byte of the file changes, so a full disk
// leaves it as it was; the old contents past the new end go last. A tail that is the file's own
// end stays where it is.
TSaveResult SaveInPlace(const std::filesystem::path& name, std::string_view bytes,
                        const TFileTail* tail, TFileFailure& why) {
    const std::wstring target = name.wstring();
    const bool ownTail = tail && tail->Offset == bytes.size() && SameFile(tail->From, name);
    THandle file(::CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        const DWORD error = ::GetLastError();
        why = error == ERROR_ACCESS_DENIED ? Because(TFileReason::ReadOnly) : FromWin32(error);
        return error == ERROR_ACCESS_DENIED ? TSaveResult::ReadOnly : TSaveResult::NotCreated;
    }
    LARGE_INTEGER size{};
    size.QuadPart = static_cast<LONGLONG>(bytes.size()) + (tail && !ownTail ? TailSize(*tail) : 0);
    LARGE_INTEGER old{};
    const LARGE_INTEGER start{};
    if (!::GetFileSizeEx(file.Get(), &old) ||
        (size.QuadPart > old.QuadPart &&
         (!::SetFilePointerEx(file.Get(), size, nullptr, FILE_BEGIN) ||
          !::SetEndOfFile(file.Get()))) ||
        !::SetFilePointerEx(file.Get(), start, nullptr, FILE_BEGIN) ||
        !WriteAll(file.Get(), bytes)) {
        why = FromWin32(::GetLastError());
        return TSaveResult::NotWritten;
    }
    if (tail && !ownTail && !CopyTail(file.Get(), *tail, why))
        return TSaveResult::NotWritten;
    if ((!ownTail && !::SetEndOfFile(file.Get())) || !::FlushFileBuffers(file.Get()) ||
        !file.Close()) {
        why = FromWin32(::GetLastError());
        return TSaveResult::NotWritten;
    }
    return TSaveResult::Saved;
}

} // namespace

TSaveResult SaveWholeFile(const std::filesystem::path& name, std::string_view bytes, TNewFile,
                          TFileFailure* failure, const TFileTail* tail) {
    TFileFailure unasked;
    TFileFailure& why = failure ? *failure : unasked;
    why = {};
    const auto fail = [&why](TSaveResult result, TFileFailure cause) {
        why = cause;
        return result;
    };
    if (name.empty())
        return fail(TSaveResult::NotCreated, Because(TFileReason::NotFound));
    const std::filesystem::path base = name.filename();
    if (base.empty() || base == L"." || base == L"..")
        return fail(TSaveResult::NotRegular, Because(TFileReason::Folder));
    const std::wstring target = name.wstring();
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (!exists) {
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_NOT_FOUND)
            return fail(TSaveResult::NotCreated, FromWin32(error));
    }
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return fail(TSaveResult::NotRegular, Because(TFileReason::Folder));
    if (exists && !IsDiskFile(target))
        return fail(TSaveResult::NotRegular, Because(TFileReason::NotAFile));
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY))
        return fail(TSaveResult::ReadOnly, Because(TFileReason::ReadOnly));

    const std::filesystem::path folder = name.has_parent_path() ? name.parent_path() : L".";
    std::wstring aside;
    THandle file;
    DWORD error = ERROR_SUCCESS;
    for (int attempt = 0; attempt < 100 && !file.IsOpen(); ++attempt) {
        aside = (folder / files::AsideName()).wstring();
        file.Reset(::CreateFileW(aside.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
        error = file.IsOpen() ? ERROR_SUCCESS : ::GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            break;
    }
    if (!file.IsOpen()) {
        // Only a folder that refuses new files sends the save into the file itself.
        if ((error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT) && exists)
            return SaveInPlace(name, bytes, tail, why);
        return fail(DiskFull(error) ? TSaveResult::NotWritten : TSaveResult::NotCreated,
                    FromWin32(error));
    }
    bool written = WriteAll(file.Get(), bytes);
    TFileFailure cause = written ? TFileFailure{} : FromWin32(::GetLastError());
    if (written && tail)
        written = CopyTail(file.Get(), *tail, cause);
    if (written && (!::FlushFileBuffers(file.Get()) || !file.Close())) {
        written = false;
        cause = FromWin32(::GetLastError());
    }
    if (!written) {
        file.Reset();
        ::DeleteFileW(aside.c_str());
        return fail(TSaveResult::NotWritten, cause);
    }
    // ReplaceFileW keeps the replaced file's attributes and permissions; where the file system
    // cannot do it, the copy is moved over the file, through to the disk.
    const bool replaced =
        (exists && ::ReplaceFileW(target.c_str(), aside.c_str(), nullptr,
                                  REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) ||
        ::MoveFileExW(aside.c_str(), target.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!replaced) {
        const TFileFailure cause = FromWin32(::GetLastError());
        // ReplaceFileW can fail halfway with the old file already gone (taken away, or kept
        // under a name of its own): the new copy is then the only one at hand and stays.
        if (!exists || ::GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES)
            ::DeleteFileW(aside.c_str());
        return fail(TSaveResult::NotReplaced, cause);
    }
    return TSaveResult::Saved;
}

// Opens a regular file for reading, `failed` saying why not.
THandle OpenRegular(const std::filesystem::path& name, TLoadedFile& failed) {
    if (name.empty()) {
        failed = Failed(TLoadResult::Missing, Because(TFileReason::NotFound));
        return THandle();
    }
    const std::wstring source = name.wstring();
    // A name that is not there, or cannot be opened, said with the system's reason.
    const auto notOpened = [](DWORD error) {
        return Failed(NotThere(error) ? TLoadResult::Missing : TLoadResult::Unreadable,
                      NotThere(error) ? Because(TFileReason::NotFound) : FromWin32(error));
    };
    const DWORD attributes = ::GetFileAttributesW(source.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        failed = notOpened(::GetLastError());
        return THandle();
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        failed = Failed(TLoadResult::NotRegular, Because(TFileReason::Folder));
        return THandle();
    }
    THandle file(::CreateFileW(source.c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        failed = notOpened(::GetLastError());
        return THandle();
    }
    if (::GetFileType(file.Get()) != FILE_TYPE_DISK) {
        failed = Failed(TLoadResult::NotRegular, Because(TFileReason::NotAFile));
        return THandle();
    }
    return file;
}

TLoadedFile LoadWholeFile(const std::filesystem::path& name, std::size_t atMost,
                          std::size_t atLeast) {
    TLoadedFile loaded;
    const THandle file = OpenRegular(name, loaded);
    if (!file.IsOpen())
        return loaded;
    loaded = ReadUpTo(file.Get(), atMost, atLeast);
    if (loaded.Result == TLoadResult::Unreadable)
        loaded.Failure = FromWin32(::GetLastError());
    return loaded;
}

TLoadedFile ReadFileInParts(const std::filesystem::path& name,
                            const std::function<void(std::string_view part)>& take) {
    TLoadedFile loaded;
    const THandle file = OpenRegular(name, loaded);
    if (!file.IsOpen())
        return loaded;
    loaded = files::ReadParts(Reader(file.Get()), take);
    if (loaded.Result == TLoadResult::Unreadable)
        loaded.Failure = FromWin32(::GetLastError());
    return loaded;
}

// A console's Ctrl+C does not interrupt the read here: `stopped` has nothing to end.
TLoadedFile LoadStandardInput(std::size_t atMost, std::size_t atLeast,
                              const std::function<bool()>&) {
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    if (input == INVALID_HANDLE_VALUE || input == nullptr)
        return Failed(TLoadResult::Unreadable);
    return ReadUpTo(input, atMost, atLeast);
}

TFileKind FileKindOf(const std::filesystem::path& name) {
    const DWORD attributes =
        name.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(name.wstring().c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return TFileKind::Missing;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return TFileKind::Folder;
    return IsDiskFile(name.wstring()) ? TFileKind::Regular : TFileKind::Other;
}

bool SameFile(const std::filesystem::path& one, const std::filesystem::path& other) {
    // A file is its volume's serial number and its index there.
    const auto identity = [](const std::filesystem::path& name, BY_HANDLE_FILE_INFORMATION& info) {
        if (name.empty())
            return false;
        const HANDLE file = ::CreateFileW(
            name.wstring().c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        const bool known = ::GetFileInformationByHandle(file, &info) != 0;
        ::CloseHandle(file);
        return known;
    };
    BY_HANDLE_FILE_INFORMATION a{}, b{};
    return identity(one, a) && identity(other, b) &&
           a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
           a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

TAppendFile::~TAppendFile() {
    if (IsOpen())
        ::CloseHandle(reinterpret_cast<HANDLE>(Native));
}

std::string SystemErrorText(int code) {
    const auto error = static_cast<DWORD>(code);
    char text[512] = {};
    const DWORD length =
        ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                         0, text, sizeof text, nullptr);
    std::string message(text, length);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                message.back() == ' ' || message.back() == '.'))
        message.pop_back();
    return message.empty() ? "Windows error " + std::to_string(error) : message;
}

bool TAppendFile::Open(const std::filesystem::path& name, std::string& why, TOwner) {
    // The link itself is opened, never what it points at.
    THandle file(::CreateFileW(name.wstring().c_str(), FILE_APPEND_DATA | FILE_READ_DATA,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.IsOpen()) {
        why = SystemErrorText(static_cast<int>(::GetLastError()));
        return false;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const DWORD type = ::GetFileType(file.Get());
    if (type == FILE_TYPE_DISK && ::GetFileInformationByHandle(file.Get(), &info) &&
        (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        why = "it is a symbolic link";
        return false;
    }
    if (type != FILE_TYPE_DISK && type != FILE_TYPE_CHAR) {
        why = "it is not a file";
        return false;
    }
    if (IsOpen())
        ::CloseHandle(reinterpret_cast<HANDLE>(Native));
    Regular = type == FILE_TYPE_DISK;
    CutShort = false;
    Native = reinterpret_cast<std::intptr_t>(file.Release());
    return true;
}

bool TAppendFile::Append(std::string_view line, std::string* why) {
    const HANDLE file = reinterpret_cast<HANDLE>(Native);
    OVERLAPPED range{};
    range.Offset = static_cast<DWORD>(files::AppendLockOffset);
    range.OffsetHigh = static_cast<DWORD>(files::AppendLockOffset >> 32);
    const bool locked =
        Regular && files::TakeLock([file, &range] {
            if (::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                             &range))
                return files::TLockTry::Taken;
            return ::GetLastError() == ERROR_LOCK_VIOLATION ? files::TLockTry::Busy
                                                            : files::TLockTry::Unsupported;
        });
    bool lineOpen = CutShort;
    if (Regular) {
        LARGE_INTEGER size{};
        char last = '\n';
        DWORD count = 0;
        OVERLAPPED at{};
        if (::GetFileSizeEx(file, &size) && size.QuadPart > 0) {
            at.Offset = static_cast<DWORD>(size.QuadPart - 1);
            at.OffsetHigh = static_cast<DWORD>((size.QuadPart - 1) >> 32);
            lineOpen = ::ReadFile(file, &last, 1, &count, &at) && count == 1 && last != '\n';
        } else {
            lineOpen = false;
        }
    }
    const std::string record = files::Record(line, lineOpen);
    DWORD written = 0;
    const bool whole =
        ::WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr) &&
        written == record.size();
    const DWORD error = whole ? ERROR_SUCCESS : ::GetLastError();
    if (locked)
        ::UnlockFileEx(file, 0, 1, 0, &range);
    if (!whole) {
        CutShort = CutShort || written > 0;
        if (why != nullptr)
            *why =
                SystemErrorText(static_cast<int>(error != ERROR_SUCCESS ? error : ERROR_DISK_FULL));
        return false;
    }
    CutShort = false;
    if (!Regular || ::FlushFileBuffers(file))
        return true;
    if (why != nullptr)
        *why = SystemErrorText(static_cast<int>(::GetLastError()));
    return false;
}
