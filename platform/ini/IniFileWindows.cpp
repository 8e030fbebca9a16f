// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file on Windows: the system's own private-profile functions, as the earlier
// Windows program used them. Names, values and the path go through the "A" calls in the
// program's code page, which its manifest makes UTF-8.
#include "platform/ini/IniFile.h"

#include "platform/framework/Exceptions.h"
#include "platform/ini/IniEntry.h"

#include <QDir>
#include <QFileInfo>
#include <QUuid>
#include <cstring>
#include <vector>
#include <windows.h>

namespace {

QByteArray Ansi(const QString& text) {
    return text.toLocal8Bit();
}

QByteArray NativeName(const QString& path) {
    return Ansi(QDir::toNativeSeparators(path));
}

// The string the system gives for a key, or nothing when the key is not there: asked with two
// defaults no file holds, only a missing key gives each of them back.
std::optional<QByteArray> Profile(const QByteArray& section, const QByteArray& key,
                                  const QByteArray& file) {
    std::vector<char> buffer(256);
    for (const char* missing : {"\x01\x02", "\x02\x01"}) {
        for (;;) {
            const DWORD length = GetPrivateProfileStringA(
                section.constData(), key.constData(), missing, buffer.data(),
                static_cast<DWORD>(buffer.size()), file.constData());
            if (length + 1 < buffer.size()) { // it all fitted
                const QByteArray value(buffer.data(), static_cast<qsizetype>(length));
                if (value != missing)
                    return value;
                break;
            }
            buffer.resize(buffer.size() * 2);
        }
    }
    return std::nullopt;
}

// Every name of a double-zero-ended list, as GetPrivateProfileSectionNamesA gives them.
QList<QByteArray> SectionNames(const QByteArray& file) {
    std::vector<char> buffer(1024);
    DWORD length = 0;
    for (;;) {
        length = GetPrivateProfileSectionNamesA(buffer.data(), static_cast<DWORD>(buffer.size()),
                                                file.constData());
        if (length + 2 < buffer.size())
            break;
        buffer.resize(buffer.size() * 2);
    }
    QList<QByteArray> names;
    for (const char* name = buffer.data(); *name; name += std::strlen(name) + 1)
        names.push_back(name);
    return names;
}

[[noreturn]] void Unwritable(const QString& path) {
    throw Exception(QStringLiteral("Unable to write to %1").arg(path));
}

// A file with the read-only attribute is refused before anything is made beside it: its copy
// would carry the attribute, refuse the writes and then its own deletion, and stay behind.
void RefuseReadOnly(const QString& path) {
    const DWORD attributes =
        GetFileAttributesW(QDir::toNativeSeparators(path).toStdWString().c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        Unwritable(path);
}

// Whether anything stands at the path. Only "no such file" says no; any other failure to look
// (a folder this user may not read) counts as a file that is there.
bool Exists(const std::wstring& name) {
    if (GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    const DWORD error = GetLastError();
    return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
}

} // namespace

TIniFile::TIniFile(QString fileName) : Path(std::move(fileName)) {}

QString TIniFile::ReadString(const QString& section, const QString& key,
                             const QString& defaultValue) const {
    const std::optional<QByteArray> value =
        Profile(Ansi(section.trimmed()), Ansi(key.trimmed()), NativeName(Path));
    return value ? QString::fromLocal8Bit(*value) : defaultValue;
}

bool TIniFile::SectionExists(const QString& section) const {
    const QString wanted = section.trimmed();
    for (const QByteArray& name : SectionNames(NativeName(Path)))
        if (QString::fromLocal8Bit(name).trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool TIniFile::ValueExists(const QString& section, const QString& key) const {
    return Profile(Ansi(section.trimmed()), Ansi(key.trimmed()), NativeName(Path)).has_value();
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    CheckIniEntry(section, key, value);
    if (Writing.isEmpty())
        RefuseReadOnly(Path);
    const QString target = Writing.isEmpty() ? Path : Writing;
    if (!WritePrivateProfileStringA(Ansi(section.trimmed()).constData(),
                                    Ansi(key.trimmed()).constData(), Ansi(value).constData(),
                                    NativeName(target).constData()))
        Unwritable(Path);
}

void TIniFile::DeleteKey(const QString& section, const QString& key) {
    const QString target = Writing.isEmpty() ? Path : Writing;
    if (!Profile(Ansi(section.trimmed()), Ansi(key.trimmed()), NativeName(target)))
        return;
    if (Writing.isEmpty())
        RefuseReadOnly(Path);
    if (!WritePrivateProfileStringA(Ansi(section.trimmed()).constData(),
                                    Ansi(key.trimmed()).constData(), nullptr,
                                    NativeName(target).constData()))
        Unwritable(Path);
}

// The writes of `change` go to a new file beside the old one, made by the same functions from a
// copy of it (or from nothing), which then takes its place in one step: a failure on the way
// leaves the old file as it was, and reads meanwhile see the old one.
void TIniFile::Replace(bool keep, const std::function<void()>& change) {
    if (!Writing.isEmpty()) { // a batch within a batch or a recreation: part of it
        change();
        return;
    }
    RefuseReadOnly(Path);
    const QString fresh = QFileInfo(Path).absolutePath() + QStringLiteral("/.") +
                          QFileInfo(Path).fileName() + QLatin1Char('.') +
                          QUuid::createUuid().toString(QUuid::Id128).left(8);
    const std::wstring freshName = QDir::toNativeSeparators(fresh).toStdWString();
    const std::wstring name = QDir::toNativeSeparators(Path).toStdWString();
    // A file that is there but cannot be copied (another program holds it against reading, the
    // disk is nearly full) is refused, not replaced by one that holds only the new keys: every
    // other section, key and comment of it would be gone.
    if (keep && Exists(name)) {
        if (!CopyFileW(name.c_str(), freshName.c_str(), TRUE)) {
            DeleteFileW(freshName.c_str()); // what a copy cut short left
            Unwritable(Path);
        }
    } else {
        const HANDLE made = CreateFileW(freshName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (made == INVALID_HANDLE_VALUE)
            Unwritable(Path);
        CloseHandle(made);
    }
    Writing = fresh;
    try {
        change();
    } catch (...) {
        Writing.clear();
        DeleteFileW(freshName.c_str());
        throw;
    }
    Writing.clear();
    // The system may keep a profile it read in memory: it lets go of both files first.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, NativeName(fresh).constData());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, NativeName(Path).constData());
    if (!MoveFileExW(freshName.c_str(), name.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(freshName.c_str());
        Unwritable(Path);
    }
}

void TIniFile::Recreate(const std::function<void()>& fill) {
    Replace(false, fill);
}

void TIniFile::Batch(const std::function<void()>& change) {
    Replace(true, change);
}
