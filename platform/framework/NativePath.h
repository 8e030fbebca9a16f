// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <filesystem>

// The system's own name for a file the user chose in a window: the bytes Qt gives the system
// on Linux, the UTF-16 text on Windows.
std::filesystem::path NativePath(const QString& name);

// A name or an argument exactly as the system gave it, as text that keeps all of it: on Linux
// a name is bytes, not always UTF-8 (a Latin-1 name from an old disk), and each byte that is not
// part of valid UTF-8 becomes the code unit U+DC00 + byte, a lone surrogate that no valid UTF-8
// gives; on Windows the UTF-16 is the text.
QString NativeText(const std::filesystem::path::string_type& name);
// The reverse: the very name the text was made from.
std::filesystem::path::string_type NativeNameOf(const QString& text);
// The byte that unit `i` of such a text keeps, or -1 when the unit is (part of) a character.
int KeptByteAt(const QString& text, qsizetype i);
