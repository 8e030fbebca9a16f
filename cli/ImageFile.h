// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

struct TFileTail;

class TQ47;

// Configuration files as the command line uses them: "-" stands for standard input or
// output, names are taken byte for byte as the system gives them (NativeName.h). Each operation
// returns a program exit code (0 on success) and, on failure, one line in `error` saying what
// failed and what to do.
namespace cli {

// Loads a configuration file, or standard input for "-", into the model as the window program
// does: a valid image is decoded, and the model's Image then holds exactly its bytes. Only the
// first 128 bytes are read, so an endless input (a pipe that never ends) costs no more than a
// file; a pipe or a device given by name is refused without being opened. Whatever follows the
// image stays in the file (SaveImage can keep it).
int LoadImage(TQ47& model, const QString& name, QString& error);

// Stores the model's Image exactly as it stands (callers encode first where they mean to),
// followed by the bytes after the image of the file `keepTail` names, when given (copied as
// they are saved, however many): "-" writes to standard output; a file is replaced whole,
// atomically (platform/files), keeping its mode.
int SaveImage(const TQ47& model, const QString& name, QString& error,
              const QString& keepTail = QString());

// Stores `bytes` as the whole file `name`, the same way; "-" writes them to standard output.
int SaveBytes(const QByteArray& bytes, const QString& name, QString& error,
              const TFileTail* tail = nullptr);

// A name with a tag before its extension: "batch.brk" and "-0001" give "batch-0001.brk",
// "batch" gives "batch-0001".
QString TaggedName(const QString& name, const QString& tag);

// The name of the n-th file of a production run: "batch.brk" gives "batch-0001.brk".
QString NumberedName(const QString& name, int number);

} // namespace cli
