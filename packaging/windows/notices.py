#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The third-party notices of a Windows package of Brookfetch, made from what the package holds.

  notices.py make --stage DIR --sources FILE --prefix DIR --version V [--table FILE]
                  [--commit C] --output FILE
  notices.py check NOTICES FOLDER

"make" describes every program file and DLL of the staged package (DIR), the uninstaller the
setup program writes, and every file the package took from elsewhere (FILE: lines "<path in the package><TAB><where it came from>"):
our own programs with what they link in, Qt's libraries and plugins with the parts of Qt's
attribution records that their module holds, and files of Debian packages (the compiler's
runtime DLLs, Qt's translations) with the package they came from. It names the Debian source
package and exact version of each, quotes every licence in full, and appends the Debian
copyright file of each source package with every licence in /usr/share/common-licenses that it
points to. A program file or DLL it knows nothing about stops it: nothing ships without notice.

"check" fails when a program file or DLL in FOLDER (an installed copy, say) is not named in the
notices' list of files.

The output is the same bytes for the same input: nothing of the time or the machine goes in.
"""

import argparse
import fnmatch
import hashlib
import json
import os
import re
import subprocess
import sys

COMMON_LICENCES = "/usr/share/common-licenses"
PROGRAM_SUFFIXES = (".exe", ".dll")
RULE = "-" * 78


class NoticeError(Exception):
    pass


def read_text(path):
    with open(path, "rb") as f:
        return f.read().decode("utf-8", errors="replace").replace("\r\n", "\n")


def is_program(name):
    return name.lower().endswith(PROGRAM_SUFFIXES)


def files_below(folder):
    found = []
    for root, dirs, files in os.walk(folder):
        dirs.sort()
        for name in sorted(files):
            found.append(os.path.relpath(os.path.join(root, name), folder).replace(os.sep, "/"))
    return sorted(found, key=str.lower)


def upstream_version(debian_version):
    """1:2.1.5-2 -> 2.1.5, 6.4.2+dfsg-10 -> 6.4.2."""
    version = debian_version.split(":", 1)[-1].rsplit("-", 1)[0]
    return re.sub(r"[+~](dfsg|ds|repack)[0-9.]*$", "", version)


class Licences:
    """Every licence text of the notices, once each, numbered in the order first asked for."""

    def __init__(self):
        self.texts = []  # (title, text)
        self.index = {}  # digest of the text -> number

    def add(self, title, text):
        text = text.strip("\n") + "\n"
        digest = hashlib.sha256(text.encode()).hexdigest()
        if digest not in self.index:
            self.texts.append((title, text))
            self.index[digest] = len(self.texts)
        return "[L%d]" % self.index[digest]

    def add_common(self, name):
        path = os.path.join(COMMON_LICENCES, name)
        if not os.path.isfile(path):
            raise NoticeError("the copyright files point to %s, which this machine lacks" % path)
        real = os.path.basename(os.path.realpath(path))
        return self.add("%s (Debian's /usr/share/common-licenses/%s)" % (real, real),
                        read_text(path))


class DebianPackage:
    """A source package: its name and version, and its Debian copyright file."""

    def __init__(self, source, version, copyright_text, origin):
        self.source = source
        self.version = version
        self.copyright = copyright_text
        self.origin = origin  # where the copyright file was taken from
        self.uses = []  # what of it the package holds

    def stanza_for(self, path):
        """The Files paragraph of the copyright file that covers `path` (the last one that
        matches, as the format says), as "Files: <pattern> (License: <name>)"."""
        found = None
        for paragraph in self.copyright.split("\n\n"):
            fields = re.match(r"Files:(.*?)\n(?=\S)", paragraph + "\n", re.S)
            licence = re.search(r"^License: *(.*)$", paragraph, re.M)
            if not fields or not licence:
                continue
            for pattern in fields.group(1).split():
                if fnmatch.fnmatchcase(path, pattern):
                    found = "Files: %s (License: %s)" % (pattern, licence.group(1).strip())
        return found


def dpkg_owner(path):
    """The Debian binary package that installed `path`, or None."""
    result = subprocess.run(["dpkg-query", "-S", os.path.realpath(path)], capture_output=True,
                            text=True)
    if result.returncode != 0:
        result = subprocess.run(["dpkg-query", "-S", path], capture_output=True, text=True)
    if result.returncode != 0:
        return None
    return result.stdout.split(":", 1)[0].split(",")[0].strip()


class Packages:
    """The Debian source packages the notices draw on, each once."""

    def __init__(self, prefix):
        self.prefix = prefix
        self.by_source = {}
        self.binary_versions = {}

    def cross_built(self, name):
        """A source package that scripts/windows-setup cross-built: its version and copyright
        file kept under <prefix>/share/notices/<name>/."""
        if name not in self.by_source:
            folder = os.path.join(self.prefix, "share", "notices", name)
            try:
                version = read_text(os.path.join(folder, "version")).strip()
                copyright_text = read_text(os.path.join(folder, "debian-copyright"))
            except OSError as error:
                raise NoticeError("no notices of %s in %s (%s): run scripts/windows-setup"
                                  % (name, folder, error.strerror))
            self.by_source[name] = DebianPackage(name, version, copyright_text,
                                                 "debian/copyright of the source")
        return self.by_source[name]

    def installed(self, binary):
        """The source package of an installed binary package, with the copyright file the
        binary package installed."""
        result = subprocess.run(
            ["dpkg-query", "-W", "-f=${source:Package}\t${source:Version}\t${Version}", binary],
            capture_output=True, text=True)
        if result.returncode != 0:
            raise NoticeError("the Debian package %s is not installed" % binary)
        source, version, self.binary_versions[binary] = result.stdout.split("\t")
        if source not in self.by_source:
            path = "/usr/share/doc/%s/copyright" % binary
            if not os.path.isfile(path):
                raise NoticeError("%s has no copyright file at %s" % (binary, path))
            self.by_source[source] = DebianPackage(source, version, read_text(path),
                                                   "/usr/share/doc/%s/copyright" % binary)
        return self.by_source[source]


class Component:
    def __init__(self, name, version, licence, package, homepage="", copyright_text="",
                 text_ref="", note=""):
        self.name = name
        self.version = version
        self.licence = licence
        self.package = package
        self.homepage = homepage
        self.copyright = copyright_text
        self.text_ref = text_ref
        self.note = note
        self.files = []

    def title(self):
        return "%s %s" % (self.name, self.version) if self.version else self.name


def attribution_records(notices_folder):
    """Qt's attribution records kept under share/notices/qt6-base, each with its folder in
    the source tree. The files are JSON with line breaks inside strings and repeated keys
    (the last one counts)."""
    records = []
    for root, dirs, files in os.walk(notices_folder):
        dirs.sort()
        if "qt_attribution.json" not in files:
            continue
        folder = os.path.relpath(root, notices_folder).replace(os.sep, "/")
        data = json.loads(read_text(os.path.join(root, "qt_attribution.json")), strict=False)
        for record in data if isinstance(data, list) else [data]:
            records.append((folder, record))
    return sorted(records, key=lambda r: (r[1].get("QDocModule", ""), r[1]["Id"]))


class Notices:
    def __init__(self, args, table):
        self.args = args
        self.table = table
        self.licences = Licences()
        self.packages = Packages(args.prefix)
        self.files = {}  # path in the package -> list of components
        self.components = []
        self.qt_modules = {}

    def component(self, key, make):
        for existing in self.components:
            if existing.key == key:
                return existing
        created = make()
        created.key = key
        self.components.append(created)
        return created

    # ---- what each file holds ----------------------------------------------------------------

    def describe(self, path, source):
        name = os.path.basename(path)
        programs = self.table["programs"]
        if path in programs:
            return self.own_program(path, programs[path])
        if source and self.is_below(source, os.path.join(self.args.prefix, "bin")) and \
                re.fullmatch(r"Qt6(\w+)\.dll", name):
            return self.qt_library(re.fullmatch(r"Qt6(\w+)\.dll", name).group(1))
        if source and self.is_below(source, os.path.join(self.args.prefix, "plugins")):
            kind = os.path.basename(os.path.dirname(source))
            return [self.qt_part(kind, os.path.splitext(name)[0])]
        if source:
            return [self.from_debian(path, source)]
        raise NoticeError("%s: not one of our programs and not taken from elsewhere: say what it "
                          "is in packaging/windows/third-party.json" % path)

    @staticmethod
    def is_below(path, folder):
        return os.path.realpath(path).startswith(os.path.realpath(folder) + os.sep)

    def own_program(self, path, entry):
        own = self.component(("own", path), lambda: Component(
            entry["name"], self.args.version, "GPL-3.0-or-later", None,
            note="Brookfetch's own licence, LICENSE.txt."))
        held = [own]
        for linked in entry["links"]:
            held.append(self.linked_library(linked))
        return held

    def linked_library(self, key):
        entry = self.table["linked"].get(key)
        if entry is None:
            raise NoticeError("third-party.json: \"%s\" is linked but not described" % key)

        def make():
            package = self.packages.cross_built(key)
            folder = os.path.join(self.args.prefix, "share", "notices", key)
            refs = []
            for text in entry["texts"]:
                found = [f for f in files_below(folder) if os.path.basename(f) == text]
                if not found:
                    raise NoticeError("%s: %s is not among its kept licence files" % (key, text))
                refs.append(self.licences.add("%s of %s" % (found[0], key),
                                              read_text(os.path.join(folder, found[0]))))
            package.uses.append("%s, linked into the programs named above" % entry["name"])
            return Component(entry["name"], upstream_version(package.version), entry["licence"],
                             package, entry.get("homepage", ""), text_ref=" ".join(refs),
                             note=entry.get("note", ""))
        return self.component(("linked", key), make)

    def qt_package(self):
        package = self.packages.cross_built(self.table["qt"]["package"])
        if not package.uses:
            package.uses.append("Qt: its libraries (Qt6*.dll) and plugins")
        return package

    def qt_licence_ref(self):
        refs = [self.licences.add_common("LGPL-3"), self.licences.add_common("GPL-3")]
        return " ".join(refs) + " (the LGPL adds its permissions to the GPL's terms)"

    def qt_part(self, kind, name):
        package = self.qt_package()
        qt = self.table["qt"]
        return self.component(("qt", kind, name), lambda: Component(
            "Qt %s plugin %s" % (kind[:-1] if kind.endswith("s") else kind, name), upstream_version(package.version), qt["licence"],
            package, "https://www.qt.io/", "The Qt Company Ltd. and others",
            self.qt_licence_ref(), qt["licence_note"]))

    def qt_library(self, module):
        package = self.qt_package()
        qt = self.table["qt"]
        held = [self.component(("qt", "module", module), lambda: Component(
            "Qt %s" % module, upstream_version(package.version), qt["licence"], package,
            "https://www.qt.io/", "The Qt Company Ltd. and others", self.qt_licence_ref(),
            qt["licence_note"]))]
        notices = os.path.join(self.args.prefix, "share", "notices", qt["package"])
        for folder, record in attribution_records(notices):
            if record.get("QDocModule", "").lower() != "qt" + module.lower():
                continue
            # Keys are Ids, or patterns of Ids (any case) for a feature with several parts.
            if any(fnmatch.fnmatch(record["Id"].lower(), key.lower()) for key in qt["not_built"]):
                continue
            held.append(self.qt_attribution(notices, folder, record, package))
        return held

    def qt_attribution(self, notices, folder, record, package):
        def make():
            text_ref = ""
            licence_file = record.get("LicenseFile")
            if licence_file:
                path = os.path.normpath(os.path.join(notices, folder, licence_file))
                if os.path.isfile(path):
                    text_ref = self.licences.add(
                        "%s of %s" % (os.path.relpath(path, notices).replace(os.sep, "/"),
                                      package.source), read_text(path))
            if not text_ref:
                # Not kept from the source: Debian's copyright file, which follows in full,
                # gives the licence of every file of it.
                inside = record.get("Path") or (record.get("Files") or "").split(" ")[0] or "x"
                stanza = package.stanza_for("%s/%s" % (folder, inside)) or "Files: *"
                text_ref = "in the copyright file of %s (section 5), %s" % (package.source, stanza)
            licence = record.get("LicenseId") or record.get("License") or "see its copyright"
            return Component(record.get("Name", record["Id"]), record.get("Version", ""),
                             licence, package, record.get("Homepage", ""),
                             record.get("Copyright", ""), text_ref)
        return self.component(("attribution", record["Id"]), make)

    def from_debian(self, path, source):
        entry = None
        for pattern, described in self.table["runtime"].items():
            if fnmatch.fnmatchcase(path, pattern) or fnmatch.fnmatchcase(os.path.basename(path),
                                                                         pattern):
                entry = described
        if entry is None:
            raise NoticeError("%s (from %s): no name and licence for it in "
                              "packaging/windows/third-party.json" % (path, source))
        binary = dpkg_owner(source)
        if binary is None:
            raise NoticeError("%s: %s belongs to no Debian package" % (path, source))
        package = self.packages.installed(binary)
        use = "%s (Debian package %s %s)" % (entry["name"], binary,
                                             self.packages.binary_versions[binary])
        if use not in package.uses:
            package.uses.append(use)
        return self.component(("debian", entry["name"]), lambda: Component(
            entry["name"], "", entry["licence"], package,
            text_ref="in the copyright file of %s (section 5)" % package.source))

    # ---- the text ----------------------------------------------------------------------------

    def make(self, stage, sources):
        for path in files_below(stage):
            if is_program(path) or path in sources:
                held = self.describe(path, sources.get(path))
                self.files[path] = held
                for component in held:
                    if path not in component.files:
                        component.files.append(path)
        # Files that the setup program writes as it installs (its uninstaller): the package
        # does not hold them, an installed copy does.
        setup = self.table.get("setup_program")
        if setup:
            package = self.packages.installed(setup["package"])
            package.uses.append("%s (Debian package %s %s)" % (
                setup["name"], setup["package"],
                self.packages.binary_versions[setup["package"]]))
            component = self.component(("setup",), lambda: Component(
                setup["name"], "", setup["licence"], package,
                text_ref="in the copyright file of %s (section 5)" % package.source))
            for path in setup["files"]:
                self.files[path] = [component]
                component.files.append(path)
        for binary in self.table["start_up_code"]["packages"]:
            package = self.packages.installed(binary)
            use = "start-up code in every program file (Debian package %s %s)" % (
                binary, self.packages.binary_versions[binary])
            if use not in package.uses:
                package.uses.append(use)
        # Every licence a copyright file points to goes in whole.
        for package in self.packages.by_source.values():
            for name in sorted(set(re.findall(r"/usr/share/common-licenses/([A-Za-z0-9.+-]*"
                                              r"[A-Za-z0-9+])", package.copyright))):
                self.licences.add_common(name)
        return self.text()

    def text(self):
        out = []
        title = "Brookfetch %s for Windows (64-bit): third-party notices" % self.args.version
        out += [title, "=" * len(title), ""]
        out += wrap("Brookfetch is free software under the GNU General Public License, version 3 "
                    "or later (LICENSE.txt). The files of this package listed below also hold "
                    "software of other projects, each under its own licence. This file names "
                    "each of them with what it holds (section 1), says where the exact sources of "
                    "the other projects' parts are (section 2), describes those parts (section 3), and "
                    "gives every licence in full (section 4) with the copyright files of the "
                    "sources (section 5).")
        out += ["", "", "1. The files", "-" * 12, ""]
        for path in sorted(self.files, key=str.lower):
            out.append(path)
            for component in self.files[path]:
                out.append("    %s (%s)" % (component.title(), component.licence))
        out.append("")
        out += wrap(self.table["start_up_code"]["text"])
        out += ["", "", "2. The sources", "-" * 14, ""]
        out += wrap("Each part of another project was built from the Debian 12 (\"bookworm\") "
                    "source package named here, at exactly this version. On Debian, \"apt-get "
                    "source <package>=<version>\" fetches it; every version stays at "
                    "https://snapshot.debian.org/package/<package>/<version>/.")
        out.append("")
        for package in sorted(self.packages.by_source.values(), key=lambda p: p.source):
            out.append("%s %s" % (package.source, package.version))
            out.append("    https://snapshot.debian.org/package/%s/%s/"
                       % (package.source, package.version))
            for use in package.uses:
                out += wrap(use, "    ")
        out.append("")
        out += wrap("Qt was configured and built as scripts/windows-setup in Brookfetch's source "
                    "says%s. The Qt libraries and plugins are separate DLLs: you may replace them "
                    "with ones you build yourself from the same source, and Brookfetch will use "
                    "them." % (" (commit %s)" % self.args.commit if self.args.commit else ""))
        out += ["", "", "3. The parts", "-" * 12]
        for component in self.components:
            if component.package is None:
                continue
            out += ["", component.title()]
            out.append("    in: %s" % ", ".join(component.files))
            out.append("    source: %s %s" % (component.package.source, component.package.version))
            if component.homepage:
                out.append("    home: %s" % component.homepage)
            if component.copyright:
                lines = [l.strip() for l in component.copyright.split("\n") if l.strip()]
                out.append("    copyright: %s" % lines[0])
                out += ["               %s" % l for l in lines[1:]]
            out.append("    licence: %s" % component.licence)
            out += wrap("licence text: %s" % component.text_ref, "    ", "        ")
            if component.note:
                out += wrap(component.note, "    ")
        out += ["", "", "4. The licences", "-" * 15]
        for number, (title, text) in enumerate(self.licences.texts, 1):
            out += ["", RULE, "[L%d] %s" % (number, title), RULE, ""]
            out += text.rstrip("\n").split("\n")
        out += ["", "", "5. The copyright files of the sources", "-" * 37]
        for package in sorted(self.packages.by_source.values(), key=lambda p: p.source):
            out += ["", RULE, "%s %s: %s" % (package.source, package.version, package.origin),
                    RULE, ""]
            out += package.copyright.rstrip("\n").split("\n")
        return "\r\n".join(line.rstrip() for line in out) + "\r\n"


def wrap(text, indent="", follow=None, width=78):
    follow = indent if follow is None else follow
    lines, line = [], indent
    for word in text.split():
        if line.strip() and len(line) + 1 + len(word) > width:
            lines.append(line)
            line = follow
        line += ("" if not line.strip() else " ") + word
    if line.strip():
        lines.append(line)
    return lines


def named_files(notices_text):
    """The files the notices' section 1 names."""
    part = notices_text.replace("\r\n", "\n").split("\n1. The files\n", 1)[-1]
    part = part.split("\n2. The sources\n", 1)[0]
    return {line.strip() for line in part.split("\n")[2:]
            if line and not line.startswith(" ") and is_program(line.strip())}


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    commands = parser.add_subparsers(dest="command", required=True)
    make = commands.add_parser("make")
    make.add_argument("--stage", required=True)
    make.add_argument("--sources", required=True)
    make.add_argument("--prefix", required=True)
    make.add_argument("--version", required=True)
    make.add_argument("--table", default=os.path.join(os.path.dirname(os.path.abspath(
        __file__)), "third-party.json"))
    make.add_argument("--commit", default="")
    make.add_argument("--output", required=True)
    check = commands.add_parser("check")
    check.add_argument("notices")
    check.add_argument("folder")
    args = parser.parse_args()
    try:
        if args.command == "check":
            named = named_files(read_text(args.notices))
            missing = [f for f in files_below(args.folder) if is_program(f) and f not in named]
            if missing:
                raise NoticeError("%s does not name: %s" % (args.notices, ", ".join(missing)))
            return 0
        sources = {}
        for line in read_text(args.sources).split("\n"):
            if line.strip():
                path, source = line.split("\t", 1)
                sources[path] = source
        with open(args.table, encoding="utf-8") as f:
            table = json.load(f)
        text = Notices(args, table).make(args.stage, sources)
        with open(args.output, "wb") as f:
            f.write(text.encode("utf-8"))
    except NoticeError as error:
        print("notices: %s" % error, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
