#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The third-party notices of the Windows packages (packaging/windows/notices.py), made from a
# small package of stand-ins: a program of ours that links a library in, a Qt library with two of
# Qt's attribution records (one whose licence file was kept, one whose was not) and one for code
# Qt leaves out on Windows, a Qt plugin, and a file of an installed Debian package. The notices
# name every file with what it holds, quote each licence, name each source package and version,
# and come out the same bytes twice; a DLL nobody described stops them, and "check" finds a DLL
# the notices do not name.
#   NoticesTest.sh NOTICES.PY
set -euo pipefail
notices=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

# A Debian file that every Debian system has, and its package.
debian_file=/usr/share/doc/base-files/copyright
if [[ ! -f $debian_file ]] || ! dpkg-query -S "$debian_file" >/dev/null 2>&1; then
    echo "NoticesTest: no $debian_file of a Debian package here" >&2
    exit 77
fi

prefix=$scratch/prefix
qt=$prefix/share/notices/qt6-base
jpeg=$prefix/share/notices/libjpeg-turbo
mkdir -p "$qt/src/3rdparty/zlib" "$qt/src/3rdparty/pcre2" "$qt/src/3rdparty/forkfd" "$jpeg" \
    "$prefix/bin" "$prefix/plugins/platforms"
echo 6.4.2+dfsg-10 >"$qt/version"
cat >"$qt/debian-copyright" <<'EOF'
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/

Files: *
Copyright: 2016-2022 The Qt Company Ltd.
License: LGPL-3 or GPL-2

Files: src/3rdparty/pcre2/src/*
Copyright: 1997-2020 University of Cambridge
License: BSD-3-clause

License: LGPL-3
 On Debian systems, the complete text of the GNU Lesser General Public License
 version 3 can be found in "/usr/share/common-licenses/LGPL-3".
EOF
# Qt writes these with line breaks inside strings and keys given twice.
cat >"$qt/src/3rdparty/zlib/qt_attribution.json" <<'EOF'
{
    "Id": "zlib",
    "Name": "Data Compression Library (zlib)",
    "QDocModule": "qtcore",
    "Version": "1.2.13",
    "LicenseId": "Zlib",
    "LicenseFile": "LICENSE",
    "Copyright": "(C) 1995-2022 Jean-loup Gailly
and Mark Adler"
}
EOF
echo "zlib licence text: altered versions must be plainly marked" >"$qt/src/3rdparty/zlib/LICENSE"
cat >"$qt/src/3rdparty/pcre2/qt_attribution.json" <<'EOF'
[{
    "Id": "pcre2",
    "Name": "PCRE2",
    "QDocModule": "qtcore",
    "Version": "10.39",
    "Version": "10.40",
    "LicenseId": "BSD-3-Clause",
    "LicenseFile": "LICENCE",
    "Files": "src/pcre2_compile.c"
}]
EOF
cat >"$qt/src/3rdparty/forkfd/qt_attribution.json" <<'EOF'
{ "Id": "forkfd", "Name": "forkfd", "QDocModule": "qtcore", "LicenseId": "MIT" }
EOF
echo 1:2.1.5-2 >"$jpeg/version"
printf 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n\nFiles: *\nLicense: BSD-3-clause\n' \
    >"$jpeg/debian-copyright"
echo "IJG: This software is based in part on the work of the Independent JPEG Group." >"$jpeg/README.ijg"
echo "libjpeg-turbo is covered by three compatible BSD-style open source licenses." >"$jpeg/LICENSE.md"
touch "$prefix/bin/Qt6Core.dll" "$prefix/plugins/platforms/qwindows.dll"

cat >"$scratch/table.json" <<'EOF'
{
    "programs": {"brookfetch.exe": {"name": "Brookfetch, the window program", "links": ["libjpeg-turbo"]}},
    "linked": {"libjpeg-turbo": {"name": "libjpeg-turbo", "licence": "IJG AND BSD-3-Clause AND Zlib",
                                 "texts": ["LICENSE.md", "README.ijg"]}},
    "qt": {"package": "qt6-base", "licence": "LGPL-3.0-only", "licence_note": "",
           "not_built": {"forkfd": "Unix only"}},
    "runtime": {"runtime-*.dll": {"name": "Stand-in runtime", "licence": "GPL-2.0-or-later"}},
    "start_up_code": {"text": "Start-up code.", "packages": ["base-files"]}
}
EOF

stage=$scratch/stage
mkdir -p "$stage/platforms"
touch "$stage/brookfetch.exe" "$stage/Qt6Core.dll" "$stage/platforms/qwindows.dll" \
    "$stage/runtime-1.dll" "$stage/qt.conf"
printf '%s\t%s\n' Qt6Core.dll "$prefix/bin/Qt6Core.dll" \
    platforms/qwindows.dll "$prefix/plugins/platforms/qwindows.dll" \
    runtime-1.dll "$debian_file" >"$scratch/sources.txt"
make_notices() { # output
    python3 "$notices" make --stage "$stage" --sources "$scratch/sources.txt" --prefix "$prefix" \
        --version 4.00 --table "$scratch/table.json" --output "$1"
}

make_notices "$scratch/one.txt" || fail "the notices were not made"
make_notices "$scratch/two.txt" || fail "the notices were not made twice"
cmp -s "$scratch/one.txt" "$scratch/two.txt" || fail "two runs gave different notices"
text=$(tr -d '\r' <"$scratch/one.txt")
[[ $(grep -c $'\r$' "$scratch/one.txt") == $(wc -l <"$scratch/one.txt") ]] ||
    fail "not every line ends in CR LF (Notepad)"
files_section=$(sed -n '/^1\. The files$/,/^2\. The sources$/p' <<<"$text")
for expected in $'brookfetch.exe\n    Brookfetch, the window program 4.00 (GPL-3.0-or-later)\n    libjpeg-turbo 2.1.5 (IJG AND BSD-3-Clause AND Zlib)' \
    $'Qt6Core.dll\n    Qt Core 6.4.2 (LGPL-3.0-only)' \
    $'    Data Compression Library (zlib) 1.2.13 (Zlib)' $'    PCRE2 10.40 (BSD-3-Clause)' \
    $'platforms/qwindows.dll\n    Qt platform plugin qwindows 6.4.2 (LGPL-3.0-only)' \
    $'runtime-1.dll\n    Stand-in runtime (GPL-2.0-or-later)'; do
    [[ $files_section == *"$expected"* ]] || fail "section 1 lacks: $expected"
done
[[ $files_section != *qt.conf* ]] || fail "our own qt.conf is listed as another project's"
[[ $text != *forkfd* ]] || fail "forkfd, which Qt leaves out on Windows, is listed"
source_package=$(dpkg-query -W -f='${source:Package} ${source:Version}' base-files)
for expected in "qt6-base 6.4.2+dfsg-10" "https://snapshot.debian.org/package/qt6-base/6.4.2+dfsg-10/" \
    "libjpeg-turbo 1:2.1.5-2" "$source_package" \
    "zlib licence text: altered versions must be plainly marked" \
    "This software is based in part on the work of the Independent JPEG Group." \
    "src/3rdparty/pcre2/src/* (License: BSD-3-clause)" \
    "GNU LESSER GENERAL PUBLIC LICENSE" "GNU GENERAL PUBLIC LICENSE" \
    "$(head -n 1 "$debian_file")"; do
    [[ $text == *"$expected"* ]] || fail "the notices lack: $expected"
done
python3 "$notices" check "$scratch/one.txt" "$stage" || fail "check refused complete notices"

# A DLL that nobody described stops the notices, and check finds one they do not name.
touch "$stage/Unknown.dll"
if make_notices "$scratch/three.txt" 2>"$scratch/error"; then
    fail "notices were made for a package with an unknown DLL"
fi
grep -q 'Unknown.dll' "$scratch/error" || fail "the refusal does not name Unknown.dll"
if python3 "$notices" check "$scratch/one.txt" "$stage" 2>"$scratch/error"; then
    fail "check took notices that do not name Unknown.dll"
fi
grep -q 'Unknown.dll' "$scratch/error" || fail "check does not name Unknown.dll"

[[ $failures -eq 0 ]]
