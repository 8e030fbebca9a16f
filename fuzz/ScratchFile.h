// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A file of the fuzz targets' own for the inputs they hand to code that reads files. It lies
// in memory (/dev/shm) where there is such a folder: saves there cost no trip to a disk. The
// folder goes when the target ends.

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <cstdlib>

class TScratchFolder {
public:
    TScratchFolder() {
        const QString base = QFileInfo(QStringLiteral("/dev/shm")).isDir()
                                 ? QStringLiteral("/dev/shm")
                                 : QDir::tempPath();
        QByteArray pattern = QFile::encodeName(base + QStringLiteral("/brookfetch-fuzz-XXXXXX"));
        if (!mkdtemp(pattern.data()))
            std::abort();
        Path = QFile::decodeName(pattern);
    }
    ~TScratchFolder() { QDir(Path).removeRecursively(); }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    QString Path;
};

inline QString ScratchFile(const QString& name) {
    static const TScratchFolder folder;
    return folder.Path + QLatin1Char('/') + name;
}

// Puts the input into a scratch file as it is; a failure is the machine's, not the input's.
inline void FillScratchFile(const QString& path, const char* data, qsizetype size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data, size) != size)
        std::abort();
}
