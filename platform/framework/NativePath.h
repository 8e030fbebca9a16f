#pragma once

#include <QString>
#include <filesystem>

// The system's own name for a file the user chose in a window: the bytes Qt gives the system
// on Linux, the UTF-16 text on Windows.
std::filesystem::path NativePath(const QString& name);
