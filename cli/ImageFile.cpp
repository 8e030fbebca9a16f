// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ImageFile.h"

#include "cli/ExitCode.h"
#include "cli/NativeName.h"
#include "model/Q47.h"
#include "platform/files/Files.h"
#include "platform/process/Process.h"

#include <QFileInfo>
#include <cstdio>

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

bool IsFolder(const QString& name) {
    return KindOf(name) == TFileKind::Folder;
}

// A folder takes names of at most 255 bytes (Linux) or characters (Windows); a longer one
// fails as if the folder or the permission were missing, which would send the user looking
// in the wrong place.
bool NameTooLong(const QString& name) {
    return FilePath(name).filename().native().size() > 255;
}

QString TooLong(const QString& verb, const QString& what) {
    return QStringLiteral("cannot %1 %2: the file name is too long; shorten it").arg(verb, what);
}

QString LoadFailed(const QString& name, const QString& what, TLoadResult result) {
    switch (result) {
    case TLoadResult::Missing:
        return QStringLiteral("cannot open %1: no such file; check the name").arg(what);
    case TLoadResult::NotRegular:
        return IsFolder(name)
                   ? QStringLiteral("cannot open %1: it is a folder; give a file name").arg(what)
                   : QStringLiteral("cannot open %1: it is not a regular file; give a file, or "
                                    "- for standard input")
                         .arg(what);
    case TLoadResult::Unreadable:
        if (NameTooLong(name))
            return TooLong(QStringLiteral("open"), what);
        break;
    case TLoadResult::Loaded:
    case TLoadResult::Short:
        break;
    }
    return QStringLiteral("cannot read %1; check that it is a file you may read").arg(what);
}

QString SaveFailed(const QString& name, TSaveResult result) {
    const QString shown = DisplayName(name);
    switch (result) {
    case TSaveResult::NotRegular:
        return IsFolder(name)
                   ? QStringLiteral("cannot save %1: it is a folder; give a file name").arg(shown)
                   : QStringLiteral("cannot save %1: it is not a regular file").arg(shown);
    case TSaveResult::ReadOnly:
        return QStringLiteral("cannot save %1: the file is read-only").arg(shown);
    case TSaveResult::ForeignLink:
        return QStringLiteral("cannot save %1: it is a symbolic link that another user made in a "
                              "folder anyone may write; remove it or choose another name")
            .arg(shown);
    case TSaveResult::NotWritten:
        return QStringLiteral("cannot save %1: writing failed, the disk may be full").arg(shown);
    case TSaveResult::NotReplaced:
        return QStringLiteral("cannot save %1: the new file could not take its name; check that "
                              "you may change files in its folder")
            .arg(shown);
    case TSaveResult::NotCreated:
        if (NameTooLong(name))
            return TooLong(QStringLiteral("save"), shown);
        break;
    case TSaveResult::Saved:
        break;
    }
    return QStringLiteral("cannot save %1; check that its folder exists and that you may write "
                          "there")
        .arg(shown);
}

} // namespace

int LoadImage(TQ47& model, const QString& name, QString& error) {
    const bool standardInput = name == QLatin1String("-");
    const QString what = standardInput ? QStringLiteral("standard input") : DisplayName(name);
    const std::size_t atMost = TQ47::ImageSize;
    const TLoadedFile file = standardInput ? LoadStandardInput(atMost, 0, process::StopRequested)
                                           : LoadWholeFile(FilePath(name), atMost);
    if (standardInput && file.Result == TLoadResult::Unreadable && process::StopRequested()) {
        error = QStringLiteral("interrupted while reading standard input");
        return ExitFileError;
    }
    if (file.Result != TLoadResult::Loaded) {
        error = LoadFailed(name, what, file.Result);
        return ExitFileError;
    }
    if (!model.LoadImage(file)) {
        error = NotConfigurationFile(what, static_cast<qint64>(file.Bytes.size()));
        return ExitCommunicationError;
    }
    return ExitOk;
}

int SaveImage(const TQ47& model, const QString& name, QString& error, const QString& keepTail) {
    const std::string_view image = model.ImageBytes();
    const TFileTail tail{FilePath(keepTail), TQ47::ImageSize};
    return SaveBytes(QByteArray(image.data(), static_cast<qsizetype>(image.size())), name, error,
                     keepTail.isEmpty() ? nullptr : &tail);
}

int SaveBytes(const QByteArray& bytes, const QString& name, QString& error, const TFileTail* tail) {
    const auto size = static_cast<std::size_t>(bytes.size());
    if (name == QLatin1String("-")) {
        // Through the C stream, in order with any text the program printed there.
        if (std::fwrite(bytes.constData(), 1, size, stdout) != size || std::fflush(stdout) != 0) {
            error = QStringLiteral("cannot write to standard output");
            return ExitFileError;
        }
        return ExitOk;
    }
    const TSaveResult saved = SaveWholeFile(
        FilePath(name), std::string_view(bytes.constData(), size), TNewFile::Shared, nullptr, tail);
    if (saved == TSaveResult::Saved)
        return ExitOk;
    error = SaveFailed(name, saved);
    return ExitFileError;
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
