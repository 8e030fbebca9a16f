#include "cli/ImageFile.h"

#include "cli/ExitCode.h"
#include "model/Q47.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstring>
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

// An image from a stream that is read to its end: standard input, a pipe, a process
// substitution such as <(ssh bench cat site.brk).
int LoadStream(TQ47& model, QFile& input, const QString& what, QString& error) {
    const QByteArray bytes = input.readAll();
    if (bytes.size() < TQ47::ImageSize) {
        error = NotConfigurationFile(what, bytes.size());
        return ExitCommunicationError;
    }
    std::memcpy(model.Image, bytes.constData(), TQ47::ImageSize);
    if (!model.ImageValid()) {
        error = NotConfigurationFile(what, bytes.size());
        return ExitCommunicationError;
    }
    model.Decode();
    return ExitOk;
}

} // namespace

int LoadImage(TQ47& model, const QString& name, QString& error) {
    if (name == QLatin1String("-")) {
        QFile input;
        if (!input.open(STDIN_FILENO, QIODevice::ReadOnly)) {
            error = QStringLiteral("cannot read standard input");
            return ExitFileError;
        }
        return LoadStream(model, input, QStringLiteral("standard input"), error);
    }

    const QFileInfo info(name);
    if (info.isDir()) {
        error = QStringLiteral("cannot open %1: it is a folder; give a file name").arg(name);
        return ExitFileError;
    }
    // The model opens regular files only; on the command line a pipe is read like "-".
    if (info.exists() && !info.isFile()) {
        QFile input(name);
        if (!input.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("cannot open %1; check that you may read it").arg(name);
            return ExitFileError;
        }
        return LoadStream(model, input, name, error);
    }
    if (model.LoadFromFile(name))
        return ExitOk;
    if (model.LastError == TQ47::FileError) {
        if (!info.exists())
            error = QStringLiteral("cannot open %1: no such file; check the name").arg(name);
        else
            error =
                QStringLiteral("cannot open %1; check that it is a file you may read").arg(name);
        return ExitFileError;
    }
    error = NotConfigurationFile(name, info.size());
    return ExitCommunicationError;
}

int SaveImage(TQ47& model, const QString& name, QString& error) {
    if (name == QLatin1String("-")) {
        model.Encode();
        if (std::fwrite(model.Image, 1, TQ47::ImageSize, stdout) != TQ47::ImageSize ||
            std::fflush(stdout) != 0) {
            error = QStringLiteral("cannot write to standard output");
            return ExitFileError;
        }
        return ExitOk;
    }

    if (QFileInfo(name).isDir()) {
        error = QStringLiteral("cannot save %1: it is a folder; give a file name").arg(name);
        return ExitFileError;
    }
    // The model writes beside the file and renames over it, so a failed save leaves the
    // previous file as it was.
    if (model.SaveToFile(name))
        return ExitOk;
    if (model.LastError == TQ47::FileError)
        error = QStringLiteral("cannot save %1; check that its folder exists and that you may "
                               "write there")
                    .arg(name);
    else
        error = QStringLiteral("cannot save %1: writing failed, the disk may be full").arg(name);
    return ExitFileError;
}

QString NumberedName(const QString& name, int number) {
    const QString tag = QStringLiteral("-%1").arg(number, 4, 10, QLatin1Char('0'));
    const QString suffix = QFileInfo(name).suffix();
    if (suffix.isEmpty() || QFileInfo(name).completeBaseName().isEmpty())
        return name + tag;
    return name.left(name.size() - suffix.size() - 1) + tag + QLatin1Char('.') + suffix;
}

} // namespace cli
