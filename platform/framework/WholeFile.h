#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

// How a save of a whole file ended.
enum class TSaveResult {
    Saved,
    NotOpened,   // the file could not be created or opened, or is no regular file
    NotWritten,  // not all bytes could be written and pushed out (a full disk)
    NotReplaced, // the finished copy could not be renamed over the file
};

// Gives the file `path` new contents as a whole, written by `write` into the device it is
// handed (false: not all of them could be written):
// - beside the file first, then renamed over it, so a failed save leaves the old file whole;
// - where the folder takes no file beside it (the user may not write there) but the file
//   itself may be written, in place, as a program opening it with "wb" would;
// - a file that is replaced keeps its permission bits, and its owner and group where the
//   system lets us, whoever saves it (root included);
// - anything but a regular file in the place of `path` (a folder, a pipe, a device) is
//   refused and left alone.
// The device is unbuffered, so a short write shows in the count write() returns.
TSaveResult SaveWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write);
// The same with bytes ready to go.
TSaveResult SaveWholeFile(const QString& path, const QByteArray& data);
