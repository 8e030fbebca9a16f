#pragma once

#include <QString>

class TQ47;

// Configuration files as the command line uses them: "-" stands for standard input or
// output, names are taken byte for byte as the system gives them (NativeName.h), and a file is
// replaced atomically so that a failed save leaves the old one intact. Each operation returns
// a program exit code (0 on success) and, on failure, one line in `error` saying what failed
// and what to do.
namespace cli {

// Reads the first 128 bytes of a file, a pipe, a device or standard input, never more, so
// that an endless source (/dev/zero, a pipe that never ends) costs no more than a file; a
// valid image is decoded into the model, whose Image then holds exactly those bytes.
int LoadImage(TQ47& model, const QString& name, QString& error);

// Stores the model's Image exactly as it stands (callers encode first where they mean to):
// "-" writes the 128 bytes to standard output; a file is written beside the target and
// renamed over it, keeping the target's mode. When the folder takes no new file but the
// target itself may be written, the target is rewritten in place.
int SaveImage(const TQ47& model, const QString& name, QString& error);

// A name with a tag before its extension: "batch.brk" and "-0001" give "batch-0001.brk",
// "batch" gives "batch-0001".
QString TaggedName(const QString& name, const QString& tag);

// The name of the n-th file of a production run: "batch.brk" gives "batch-0001.brk".
QString NumberedName(const QString& name, int number);

} // namespace cli
