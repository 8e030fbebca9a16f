#include "cli/ImageFile.h"

#include "cli/ExitCode.h"
#include "cli/NativeName.h"
#include "model/Q47.h"

#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace cli {
namespace {

QString NotConfigurationFile(const QString& what, qint64 size) {
    if (size < TQ47::ImageSize)
        return QStringLiteral("%1 holds %2 byte%3, fewer than the 128 of a configuration file")
            .arg(what)
            .arg(size)
            .arg(size == 1 ? QString() : QStringLiteral("s"));
    return QStringLiteral("%1 has a wrong checksum: it is damaged or not a configuration file")
        .arg(what);
}

// Up to `size` bytes, fewer only at the end of the input; -1 on a read error.
qint64 ReadUpTo(int fd, std::uint8_t* into, qint64 size) {
    qint64 got = 0;
    while (got < size) {
        const ssize_t count = ::read(fd, into + got, static_cast<size_t>(size - got));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return -1;
        if (count == 0)
            break;
        got += count;
    }
    return got;
}

bool WriteAll(int fd, const std::uint8_t* from, qint64 size) {
    qint64 done = 0;
    while (done < size) {
        const ssize_t count = ::write(fd, from + done, static_cast<size_t>(size - done));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        done += count;
    }
    return true;
}

// Closes a descriptor when it goes.
class TDescriptor {
public:
    explicit TDescriptor(int fd) : Fd(fd) {}
    ~TDescriptor() {
        if (Fd >= 0)
            ::close(Fd);
    }
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;
    int Get() const { return Fd; }
    // Closes now, reporting a failure (a full disk may show only here).
    bool Close() {
        const int fd = Fd;
        Fd = -1;
        return ::close(fd) == 0;
    }

private:
    int Fd;
};

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

int SaveFailed(const QString& name, bool diskFull, QString& error) {
    error = diskFull ? QStringLiteral("cannot save %1: writing failed, the disk may be full")
                           .arg(DisplayName(name))
                     : QStringLiteral("cannot save %1; check that its folder exists and that you "
                                      "may write there")
                           .arg(DisplayName(name));
    return ExitFileError;
}

// Rewrites an existing file in place: for a file the user may write in a folder that takes no
// new file. A failure in the middle may leave it damaged, as any editor's in-place save would.
int SaveInPlace(const TQ47& model, const QString& name, QString& error) {
    TDescriptor file(::open(NativeName(name).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    if (file.Get() < 0)
        return SaveFailed(name, false, error);
    if (!WriteAll(file.Get(), model.Image, TQ47::ImageSize) || ::fsync(file.Get()) != 0 ||
        !file.Close())
        return SaveFailed(name, true, error);
    return ExitOk;
}

} // namespace

int LoadImage(TQ47& model, const QString& name, QString& error) {
    const bool standardInput = name == QLatin1String("-");
    const QString what = standardInput ? QStringLiteral("standard input") : DisplayName(name);
    if (!standardInput && KindOf(name) == FileKind::Folder) {
        error = QStringLiteral("cannot open %1: it is a folder; give a file name").arg(what);
        return ExitFileError;
    }
    // A pipe, a device or standard input is read like a file: only as far as needed.
    TDescriptor input(standardInput ? ::dup(STDIN_FILENO)
                                    : ::open(NativeName(name).constData(), O_RDONLY | O_CLOEXEC));
    if (input.Get() < 0) {
        error =
            errno == ENOENT
                ? QStringLiteral("cannot open %1: no such file; check the name").arg(what)
                : QStringLiteral("cannot open %1; check that it is a file you may read").arg(what);
        return ExitFileError;
    }
    const qint64 got = ReadUpTo(input.Get(), model.Image, TQ47::ImageSize);
    if (got < 0) {
        error = QStringLiteral("cannot read %1; check that it is a file you may read").arg(what);
        return ExitFileError;
    }
    if (got < TQ47::ImageSize || !model.ImageValid()) {
        error = NotConfigurationFile(what, got);
        return ExitCommunicationError;
    }
    model.Decode();
    return ExitOk;
}

int SaveImage(const TQ47& model, const QString& name, QString& error) {
    if (name == QLatin1String("-")) {
        // Through the C stream, in order with any text the program printed there.
        if (std::fwrite(model.Image, 1, TQ47::ImageSize, stdout) != TQ47::ImageSize ||
            std::fflush(stdout) != 0) {
            error = QStringLiteral("cannot write to standard output");
            return ExitFileError;
        }
        return ExitOk;
    }

    // A link is saved through: the file it points at is replaced, the link stays.
    QByteArray target = NativeName(name);
    if (char* resolved = ::realpath(target.constData(), nullptr)) {
        target = resolved;
        std::free(resolved);
    }
    struct stat existing = {};
    const bool exists = ::stat(target.constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        error = QStringLiteral("cannot save %1: it is a folder; give a file name")
                    .arg(DisplayName(name));
        return ExitFileError;
    }
    // Renaming over a device or a pipe would remove it; writing into it is no save either.
    if (exists && !S_ISREG(existing.st_mode)) {
        error = QStringLiteral("cannot save %1: it is not a regular file").arg(DisplayName(name));
        return ExitFileError;
    }
    if (exists && ::access(target.constData(), W_OK) != 0) {
        error = QStringLiteral("cannot save %1: the file is read-only").arg(DisplayName(name));
        return ExitFileError;
    }

    // The new image goes to a file beside the target and replaces it only once it is complete
    // on disk, so a failed save leaves the previous file as it was.
    QByteArray aside = target + ".XXXXXX";
    TDescriptor file(::mkostemp(aside.data(), O_CLOEXEC));
    if (file.Get() < 0)
        return exists ? SaveInPlace(model, name, error) : SaveFailed(name, false, error);
    // A replaced file keeps its mode and, where the system lets us, its owner: only root may
    // give a file away, anyone else's save makes it theirs.
    if (exists)
        std::ignore = ::fchown(file.Get(), existing.st_uid, existing.st_gid);
    ::fchmod(file.Get(), exists ? existing.st_mode & 07777 : NewFileMode());
    if (!WriteAll(file.Get(), model.Image, TQ47::ImageSize) || ::fsync(file.Get()) != 0 ||
        !file.Close()) {
        ::unlink(aside.constData());
        return SaveFailed(name, true, error);
    }
    if (::rename(aside.constData(), target.constData()) != 0) {
        ::unlink(aside.constData());
        return SaveFailed(name, false, error);
    }
    return ExitOk;
}

QString NumberedName(const QString& name, int number) {
    return TaggedName(name, QStringLiteral("-%1").arg(number, 4, 10, QLatin1Char('0')));
}

QString TaggedName(const QString& name, const QString& tag) {
    const QString suffix = QFileInfo(name).suffix();
    if (suffix.isEmpty() || QFileInfo(name).completeBaseName().isEmpty())
        return name + tag;
    return name.left(name.size() - suffix.size() - 1) + tag + QLatin1Char('.') + suffix;
}

} // namespace cli
