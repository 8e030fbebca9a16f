#include "platform/ini/IniFile.h"

#include "platform/framework/Exceptions.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <utility>
#include <vector>

namespace {

// The file split into lines; each keeps its own terminator ("\r\n", "\n" or none for a last
// line without one), so joining them gives the file back byte for byte.
struct Lines {
    std::vector<QByteArray> Text;
    std::vector<QByteArray> End;
    QByteArray Eol = "\n"; // the terminator new lines get: the file's first one

    QByteArray Join() const {
        QByteArray out;
        for (std::size_t i = 0; i < Text.size(); ++i)
            out += Text[i] + End[i];
        return out;
    }
};

Lines Split(const QByteArray& data) {
    Lines lines;
    bool eolSeen = false;
    qsizetype start = 0;
    while (start < data.size()) {
        const qsizetype newline = data.indexOf('\n', start);
        if (newline < 0) {
            lines.Text.push_back(data.mid(start));
            lines.End.push_back(QByteArray());
            break;
        }
        const bool crlf = newline > start && data[newline - 1] == '\r';
        const qsizetype contentEnd = crlf ? newline - 1 : newline;
        lines.Text.push_back(data.mid(start, contentEnd - start));
        lines.End.push_back(crlf ? QByteArray("\r\n") : QByteArray("\n"));
        if (!eolSeen) {
            lines.Eol = lines.End.back();
            eolSeen = true;
        }
        start = newline + 1;
    }
    return lines;
}

QByteArray Content(const Lines& lines, std::size_t index) {
    QByteArray text = lines.Text[index];
    if (index == 0 && text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3); // a byte order mark left by an editor
    return text;
}

bool SameName(const QByteArray& utf8, const QString& name) {
    return QString::fromUtf8(utf8).compare(name.trimmed(), Qt::CaseInsensitive) == 0;
}

// The section a line opens, or nothing when it opens none.
bool SectionName(const QByteArray& line, QByteArray& name) {
    const QByteArray text = line.trimmed();
    if (!text.startsWith('['))
        return false;
    const qsizetype close = text.indexOf(']');
    name = text.mid(1, close < 0 ? -1 : close - 1).trimmed();
    return true;
}

// The key a line holds and the position of its "=", or -1 for comments and other lines.
qsizetype KeyName(const QByteArray& line, QByteArray& name) {
    const QByteArray text = line.trimmed();
    if (text.startsWith(';') || text.startsWith('['))
        return -1;
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return -1;
    name = line.left(equals).trimmed();
    return name.isEmpty() ? -1 : equals;
}

struct Place {
    std::ptrdiff_t Header = -1; // line of the section's header; -1 when there is no section
    std::ptrdiff_t Key = -1;    // line of the key; -1 when the section has none
    std::ptrdiff_t Last = -1;   // last line of the section that is no comment or blank
    qsizetype Equals = -1;      // position of "=" in the key's line
};

Place Find(const Lines& lines, const QString& section, const QString& key) {
    Place place;
    for (std::size_t i = 0; i < lines.Text.size(); ++i) {
        const QByteArray text = Content(lines, i);
        QByteArray name;
        if (SectionName(text, name)) {
            if (place.Header >= 0)
                break; // the first matching section is the one that counts
            if (SameName(name, section))
                place.Header = place.Last = static_cast<std::ptrdiff_t>(i);
            continue;
        }
        if (place.Header < 0)
            continue;
        // Blank lines and comments at a section's end usually introduce the next one, so a
        // new key goes before them.
        const QByteArray trimmed = text.trimmed();
        if (!trimmed.isEmpty() && !trimmed.startsWith(';'))
            place.Last = static_cast<std::ptrdiff_t>(i);
        if (place.Key < 0 && !key.isNull()) {
            const qsizetype equals = KeyName(text, name);
            if (equals >= 0 && SameName(name, key)) {
                place.Key = static_cast<std::ptrdiff_t>(i);
                place.Equals = equals;
            }
        }
    }
    return place;
}

bool IsNumber(const QString& text) {
    qsizetype i = 0;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    if (i == text.size())
        return false;
    for (; i < text.size(); ++i)
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9'))
            return false;
    return true;
}

bool HasLineBreak(const QString& text) {
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

} // namespace

TIniFile::TIniFile(QString fileName) : Path(std::move(fileName)) {}

// The file as it is now; a missing or unreadable file reads as empty. So does anything but a
// regular file: opening a pipe would wait for a writer, and a device may never end.
static QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QString TIniFile::ReadString(const QString& section, const QString& key,
                             const QString& defaultValue) const {
    const Lines lines = Split(ReadAll(Path));
    const Place place = Find(lines, section, key);
    if (place.Key < 0)
        return defaultValue;
    const QByteArray text = Content(lines, static_cast<std::size_t>(place.Key));
    return QString::fromUtf8(text.mid(place.Equals + 1).trimmed());
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const {
    const QString text = ReadString(section, key, QString());
    if (!IsNumber(text))
        return defaultValue;
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok, 10);
    if (!ok || value < INT32_MIN || value > INT32_MAX)
        return defaultValue;
    return static_cast<int>(value);
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool TIniFile::SectionExists(const QString& section) const {
    return Find(Split(ReadAll(Path)), section, QString()).Header >= 0;
}

bool TIniFile::ValueExists(const QString& section, const QString& key) const {
    return Find(Split(ReadAll(Path)), section, key).Key >= 0;
}

// Reads the file for a change. A file that exists but cannot be read must not be replaced
// by one holding only the new key, so that is a failed write.
static Lines ReadForChange(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return Lines();
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Unable to write to %1").arg(path));
    return Split(file.readAll());
}

static void WriteAll(const QString& path, const Lines& lines) {
    QSaveFile file(path);
    const QByteArray data = lines.Join();
    // Unbuffered, so that a short write (a full disk) shows in write()'s count: a buffered
    // QSaveFile can commit a cut copy when its flush fell short.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(data) != data.size() || !file.commit())
        throw Exception(QStringLiteral("Unable to write to %1").arg(path));
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    const QString sectionName = section.trimmed();
    const QString keyName = key.trimmed();
    if (sectionName.isEmpty() || HasLineBreak(sectionName) ||
        sectionName.contains(QLatin1Char(']')))
        throw Exception(ErrorOnFile("IniFile", __LINE__));
    if (keyName.isEmpty() || HasLineBreak(keyName) || keyName.contains(QLatin1Char('=')) ||
        keyName.startsWith(QLatin1Char(';')) || keyName.startsWith(QLatin1Char('[')))
        throw Exception(ErrorOnFile("IniFile", __LINE__));
    if (HasLineBreak(value))
        throw Exception(ErrorOnFile("IniFile", __LINE__));

    Lines lines = ReadForChange(Path);
    const Place place = Find(lines, sectionName, keyName);
    const QByteArray entry = keyName.toUtf8() + '=' + value.toUtf8();
    // A new line after one that has no terminator (the file's last line) needs one first.
    auto terminate = [&lines](std::size_t index) {
        if (lines.End[index].isEmpty())
            lines.End[index] = lines.Eol;
    };

    if (place.Key >= 0) {
        // Keep everything up to the value as it stands: the key's spelling and spacing.
        const auto index = static_cast<std::size_t>(place.Key);
        QByteArray& text = lines.Text[index];
        qsizetype valueStart = place.Equals + 1;
        while (valueStart < text.size() && (text[valueStart] == ' ' || text[valueStart] == '\t'))
            ++valueStart;
        text = text.left(valueStart) + value.toUtf8();
    } else if (place.Header >= 0) {
        const auto after = static_cast<std::size_t>(place.Last);
        terminate(after);
        lines.Text.insert(lines.Text.begin() + static_cast<std::ptrdiff_t>(after) + 1, entry);
        lines.End.insert(lines.End.begin() + static_cast<std::ptrdiff_t>(after) + 1, lines.Eol);
    } else {
        if (!lines.Text.empty())
            terminate(lines.Text.size() - 1);
        lines.Text.push_back('[' + sectionName.toUtf8() + ']');
        lines.End.push_back(lines.Eol);
        lines.Text.push_back(entry);
        lines.End.push_back(lines.Eol);
    }
    WriteAll(Path, lines);
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::DeleteKey(const QString& section, const QString& key) {
    Lines lines = ReadForChange(Path);
    const Place place = Find(lines, section, key);
    if (place.Key < 0)
        return;
    // A key always follows its section's header, so its line is never the first one.
    lines.Text.erase(lines.Text.begin() + place.Key);
    lines.End.erase(lines.End.begin() + place.Key);
    WriteAll(Path, lines);
}
