#pragma once

#include "platform/files/Files.h"

#include <QByteArray>
#include <QString>
#include <filesystem>

// File names as the system gives them. A Linux file name is a string of bytes, not always
// UTF-8 (a Latin-1 name copied from an old disk), and Qt 6 decodes every name as UTF-8, so
// "made\xff.brk" would come out as "made\xef\xbf\xbd.brk". The command line therefore keeps each
// byte that is not part of valid UTF-8 as the code unit U+DC00 + byte (a lone surrogate, which
// no valid UTF-8 produces), and turns it back into that byte when the name reaches the system.
namespace cli {

// An argument as the program received it, every byte kept.
QString ArgumentText(const QByteArray& argument);

// The bytes of a name for the system calls: the reverse of ArgumentText.
QByteArray NativeName(const QString& name);

// A name for messages: kept bytes as "\xff", control characters escaped.
QString DisplayName(const QString& name);

// A name as the file layer (platform/files) takes it: these very bytes.
std::filesystem::path FilePath(const QString& name);

// What is at a name (symbolic links followed): nothing, a regular file, a folder, or something
// else (a pipe, a device).
TFileKind KindOf(const QString& name);

// The folder a file name lies in ("." for a bare name).
QString FolderOf(const QString& name);

} // namespace cli
