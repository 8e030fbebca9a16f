// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ini/IniFile.h"

#include "platform/files/Files.h"
#include "platform/framework/Exceptions.h"
#include "platform/framework/NativePath.h"
#include "platform/ini/IniEntry.h"

#include <QByteArrayView>
#include <QStringDecoder>
#include <QStringEncoder>
#include <optional>
#include <utility>

namespace {

// One line of the file as positions in it: its text runs from Start to ContentEnd, its
// terminator ("\r\n", "\n", a lone "\r" as old Mac editors write, or none for a last line
// without one) from there to End. The file is never cut into separate lines, so a large one
// costs little more than its own size.
struct Line {
    qsizetype Start = -1;
    qsizetype ContentEnd = -1;
    qsizetype End = -1;
};

Line LineAt(const QByteArray& data, qsizetype start) {
    Line line;
    line.Start = start;
    qsizetype end = start;
    while (end < data.size() && data[end] != '\n' && data[end] != '\r')
        ++end;
    line.ContentEnd = end;
    if (end < data.size())
        end += data[end] == '\r' && end + 1 < data.size() && data[end + 1] == '\n' ? 2 : 1;
    line.End = end;
    return line;
}

// The terminator new lines get: the file's first one.
QByteArray LineEnd(const QByteArray& data) {
    const Line first = LineAt(data, 0);
    return first.End > first.ContentEnd ? data.mid(first.ContentEnd, first.End - first.ContentEnd)
                                        : QByteArray("\n");
}

bool EndsWithLineEnd(const QByteArray& data) {
    return data.endsWith('\n') || data.endsWith('\r');
}

// A value in matching double or single quotes is read without them, as Windows reads it.
QByteArrayView Unquoted(QByteArrayView value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}

// Names and values as strings. U+FEFF is a byte order mark only at the very start of the file
// (where Content drops it); anywhere else it is a character of its own, and is kept.
QString FromUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder(bytes);
}

// The file's text as the rest of this unit works on it: UTF-8 (or whatever 8-bit text it holds).
// A file in UTF-16 with a byte order mark, as Windows' editors save it, is read and written
// back in its own encoding.
struct Text {
    QByteArray Data;
    std::optional<QStringConverter::Encoding> Wide;
};

Text Decode(const QByteArray& raw) {
    for (const auto& [mark, encoding] :
         {std::pair{QByteArrayView("\xFF\xFE"), QStringConverter::Utf16LE},
          std::pair{QByteArrayView("\xFE\xFF"), QStringConverter::Utf16BE}}) {
        if (raw.startsWith(mark)) {
            QStringDecoder decoder(encoding, QStringConverter::Flag::ConvertInitialBom);
            const QString text = decoder(QByteArrayView(raw).sliced(2));
            return {text.toUtf8(), encoding};
        }
    }
    return {raw, std::nullopt};
}

QByteArray Encode(const Text& text) {
    if (!text.Wide)
        return text.Data;
    QStringEncoder encoder(*text.Wide, QStringConverter::Flag::Stateless);
    const QByteArray mark = *text.Wide == QStringConverter::Utf16LE ? "\xFF\xFE" : "\xFE\xFF";
    return mark + QByteArray(encoder(FromUtf8(text.Data)));
}

QByteArrayView Content(const QByteArray& data, const Line& line) {
    QByteArrayView text(data.constData() + line.Start, line.ContentEnd - line.Start);
    if (line.Start == 0 && text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3); // a byte order mark left by an editor
    return text;
}

bool SameName(QByteArrayView utf8, const QString& name) {
    return FromUtf8(utf8).compare(name.trimmed(), Qt::CaseInsensitive) == 0;
}

// The section a line opens, or nothing when it opens none.
bool SectionName(QByteArrayView line, QByteArrayView& name) {
    const QByteArrayView text = line.trimmed();
    if (!text.startsWith('['))
        return false;
    const qsizetype close = text.indexOf(']');
    name = (close < 0 ? text.sliced(1) : text.sliced(1, close - 1)).trimmed();
    return true;
}

// The key a line holds and the position of its "=" in the line, or -1 for comments and
// other lines.
qsizetype KeyName(QByteArrayView line, QByteArrayView& name) {
    const QByteArrayView text = line.trimmed();
    if (text.startsWith(';') || text.startsWith('['))
        return -1;
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return -1;
    name = line.first(equals).trimmed();
    return name.isEmpty() ? -1 : equals;
}

struct Place {
    bool Section = false;  // the section is there
    Line Key;              // the key's line; Start -1 when the section has none
    Line Last;             // last line of the section that is no comment or blank
    qsizetype Equals = -1; // position of "=" in the file
};

Place Find(const QByteArray& data, const QString& section, const QString& key) {
    Place place;
    for (qsizetype start = 0; start < data.size();) {
        const Line line = LineAt(data, start);
        start = line.End;
        const QByteArrayView text = Content(data, line);
        QByteArrayView name;
        if (SectionName(text, name)) {
            if (place.Section)
                break; // the first matching section is the one that counts
            if (SameName(name, section)) {
                place.Section = true;
                place.Last = line;
            }
            continue;
        }
        if (!place.Section)
            continue;
        // Blank lines and comments at a section's end usually introduce the next one, so a
        // new key goes before them.
        const QByteArrayView trimmed = text.trimmed();
        if (!trimmed.isEmpty() && !trimmed.startsWith(';'))
            place.Last = line;
        if (place.Key.Start < 0 && !key.isNull()) {
            const qsizetype equals = KeyName(text, name);
            if (equals >= 0 && SameName(name, key)) {
                place.Key = line;
                place.Equals = (text.constData() - data.constData()) + equals;
            }
        }
    }
    return place;
}
} // namespace

TIniFile::TIniFile(QString fileName) : Path(std::move(fileName)) {}

// A settings file is a few hundred bytes; one of many megabytes is none of ours.
constexpr std::size_t MaxFileSize = 16 << 20;

static TLoadedFile Load(const QString& path) {
    return LoadWholeFile(NativePath(path), MaxFileSize);
}

static bool Readable(const TLoadedFile& file) {
    return file.Result == TLoadResult::Loaded && !file.Longer;
}

static QByteArray Bytes(const TLoadedFile& file) {
    return QByteArray(file.Bytes.data(), static_cast<qsizetype>(file.Bytes.size()));
}

// The file as it is now; a missing or unreadable file reads as empty. So does anything but a
// regular file: opening a pipe would wait for a writer, and a device may never end.
static QByteArray ReadAll(const QString& path) {
    const TLoadedFile file = Load(path);
    return Readable(file) ? Decode(Bytes(file)).Data : QByteArray();
}

QString TIniFile::ReadString(const QString& section, const QString& key,
                             const QString& defaultValue) const {
    const QByteArray data = ReadAll(Path);
    const Place place = Find(data, section, key);
    if (place.Key.Start < 0)
        return defaultValue;
    const QByteArrayView value(data.constData() + place.Equals + 1,
                               place.Key.ContentEnd - place.Equals - 1);
    return FromUtf8(Unquoted(value.trimmed()));
}

bool TIniFile::SectionExists(const QString& section) const {
    return Find(ReadAll(Path), section, QString()).Section;
}

bool TIniFile::ValueExists(const QString& section, const QString& key) const {
    return Find(ReadAll(Path), section, key).Key.Start >= 0;
}

// Reads the file for a change; while the file is made afresh, the new text so far. A file that
// exists but cannot be read must not be replaced by one holding only the new key, so that is a
// failed write.
static Text ReadForChange(const QString& path, const std::optional<QByteArray>& fresh) {
    if (fresh)
        return {*fresh, std::nullopt};
    const TLoadedFile file = Load(path);
    if (file.Result == TLoadResult::Missing)
        return {};
    if (!Readable(file))
        throw Exception(QStringLiteral("Unable to write to %1").arg(path));
    return Decode(Bytes(file));
}

static void WriteAll(const QString& path, std::optional<QByteArray>& fresh, const Text& text) {
    if (fresh) {
        *fresh = text.Data;
        return;
    }
    const QByteArray bytes = Encode(text);
    if (SaveWholeFile(NativePath(path), std::string_view(bytes.constData(),
                                                         static_cast<std::size_t>(bytes.size()))) !=
        TSaveResult::Saved)
        throw Exception(QStringLiteral("Unable to write to %1").arg(path));
}

// Runs `change` with its writes collecting in `fresh`, which starts as `text`, and then writes
// the result in one step.
static void Collect(const QString& path, std::optional<QByteArray>& fresh, Text text,
                    const std::function<void()>& change) {
    fresh = text.Data;
    try {
        change();
        text.Data = *fresh;
    } catch (...) {
        fresh.reset();
        throw;
    }
    fresh.reset();
    WriteAll(path, fresh, text);
}

void TIniFile::Recreate(const std::function<void()>& fill) {
    Collect(Path, Fresh, Text(), fill);
}

void TIniFile::Batch(const std::function<void()>& change) {
    // Inside another batch or a Recreate, the writes are already collected.
    if (Fresh) {
        change();
        return;
    }
    Collect(Path, Fresh, ReadForChange(Path, Fresh), change);
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    CheckIniEntry(section, key, value);
    const QString sectionName = section.trimmed();
    const QString keyName = key.trimmed();

    Text text = ReadForChange(Path, Fresh);
    QByteArray& data = text.Data;
    const Place place = Find(data, sectionName, keyName);
    const QByteArray eol = LineEnd(data);
    const QByteArray entry = keyName.toUtf8() + '=' + value.toUtf8();

    if (place.Key.Start >= 0) {
        // Keep everything up to the value as it stands: the key's spelling and spacing.
        qsizetype valueStart = place.Equals + 1;
        while (valueStart < place.Key.ContentEnd &&
               (data[valueStart] == ' ' || data[valueStart] == '\t'))
            ++valueStart;
        data.replace(valueStart, place.Key.ContentEnd - valueStart, value.toUtf8());
    } else if (place.Section) {
        // After the section's last entry; a last line of the file gets its line end first.
        const Line& after = place.Last;
        if (after.End == after.ContentEnd)
            data.insert(after.End, eol + entry + eol);
        else
            data.insert(after.End, entry + eol);
    } else {
        if (!data.isEmpty() && !EndsWithLineEnd(data))
            data += eol;
        data += '[' + sectionName.toUtf8() + ']' + eol + entry + eol;
    }
    WriteAll(Path, Fresh, text);
}

void TIniFile::DeleteKey(const QString& section, const QString& key) {
    Text text = ReadForChange(Path, Fresh);
    const Place place = Find(text.Data, section, key);
    if (place.Key.Start < 0)
        return;
    text.Data.remove(place.Key.Start, place.Key.End - place.Key.Start);
    WriteAll(Path, Fresh, text);
}
