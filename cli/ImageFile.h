#pragma once

#include <QString>

class TQ47;

// Configuration files as the command line uses them: "-" stands for standard input or
// output, and a file is replaced atomically so that a failed save leaves the old one intact.
// Each operation returns a program exit code (0 on success) and, on failure, one line in
// `error` saying what failed and what to do.
namespace cli {

int LoadImage(TQ47& model, const QString& name, QString& error);

// Encodes the model and stores its image: "-" writes the 128 bytes to standard output;
// a file name goes through the model's SaveToFile, which replaces the file atomically.
int SaveImage(TQ47& model, const QString& name, QString& error);

// The name of the n-th file of a production run: "batch.brk" gives "batch-0001.brk",
// "batch" gives "batch-0001".
QString NumberedName(const QString& name, int number);

} // namespace cli
