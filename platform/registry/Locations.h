#pragma once

#include <QString>

// Where the program's own files live. Run from its build tree or from a portable folder it
// keeps everything beside its executable. Installed (<prefix>/bin/brookfetch with
// <prefix>/share/brookfetch/ beside bin) it reads its data from that share folder and keeps
// what it writes in the user's configuration folder.

// $XDG_CONFIG_HOME/brookfetch, else ~/.config/brookfetch; a relative $XDG_CONFIG_HOME is
// ignored. It need not exist.
QString UserConfigFolder();

// Creates `folder` with its missing parents, each private to the user (0700), as the XDG
// rules ask for configuration folders. True when it is a folder afterwards.
bool MakePrivateFolder(const QString& folder);

// <folder of the executable>/../share/brookfetch, cleaned; it need not exist.
QString SharedDataFolder(const QString& exePath);

// True for an installed program: its executable lies in a folder named "bin" and
// SharedDataFolder is a folder.
bool IsInstalledLayout(const QString& exePath);
