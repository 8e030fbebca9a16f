#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The MSI package of Brookfetch for managed deployment, described for wixl (msitools).

  msi.py --stage DIR --version V --icon FILE --installed FILE --output FILE.wxs

Writes the WiX description of an MSI (wixl is run in the folder of FILE.wxs) that installs the files of the staged package (DIR, the
portable copy's files) and the marker file "installed" (FILE) per machine into
Program Files\\Brookfetch, makes the Start menu entry, and lets Brookfetch open .brk files, as
the setup program does. Every code in it is derived from the version and the files, never
drawn by chance: the same files give the same package, and a component (one file) keeps its
code from version to version, as Windows Installer wants for an upgrade in place.
"""

import argparse
import hashlib
import os
import re
import sys
import uuid
from xml.sax.saxutils import quoteattr

# Brookfetch's own: every code below is derived from it. The upgrade code never changes, so
# each version replaces the one before.
NAMESPACE = uuid.UUID("6f2b1f64-5d0a-4c5e-9a53-3a0e7c1b8d21")
UPGRADE_CODE = uuid.uuid5(NAMESPACE, "brookfetch/upgrade")
PROGID = "Brookfetch.ParameterSet"
CLASSES = r"Software\Classes"


def code(*parts):
    return "{%s}" % str(uuid.uuid5(NAMESPACE, "/".join(parts))).upper()


def identifier(prefix, path):
    """An MSI identifier for a path: letters, digits, dots and underscores, at most 72."""
    digest = hashlib.sha256(path.encode()).hexdigest()[:8]
    clean = re.sub(r"[^A-Za-z0-9_.]", "_", path)[-40:]
    return "%s_%s_%s" % (prefix, digest, clean)


def msi_version(version):
    """4.00 -> 4.0.0: Windows Installer compares the first three numbers."""
    numbers = [int(n) for n in version.split(".")]
    return ".".join(str(n) for n in (numbers + [0, 0, 0])[:3])


def staged_files(stage):
    found = []
    for root, dirs, files in os.walk(stage):
        dirs.sort()
        for name in sorted(files):
            found.append(os.path.relpath(os.path.join(root, name), stage).replace(os.sep, "/"))
    return sorted(found)


def describe(stage, version, icon, installed, texts, base):
    """`base`: the folder wixl runs in; it takes the files' names relative to it."""
    files = staged_files(stage)
    # The package code tells one package from another: the same version with other files is
    # another package.
    content = hashlib.sha256()
    for path in files:
        content.update(path.encode() + b"\0")
        with open(os.path.join(stage, path), "rb") as f:
            content.update(hashlib.sha256(f.read()).digest())
    folders = {}
    all_folders = set()
    for path in files:
        folders.setdefault(os.path.dirname(path), []).append(path)
        folder = os.path.dirname(path)
        while folder:
            all_folders.add(folder)
            folder = os.path.dirname(folder)
    components = []
    out = []
    w = out.append
    w('<?xml version="1.0" encoding="utf-8"?>')
    w('<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">')
    w('  <Product Id="%s" Name="Brookfetch" Language="1033" Version="%s"'
      % (code("product", version), msi_version(version)))
    w('           Manufacturer="The Brookfetch developers" UpgradeCode="{%s}">'
      % str(UPGRADE_CODE).upper())
    w('    <Package Id="%s" InstallerVersion="500" Compressed="yes" InstallScope="perMachine"'
      % code("package", version, content.hexdigest()))
    w('             Manufacturer="The Brookfetch developers"')
    w('             Description=%s Comments=%s/>' % (
        quoteattr("Brookfetch %s" % version), quoteattr(texts["comment"])))
    w('    <Media Id="1" Cabinet="brookfetch.cab" EmbedCab="yes"/>')
    w('    <MajorUpgrade DowngradeErrorMessage=%s/>' % quoteattr(texts["newer"]))
    w('    <Icon Id="brookfetch.ico" SourceFile=%s/>' % quoteattr(os.path.relpath(icon, base)))
    w('    <Property Id="ARPPRODUCTICON" Value="brookfetch.ico"/>')
    w('    <Property Id="ARPNOMODIFY" Value="1"/>')
    # "Apps & features" and an inventory see where it went.
    w('    <CustomAction Id="SetInstallLocation" Property="ARPINSTALLLOCATION"'
      ' Value="[INSTALLDIR]"/>')
    w('    <InstallExecuteSequence>')
    w('      <Custom Action="SetInstallLocation" Sequence="1001"/>')
    w('    </InstallExecuteSequence>')
    w('    <Directory Id="TARGETDIR" Name="SourceDir">')
    w('      <Directory Id="ProgramFiles64Folder">')
    w('        <Directory Id="INSTALLDIR" Name="Brookfetch">')

    def write_folder(folder, depth):
        pad = "  " * depth
        for path in folders.get(folder, []):
            ident = identifier("c", path)
            components.append(ident)
            w('%s<Component Id="%s" Guid="%s" Win64="yes">' % (pad, ident, code("file", path)))
            w('%s  <File Id="%s" Name=%s Source=%s KeyPath="yes"/>' % (
                pad, identifier("f", path), quoteattr(os.path.basename(path)),
                quoteattr(os.path.relpath(os.path.join(stage, path), base))))
            w('%s</Component>' % pad)
        children = [d for d in all_folders if d and os.path.dirname(d) == folder]
        for child in sorted(children):
            w('%s<Directory Id="%s" Name=%s>' % (pad, identifier("d", child),
                                                 quoteattr(os.path.basename(child))))
            write_folder(child, depth + 1)
            w('%s</Directory>' % pad)

    write_folder("", 5)
    components.append("Installed")
    w('          <Component Id="Installed" Guid="%s" Win64="yes">' % code("file", "installed"))
    w('            <File Id="InstalledMark" Name="installed" Source=%s KeyPath="yes"/>'
      % quoteattr(os.path.relpath(installed, base)))
    w('          </Component>')
    w('        </Directory>')
    w('      </Directory>')
    w('      <Directory Id="ProgramMenuFolder">')
    components.append("StartMenu")
    w('        <Component Id="StartMenu" Guid="%s" Win64="yes">' % code("start-menu"))
    w('          <Shortcut Id="StartMenuShortcut" Name="Brookfetch" Target="[INSTALLDIR]brookfetch.exe"')
    w('                    WorkingDirectory="INSTALLDIR" Description=%s/>'
      % quoteattr(texts["shortcut"]))
    w('          <RegistryValue Root="HKLM" Key="Software\\Brookfetch" Name="StartMenuShortcut"'
      ' Type="integer" Value="1" KeyPath="yes"/>')
    w('        </Component>')
    w('      </Directory>')
    w('    </Directory>')

    exe = '&quot;[INSTALLDIR]brookfetch.exe&quot;'
    association = [
        (CLASSES + "\\" + PROGID, "", texts["file_type"]),
        (CLASSES + "\\" + PROGID, "FriendlyTypeName", texts["file_type"]),
        (CLASSES + "\\" + PROGID + "\\DefaultIcon", "", exe + ",0"),
        (CLASSES + "\\" + PROGID + "\\shell\\open\\command", "", exe + ' &quot;%1&quot;'),
        # Installed by an administrator for the machine, the package makes Brookfetch the
        # program of .brk files (wixl has no conditions on components to leave another
        # program's choice alone, as the setup program does).
        (CLASSES + "\\.brk", "", PROGID),
        (CLASSES + "\\.brk\\OpenWithProgids", PROGID, ""),
        (CLASSES + "\\Applications\\brookfetch.exe", "FriendlyAppName", "Brookfetch"),
        (CLASSES + "\\Applications\\brookfetch.exe\\DefaultIcon", "", exe + ",0"),
        (CLASSES + "\\Applications\\brookfetch.exe\\shell\\open\\command", "",
         exe + ' &quot;%1&quot;'),
        (CLASSES + "\\Applications\\brookfetch.exe\\SupportedTypes", ".brk", ""),
        ("Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\brookfetch.exe", "",
         "[INSTALLDIR]brookfetch.exe"),
    ]
    w('    <DirectoryRef Id="INSTALLDIR">')
    components.append("Association")
    w('      <Component Id="Association" Guid="%s" Win64="yes">' % code("association"))
    for number, (key, name, value) in enumerate(association):
        w('        <RegistryValue Root="HKLM" Key=%s%s Type="string" Value="%s"%s/>' % (
            quoteattr(key), (" Name=%s" % quoteattr(name)) if name else "", value,
            ' KeyPath="yes"' if number == 0 else ""))
    w('      </Component>')
    w('    </DirectoryRef>')

    w('    <Feature Id="Brookfetch" Title="Brookfetch" Level="1" Absent="disallow">')
    for ident in components:
        w('      <ComponentRef Id="%s"/>' % ident)
    w('    </Feature>')
    w('  </Product>')
    w('</Wix>')
    return "\n".join(out) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--stage", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--icon", required=True)
    parser.add_argument("--installed", required=True)
    parser.add_argument("--output", required=True)
    args = parser.parse_args()
    if not re.fullmatch(r"[0-9]+(\.[0-9]+){0,2}", args.version):
        print("msi: the version must be numbers with dots, not \"%s\"" % args.version,
              file=sys.stderr)
        return 2
    # The package's texts in English: Windows Installer shows its own in the system's language.
    texts = {
        "comment": "Reads, checks and writes the configuration connector of a water sampler",
        "shortcut": "Read, check and write the configuration connector of a water sampler",
        "file_type": "Brookfetch parameter set",
        "newer": "A newer version of Brookfetch is installed.",
    }
    with open(args.output, "w", encoding="utf-8") as f:
        f.write(describe(os.path.abspath(args.stage), args.version, os.path.abspath(args.icon),
                         os.path.abspath(args.installed), texts,
                         os.path.dirname(os.path.abspath(args.output))))
    return 0


if __name__ == "__main__":
    sys.exit(main())
