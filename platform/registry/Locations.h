// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the program's own files live. Run from its build tree or from a portable folder it
// keeps everything beside its executable. Installed it keeps what it writes in the user's
// configuration folder: on Linux (<prefix>/bin/brookfetch with <prefix>/share/brookfetch/
// beside bin) it reads its data from that share folder; on Windows the installer leaves the
// marker file "installed" beside brookfetch.exe and the data stay beside it.

// Linux: $XDG_CONFIG_HOME/brookfetch, else ~/.config/brookfetch; a relative $XDG_CONFIG_HOME
// is ignored. Windows: %APPDATA%/Brookfetch. It need not exist.
QString UserConfigFolder();

// Where the program keeps the records it gathers for the user (the programming history). Linux:
// $XDG_DATA_HOME/brookfetch, else ~/.local/share/brookfetch; a relative $XDG_DATA_HOME is
// ignored. Windows: %LOCALAPPDATA%/Brookfetch, which stays on this computer: a history of this
// computer's transfers has no business roaming. It need not exist.
QString UserDataFolder();

// The name the user logged in with, for records that say who did what; empty when the system
// does not know it.
QString UserLoginName();

// Creates `folder` with its missing parents, each private to the user (0700 on Linux, as the
// XDG rules ask for configuration folders). True when it is a folder afterwards.
bool MakePrivateFolder(const QString& folder);

// Linux: <folder of the executable>/../share/brookfetch, cleaned. Windows: the folder of the
// executable. It need not exist.
QString SharedDataFolder(const QString& exePath);

// True for an installed program. Linux: its executable lies in a folder named "bin" and
// SharedDataFolder is a folder. Windows: the marker file "installed" lies beside it.
bool IsInstalledLayout(const QString& exePath);

// True when this user may make a new file in `folder` now.
bool FolderTakesNewFiles(const QString& folder);
