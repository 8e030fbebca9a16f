#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A zip archive of a folder that is the same bytes wherever and whenever it is made.

  zip.py FOLDER TIME OUTPUT

The archive holds FOLDER (its name as the top folder) with its files in the order of their
names, each dated TIME (seconds since 1970, in UTC), marked as made on Windows, with no owner,
no permissions and no time stamps of the build machine.
"""

import os
import sys
import time
import zipfile


def main():
    if len(sys.argv) != 4:
        print(__doc__.split("\n\n")[1].strip(), file=sys.stderr)
        return 2
    folder, when, output = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    # A zip file's dates start in 1980.
    date = time.gmtime(max(when, 315532800))[:6]
    entries = []
    for root, dirs, files in os.walk(folder):
        relative = os.path.relpath(root, os.path.dirname(os.path.normpath(folder)))
        entries.append((relative.replace(os.sep, "/") + "/", None))
        for name in files:
            entries.append((os.path.join(relative, name).replace(os.sep, "/"),
                            os.path.join(root, name)))
    entries.sort()
    with zipfile.ZipFile(output + ".part", "w") as archive:
        for name, path in entries:
            info = zipfile.ZipInfo(name, date)
            info.create_system = 0  # MS-DOS: Windows' own attributes
            if path is None:
                info.external_attr = 0x10  # a folder
                archive.writestr(info, b"")
                continue
            info.external_attr = 0x20  # a file, to be archived
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as f:
                archive.writestr(info, f.read(), compresslevel=9)
    os.replace(output + ".part", output)
    return 0


if __name__ == "__main__":
    sys.exit(main())
