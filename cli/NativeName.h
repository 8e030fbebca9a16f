// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/files/Files.h"

#include <QByteArray>
#include <QString>
#include <filesystem>

// File names as the system gives them. The command line keeps its arguments as text that holds
// every byte of a Linux name, also one that is not UTF-8 (NativeText in
// platform/framework/NativePath.h), and hands the very name back to the system.
namespace cli {

// A name for messages: kept bytes as "\xff", control characters escaped, the system's separator
// as it is.
QString DisplayName(const QString& name);

// A name as the file layer (platform/files) takes it: the very name the user gave.
std::filesystem::path FilePath(const QString& name);

// What is at a name (symbolic links followed): nothing, a regular file, a folder, or something
// else (a pipe, a device).
TFileKind KindOf(const QString& name);

// The folder a file name lies in ("." for a bare name).
QString FolderOf(const QString& name);

} // namespace cli
