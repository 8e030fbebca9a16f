// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/History.h"

#include "BrookfetchVersion.h"
#include "model/Q47.h"
#include "platform/files/Files.h"
#include "platform/framework/Convert.h"
#include "platform/framework/NativePath.h"
#include "platform/registry/Locations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

namespace {

const QString FileName = QStringLiteral("history.jsonl");

// ISO 8601 to the millisecond with the offset from UTC, as the production log writes it.
QByteArray Timestamp(const QDateTime& time) {
    const int offset = time.offsetFromUtc() / 60;
    const int minutes = std::abs(offset);
    return time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")).toLatin1() +
           QString::asprintf("%c%02d:%02d", offset < 0 ? '-' : '+', minutes / 60, minutes % 60)
               .toLatin1();
}

QByteArray TextOrNull(const QString& text) {
    return text.isEmpty() ? QByteArray("null") : JsonQuoted(text);
}

QString ChecksumOf(const QByteArray& image) {
    if (image.size() != TQ47::ImageSize)
        return QString();
    TQ47 model;
    std::memcpy(model.Image, image.constData(), TQ47::ImageSize);
    return QStringLiteral("0x") +
           QStringLiteral("%1").arg(model.Checksum(), 4, 16, QLatin1Char('0')).toUpper();
}

// Why a history could not be read, in a few words.
QString ReadFailure(const TFileFailure& failure) {
    switch (failure.Reason) {
    case TFileReason::NoPermission:
        return QStringLiteral("this user may not read it");
    case TFileReason::Folder:
        return QStringLiteral("it is a folder");
    case TFileReason::NotAFile:
        return QStringLiteral("it is not a file");
    default:
        break;
    }
    return failure.SystemError != 0 ? QString::fromLocal8Bit(SystemErrorText(failure.SystemError))
                                    : QStringLiteral("it cannot be read");
}

QString Shown(const QString& path) {
    return EscapeFileName(QDir::toNativeSeparators(path));
}

QString ProgramName() {
    const QString name =
        QCoreApplication::instance() ? QCoreApplication::applicationName() : QString();
    return (name.isEmpty() ? QStringLiteral("brookfetch") : name) + QLatin1Char(' ') +
           QLatin1String(BrookfetchVersion);
}

// Digits at `at`, as a number; -1 when they are not all digits.
int Number(QByteArrayView text, qsizetype at, qsizetype digits) {
    int value = 0;
    for (qsizetype i = at; i < at + digits; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// The time as HistoryLine writes it, "2026-12-08T10:34:42.123+01:00" (also with "Z", without
// the milliseconds): read directly, for Qt's reading of ISO 8601 and the time-zone look-ups it
// makes would take most of the time a long history takes to load.
QDateTime ParseTime(QByteArrayView text) {
    const auto at = [&text](qsizetype i, char c) { return i < text.size() && text[i] == c; };
    if (!at(4, '-') || !at(7, '-') || !at(10, 'T') || !at(13, ':') || !at(16, ':'))
        return QDateTime();
    const QDate date(Number(text, 0, 4), Number(text, 5, 2), Number(text, 8, 2));
    qsizetype i = 19;
    int milliseconds = 0;
    if (at(i, '.')) {
        milliseconds = Number(text, i + 1, 3);
        i += 4;
    }
    const QTime time(Number(text, 11, 2), Number(text, 14, 2), Number(text, 17, 2), milliseconds);
    int offset = 0;
    if (at(i, 'Z') && i + 1 == text.size()) {
        offset = 0;
    } else if ((at(i, '+') || at(i, '-')) && at(i + 3, ':') && i + 6 == text.size()) {
        const int hours = Number(text, i + 1, 2);
        const int minutes = Number(text, i + 4, 2);
        if (hours < 0 || hours > 14 || minutes < 0 || minutes > 59)
            return QDateTime();
        offset = (at(i, '-') ? -60 : 60) * (hours * 60 + minutes);
    } else {
        return QDateTime();
    }
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    return QDateTime(date, time, Qt::OffsetFromUTC, offset);
}

// Each byte's value as a hexadecimal digit, -1 for a byte that is none: an image's 256 digits are
// most of what a load reads.
constexpr auto HexDigits = [] {
    std::array<signed char, 256> digits{};
    for (int c = 0; c < 256; ++c)
        digits[c] = c >= '0' && c <= '9'   ? c - '0'
                    : c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                           : -1;
    return digits;
}();

QByteArray FromHex(QByteArrayView hex) {
    // QByteArray::fromHex skips what is not a digit; an image is all digits or damaged.
    if (hex.size() % 2 != 0)
        return QByteArray();
    QByteArray bytes(hex.size() / 2, Qt::Uninitialized);
    char* byte = bytes.data();
    int bad = 0;
    for (qsizetype i = 0; i < hex.size(); i += 2) {
        const int high = HexDigits[static_cast<unsigned char>(hex[i])];
        const int low = HexDigits[static_cast<unsigned char>(hex[i + 1])];
        bad |= high | low; // negative once any is no digit
        *byte++ = static_cast<char>(high << 4 | low);
    }
    return bad < 0 ? QByteArray() : bytes;
}

// One value of a line's object.
struct TValue {
    enum class TKind { String, Null, Other } Kind = TKind::Null;
    QByteArrayView Raw; // a string's UTF-8 between its quotes, escapes as written
    bool Escaped = false;

    // The text of a string, empty for anything else.
    QString Text() const {
        if (Kind != TKind::String)
            return QString();
        if (!Escaped)
            return QString::fromUtf8(Raw);
        QString text;
        qsizetype plain = 0;
        for (qsizetype i = 0; i < Raw.size(); ++i) {
            if (Raw[i] != '\\')
                continue;
            text += QString::fromUtf8(Raw.sliced(plain, i - plain));
            const char escape = Raw[++i];
            switch (escape) {
            case 'b':
                text += QChar(u'\b');
                break;
            case 'f':
                text += QChar(u'\f');
                break;
            case 'n':
                text += QChar(u'\n');
                break;
            case 'r':
                text += QChar(u'\r');
                break;
            case 't':
                text += QChar(u'\t');
                break;
            case 'u':
                // Checked by the reader: four hexadecimal digits. A pair of surrogates is two.
                text += QChar(static_cast<char16_t>(
                    Raw.sliced(i + 1, 4).toByteArray().toUShort(nullptr, 16)));
                i += 4;
                break;
            default: // " \ /
                text += QLatin1Char(escape);
                break;
            }
            plain = i + 1;
        }
        return text + QString::fromUtf8(Raw.sliced(plain));
    }
    // The bytes of a string that holds only ASCII without escapes (a time, hex), else empty.
    QByteArrayView Ascii() const {
        return Kind == TKind::String && !Escaped ? Raw : QByteArrayView();
    }
};

// A line of the history read as one flat JSON object: each member's key and value. A value that
// is no string (a number, an object that a later version may add) is passed over whole. Quicker
// than QJsonDocument, which builds a tree of every line only to have it taken apart again.
class TLineReader {
    // What ends a string's plain run: its closing quote, an escape, a control character.
    static constexpr auto Special = [] {
        std::array<bool, 256> special{};
        for (int c = 0; c < 0x20; ++c)
            special[c] = true;
        special['"'] = special['\\'] = true;
        return special;
    }();

public:
    explicit TLineReader(QByteArrayView line) : Line(line) {}

    // Calls `member(key, value)` for each member; false when the line is no whole object.
    template <typename Member>
    bool Members(Member member) {
        Blank();
        if (!Take('{'))
            return false;
        Blank();
        if (!Take('}')) {
            do {
                Blank();
                TValue key;
                if (!String(key) || (Blank(), !Take(':')))
                    return false;
                Blank();
                TValue value;
                if (!Value(value))
                    return false;
                member(key.Raw, value);
                Blank();
            } while (Take(','));
            if (!Take('}'))
                return false;
        }
        Blank();
        return At == Line.size();
    }

private:
    bool Take(char c) {
        if (At >= Line.size() || Line[At] != c)
            return false;
        ++At;
        return true;
    }
    void Blank() {
        while (At < Line.size() &&
               (Line[At] == ' ' || Line[At] == '\t' || Line[At] == '\r' || Line[At] == '\n'))
            ++At;
    }
    bool String(TValue& value) {
        if (!Take('"'))
            return false;
        const qsizetype start = At;
        for (; At < Line.size(); ++At) {
            const char c = Line[At];
            if (!Special[static_cast<unsigned char>(c)])
                continue;
            if (c == '"') {
                value.Kind = TValue::TKind::String;
                value.Raw = Line.sliced(start, At++ - start);
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                return false;
            if (c != '\\')
                continue;
            value.Escaped = true;
            if (++At >= Line.size() || !QByteArrayView("\"\\/bfnrtu").contains(Line[At]))
                return false;
            if (Line[At] == 'u') {
                for (int digit = 0; digit < 4; ++digit)
                    if (++At >= Line.size() || HexDigits[static_cast<unsigned char>(Line[At])] < 0)
                        return false;
            }
        }
        return false;
    }
    bool Value(TValue& value) {
        if (At < Line.size() && Line[At] == '"')
            return String(value);
        if (Line.sliced(At).startsWith("null")) {
            At += 4;
            return true;
        }
        // A number, true, false, or an object or array: passed over to the end of its member.
        value.Kind = TValue::TKind::Other;
        int depth = 0;
        for (; At < Line.size(); ++At) {
            const char c = Line[At];
            if (c == '"') {
                TValue inner;
                if (!String(inner))
                    return false;
                --At;
            } else if (c == '{' || c == '[') {
                ++depth;
            } else if (c == '}' || c == ']') {
                if (depth-- == 0)
                    return true;
            } else if (c == ',' && depth == 0) {
                return true;
            }
        }
        return depth == 0;
    }

    QByteArrayView Line;
    qsizetype At = 0;
};

// Where a line as HistoryLine writes it keeps its time: right at its start.
constexpr char TimeKey[] = "{\"time\":\"";
constexpr qsizetype TimeKeySize = sizeof TimeKey - 1;

// The time of a line that starts as HistoryLine writes it, and ends like a whole line; invalid
// for any other, which is then read whole.
QDateTime LeadingTime(QByteArrayView line) {
    if (!line.startsWith(TimeKey) || !line.endsWith('}'))
        return QDateTime();
    const qsizetype end = line.indexOf('"', TimeKeySize);
    return end < 0 ? QDateTime() : ParseTime(line.sliced(TimeKeySize, end - TimeKeySize));
}

// The texts of an entry, by their keys.
struct TTextKey {
    const char* Key;
    QString THistoryEntry::*Field;
};
constexpr TTextKey TextKeys[] = {
    {"operation", &THistoryEntry::Operation},
    {"message", &THistoryEntry::Message},
    {"file", &THistoryEntry::File},
    {"adapter_name", &THistoryEntry::AdapterName},
    {"adapter_version", &THistoryEntry::AdapterVersion},
    {"adapter_serial", &THistoryEntry::AdapterSerial},
    {"connector", &THistoryEntry::Connector},
    {"checksum", &THistoryEntry::Checksum},
    {"user", &THistoryEntry::User},
    {"computer", &THistoryEntry::Computer},
    {"program", &THistoryEntry::Program},
};

// The text last read for each key. Entries repeat most of theirs (the same adapter, user,
// computer and program, a batch's file and checksum): they share one copy, and a long history
// takes a fraction of the memory, and of the time that new memory costs.
struct TKeptText {
    QByteArray Raw;
    QString Text;
};
using TTexts = std::array<TKeptText, std::size(TextKeys)>;

std::optional<THistoryEntry> ParseLine(QByteArrayView line, TTexts& texts) {
    THistoryEntry entry;
    QByteArrayView result;
    bool whole = true;
    const auto member = [&](QByteArrayView key, const TValue& value) {
        if (key == "time") {
            entry.Time = ParseTime(value.Ascii());
            return;
        }
        if (key == "result") {
            result = value.Ascii();
            return;
        }
        if (key == "image") {
            entry.Image = FromHex(value.Ascii());
            whole = entry.Image.isEmpty() == (value.Kind != TValue::TKind::String);
            return;
        }
        for (std::size_t i = 0; i < std::size(TextKeys); ++i) {
            if (key != TextKeys[i].Key)
                continue;
            if (value.Kind == TValue::TKind::String && value.Raw != texts[i].Raw) {
                texts[i].Raw = value.Raw.toByteArray();
                texts[i].Text = value.Text();
            }
            if (value.Kind == TValue::TKind::String)
                entry.*TextKeys[i].Field = texts[i].Text;
            return;
        }
    };
    if (!TLineReader(line).Members(member) || !whole || !entry.Time.isValid() ||
        entry.Operation.isEmpty() || (result != "ok" && result != "failed"))
        return std::nullopt;
    entry.Ok = result == "ok";
    return entry;
}

} // namespace

bool THistoryFilter::Matches(const THistoryEntry& entry) const {
    if (Since.isValid() && entry.Time < Since)
        return false;
    if (Until.isValid() && entry.Time >= Until)
        return false;
    if (!Operation.isEmpty() && entry.Operation != Operation)
        return false;
    if (Ok && entry.Ok != *Ok)
        return false;
    if (Text.isEmpty())
        return true;
    for (const QString* field : {&entry.File, &entry.AdapterSerial, &entry.AdapterName,
                                 &entry.Checksum, &entry.Message, &entry.User, &entry.Computer})
        if (field->contains(Text, Qt::CaseInsensitive))
            return true;
    return false;
}

QString HistoryPath(const QString& chosen) {
    if (chosen.isEmpty())
        return UserDataFolder() + QLatin1Char('/') + FileName;
    if (QFileInfo(chosen).isDir())
        return QDir(chosen).filePath(FileName);
    return chosen;
}

QByteArray HistoryLine(const THistoryEntry& entry) {
    return "{\"time\":\"" + Timestamp(entry.Time) +
           "\",\"operation\":" + JsonQuoted(entry.Operation) + ",\"result\":\"" +
           (entry.Ok ? "ok" : "failed") + "\",\"message\":" + TextOrNull(entry.Message) +
           ",\"file\":" + TextOrNull(entry.File) +
           ",\"adapter_name\":" + TextOrNull(entry.AdapterName) +
           ",\"adapter_version\":" + TextOrNull(entry.AdapterVersion) +
           ",\"adapter_serial\":" + TextOrNull(entry.AdapterSerial) +
           ",\"connector\":" + TextOrNull(entry.Connector) +
           ",\"checksum\":" + TextOrNull(entry.Checksum) + ",\"image\":" +
           (entry.Image.isEmpty() ? QByteArray("null") : '"' + entry.Image.toHex() + '"') +
           ",\"user\":" + TextOrNull(entry.User) + ",\"computer\":" + TextOrNull(entry.Computer) +
           ",\"program\":" + TextOrNull(entry.Program) + '}';
}

std::optional<THistoryEntry> ParseHistoryLine(const QByteArray& line) {
    TTexts texts;
    return ParseLine(line, texts);
}

QString RecordHistory(const QString& path, THistoryEntry entry) {
    if (!entry.Time.isValid())
        entry.Time = QDateTime::currentDateTime();
    if (entry.Checksum.isEmpty())
        entry.Checksum = ChecksumOf(entry.Image);
    if (entry.User.isEmpty())
        entry.User = UserLoginName();
    if (entry.Computer.isEmpty())
        entry.Computer = QSysInfo::machineHostName();
    if (entry.Program.isEmpty())
        entry.Program = ProgramName();

    const QString shown = Shown(path);
    const QString folder = QFileInfo(path).absolutePath();
    // The user's own place is the user's alone; a place chosen for a team gets what its folder
    // gives new folders.
    const bool ownPlace = path == HistoryPath();
    if (!QFileInfo(folder).isDir() &&
        !(ownPlace ? MakePrivateFolder(folder) : QDir().mkpath(folder)))
        return QStringLiteral("the history %1 cannot be written: its folder cannot be made")
            .arg(shown);
    TAppendFile file;
    std::string why;
    const QByteArray line = HistoryLine(entry);
    if (!file.Open(NativePath(path), why,
                   ownPlace ? TAppendFile::TOwner::Me : TAppendFile::TOwner::Anyone) ||
        !file.Append(std::string_view(line.constData(), static_cast<std::size_t>(line.size())),
                     &why))
        return QStringLiteral("the history %1 cannot be written: %2")
            .arg(shown, QString::fromLocal8Bit(why));
    return QString();
}

THistoryLoad LoadHistory(const QString& path, const THistoryFilter& filter) {
    THistoryLoad loaded;
    // Times compared as instants: a local time would be looked up in the time zone each time.
    THistoryFilter matches = filter;
    matches.Since = filter.Since.isValid() ? filter.Since.toUTC() : QDateTime();
    matches.Until = filter.Until.isValid() ? filter.Until.toUTC() : QDateTime();
    const bool byTime = matches.Since.isValid() || matches.Until.isValid();
    TTexts texts;
    const auto take = [&](QByteArrayView line) {
        if (line.endsWith('\r'))
            line.chop(1); // a history that went through an editor on Windows
        if (line.isEmpty())
            return;
        // An entry outside the time asked for is passed over by its time alone: --since over a
        // long history.
        if (byTime) {
            const QDateTime time = LeadingTime(line);
            if (time.isValid() && ((matches.Since.isValid() && time < matches.Since) ||
                                   (matches.Until.isValid() && time >= matches.Until)))
                return;
        }
        std::optional<THistoryEntry> entry = ParseLine(line, texts);
        if (!entry) {
            ++loaded.Damaged;
        } else if (matches.Matches(*entry)) {
            if (filter.KeepLines)
                entry->Line = line.toByteArray();
            loaded.Entries.append(std::move(*entry));
        }
    };
    // Line by line as the file is read: a line cut where a part of it ends is put together.
    std::string rest;
    const TLoadedFile file = ReadFileInParts(NativePath(path), [&](std::string_view part) {
        for (std::size_t end = part.find('\n'); end != std::string_view::npos;
             end = part.find('\n')) {
            if (rest.empty()) {
                take(QByteArrayView(part.data(), static_cast<qsizetype>(end)));
            } else {
                rest.append(part.substr(0, end));
                take(QByteArrayView(rest.data(), static_cast<qsizetype>(rest.size())));
                rest.clear();
            }
            part.remove_prefix(end + 1);
        }
        rest.append(part);
    });
    if (file.Result == TLoadResult::Missing)
        return THistoryLoad();
    if (file.Result != TLoadResult::Loaded) {
        THistoryLoad failed;
        failed.Failure = QStringLiteral("the history %1 cannot be read: %2")
                             .arg(Shown(path), ReadFailure(file.Failure));
        return failed;
    }
    take(QByteArrayView(rest.data(), static_cast<qsizetype>(rest.size()))); // no line feed
    std::reverse(loaded.Entries.begin(), loaded.Entries.end());
    return loaded;
}

std::optional<QDateTime> HistorySince(const QString& text) {
    if (text.isEmpty())
        return QDateTime();
    static const QRegularExpression form(
        QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})(?:[T ](\\d{2}):(\\d{2})(?::(\\d{2}))?)?$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const auto number = [&match](int part) { return match.captured(part).toInt(); };
    const QDate date(number(1), number(2), number(3));
    const QTime time = match.hasCaptured(4) ? QTime(number(4), number(5), number(6)) : QTime(0, 0);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time);
}
