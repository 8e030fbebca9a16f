// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// An INI file read and written one key at a time. On Windows the system's private-profile
// functions do it; on Linux this class does it their way:
// - every read looks at the file as it is on disk now; nothing is cached;
// - every write is on disk before the call returns, by writing a new copy beside the file
//   and renaming it over the old one, so a crash never leaves half a file;
// - section and key names match without regard to case; the first match counts;
// - every line the write does not change (comments, blank lines, other keys and sections)
//   is kept byte for byte, and so are the file's line ends (CRLF or LF);
// - a missing key goes after its section's last entry (before the blank lines and comments
//   that end the section), a missing section to the end of the file; a file made from nothing uses
//   LF line ends and no blank lines:
//   "[Properties]\nVersion=256\n[MainForm]\nMainTop=0\n..."
// - a file that does not exist, cannot be read or is no regular file (a pipe, a device) reads
//   as empty, every key giving its default; a write refuses the last two, not replacing them;
// - where the folder takes no new file beside it but the file may be written, a write
//   changes the file in place; a replaced file keeps its permissions.
// A write that cannot reach the disk raises Exception "Unable to write to <path>", the path
// as it was given to the constructor. Names and values are UTF-8 in the file, or UTF-16 in a
// file that begins with a byte order mark for it (it is written back so). Lines may end in
// CR LF, LF or a lone CR. A value is taken from after the first "=" to the end of the line,
// surrounding blanks removed, and then one pair of matching double or single quotes around
// it; values are written as given, without quotes.
class TIniFile {
public:
    explicit TIniFile(QString fileName);

    const QString& FileName() const { return Path; }

    // A missing key reads as the default.
    QString ReadString(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    // A missing key, or a value that is not a decimal 32-bit integer, reads as the default.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    // Read as an integer: any value other than 0 is true.
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;

    // A section or key name holding a line break, a key name holding "=" or starting with
    // ";" or "[", and a value holding a line break are refused with Exception
    // "Error on file IniFile line <n>": they would change the file's structure.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value); // "1" / "0"

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;
    // Removes the key's line; nothing happens when there is no such key.
    void DeleteKey(const QString& section, const QString& key);

    // Makes the file afresh in one step: it then holds only what `fill` writes through this
    // object, laid out as in a file made from nothing. The new file replaces the old one whole
    // once `fill` is done; when it cannot be written, the old file stays as it was and
    // "Unable to write to <path>" is raised. Reads meanwhile still see the old file.
    void Recreate(const std::function<void()>& fill);
    // Makes all the writes of `change` in one replacement of the file, which keeps everything
    // else it holds, as the writes one by one would. When the file cannot be read whole or
    // cannot be written it stays as it was and "Unable to write to <path>" is raised; when `change`
    // raises, nothing is written. Reads meanwhile still see the file on disk.
    void Batch(const std::function<void()>& change);

private:
    // Windows: the writes of `change` in one replacement of the file, from its copy (`keep`) or
    // from nothing.
    void Replace(bool keep, const std::function<void()>& change);

    QString Path;
    // The new file's text while Recreate or Batch builds it (Linux).
    std::optional<QByteArray> Fresh;
    // The new file while Recreate or Batch fills it through the system's calls (Windows).
    QString Writing;
};
