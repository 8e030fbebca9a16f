#include "platform/framework/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <sys/stat.h>
#include <unistd.h>

TSaveResult SaveWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write) {
    // Renaming over anything but a regular file would remove a folder's place, a pipe or a
    // device; writing into one of them would not make a file either.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return TSaveResult::NotOpened;
    struct stat before {};
    const bool replacing = ::stat(QFile::encodeName(path).constData(), &before) == 0;

    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return TSaveResult::NotOpened;
    if (replacing) {
        // Qt gives the new copy the bits it thinks the saver has, so a read-only file saved
        // by root would come back writable. Owner first: a change of owner clears set-id bits.
        // Written in place, the file keeps all of this by itself, and these calls change nothing.
        [[maybe_unused]] const int owned = ::fchown(file.handle(), before.st_uid, before.st_gid);
        ::fchmod(file.handle(), before.st_mode & 07777);
    }
    if (!write(file)) {
        // The copy beside the target is removed when `file` goes.
        file.cancelWriting();
        return TSaveResult::NotWritten;
    }
    if (!file.commit())
        return file.error() == QFileDevice::RenameError ? TSaveResult::NotReplaced
                                                        : TSaveResult::NotWritten;
    return TSaveResult::Saved;
}

TSaveResult SaveWholeFile(const QString& path, const QByteArray& data) {
    return SaveWholeFile(path,
                         [&data](QIODevice& file) { return file.write(data) == data.size(); });
}
