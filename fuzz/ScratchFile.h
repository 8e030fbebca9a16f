#pragma once

// A file of the fuzz targets' own for the inputs they hand to code that reads files. It lies
// in memory (/dev/shm) where there is such a folder: saves there cost no trip to a disk.

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <cstdlib>
#include <unistd.h>

inline QString ScratchFile(const QString& name) {
    static const QString folder = [] {
        const QString base = QFileInfo(QStringLiteral("/dev/shm")).isDir()
                                 ? QStringLiteral("/dev/shm")
                                 : QDir::tempPath();
        QByteArray pattern = QFile::encodeName(base + QStringLiteral("/brookfetch-fuzz-XXXXXX"));
        if (!mkdtemp(pattern.data()))
            std::abort();
        return QFile::decodeName(pattern);
    }();
    return folder + QLatin1Char('/') + name;
}
