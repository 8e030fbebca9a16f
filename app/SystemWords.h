// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The words of AdapterWords that differ between the systems; AdapterWordsLinux.cpp and
// AdapterWordsWindows.cpp each define them, and the build takes the system's file.
namespace system_words {

// After "no adapter found": what to check.
QString NotFoundHints();
// The system refused the adapter to this user (for the command line): adapter, then its port.
QString NoPermission(const QString& adapter, const QString& port);
// The window's label for that refusal; empty where the system never tells it.
QString NoPermissionLabel();
// The adapter is listed but cannot be opened, or does not answer.
QString NotAnswering();
// An attached adapter named with its port, in a list of them.
QString AttachedAt(const QString& serial, const QString& port);

} // namespace system_words
