// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <utility>

// JSON as the command line writes it (status --json, list --json, show --json, the log): one
// object on one line, UTF-8, with every character that a terminal or an editor would obey
// instead of show written as an escape, so that a device's serial number or a file's name can
// neither move the cursor, nor start a new line, nor turn the rest of a line around.
namespace cli {

// A string: quotes and backslashes, the C0 and C1 controls and DEL, the bidirectional
// controls U+202A..U+202E and U+2066..U+2069, the line and paragraph separators U+2028 and
// U+2029, the byte order mark U+FEFF (which readers drop) and any unpaired surrogate are
// escaped as \uXXXX (or \n, \t ...).
QByteArray JsonString(const QString& text);
// The string, or null when it is empty.
QByteArray JsonStringOrNull(const QString& text);
// An object from keys and values that are JSON already, in the order given.
QByteArray JsonObject(std::initializer_list<std::pair<const char*, QByteArray>> members);

} // namespace cli
