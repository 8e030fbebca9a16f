// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Refuses, with Exception "Error on file IniFile line <n>", a section or key name holding a line
// break, a section name holding "]", a key name holding "=" or starting with ";" or "[", an
// empty name, and a value holding a line break: written, they would change the file's
// structure. Names count without the blanks around them.
void CheckIniEntry(const QString& section, const QString& key, const QString& value);
