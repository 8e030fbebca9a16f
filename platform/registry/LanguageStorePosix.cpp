// SPDX-License-Identifier: GPL-3.0-or-later
// The language store on Linux: the per-user file that the Windows program's registry values
// correspond to, $XDG_CONFIG_HOME/brookfetch/registry.ini (else ~/.config/...), read afresh at
// each call. A section per key, "[HKEY_CURRENT_USER\Software\Borland\Locales]", names matched
// without regard to case as Windows does; a line per value,
//   <name, percent-encoded>=<type, decimal>:<data, hexadecimal>
// e.g. "/opt/brookfetch/brookfetch=1:64657500" for "deu" and its zero byte as REG_SZ (type 1);
// the name "@" is the key's default value. Value names match exactly: the executable paths
// they carry are case-sensitive here. Other sections and values are kept as they are. A change
// is on disk (written aside, then renamed over the file) before the call returns; a lock file
// beside it keeps two running programs from losing each other's changes.
#include "platform/registry/LanguageStore.h"

#include "platform/files/Files.h"
#include "platform/framework/NativePath.h"
#include "platform/registry/Locations.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <vector>

namespace {

constexpr unsigned TextType = 1; // REG_SZ
constexpr char DefaultValueName = '@';
// The store holds a few short values; one of many megabytes is none of ours.
constexpr std::size_t MaxStoreSize = 16 << 20;
const QString LocalesSection = QStringLiteral("HKEY_CURRENT_USER\\") + QLatin1String(LocalesKey);

struct Value {
    QByteArray Name;
    unsigned Type;
    QByteArray Data;
};

struct Section {
    QString Name;
    std::vector<Value> Values;
};

struct Store {
    std::vector<Section> Sections;

    Section* Find(const QString& name) {
        for (Section& section : Sections)
            if (section.Name.compare(name, Qt::CaseInsensitive) == 0)
                return &section;
        return nullptr;
    }
};

QByteArray EncodeName(const QByteArray& name) {
    if (name.isEmpty())
        return QByteArray(1, DefaultValueName);
    return name.toPercentEncoding("/,:+");
}

QByteArray DecodeName(const QByteArray& text) {
    if (text == QByteArray(1, DefaultValueName))
        return QByteArray();
    return QByteArray::fromPercentEncoding(text);
}

QByteArray Serialize(const Store& store) {
    QByteArray out = "; Per-user registry values of Brookfetch. Value lines: "
                     "<percent-encoded name>=<type>:<hex data>\n";
    for (const Section& section : store.Sections) {
        out += '[' + section.Name.toUtf8() + "]\n";
        for (const Value& value : section.Values)
            out += EncodeName(value.Name) + '=' + QByteArray::number(value.Type) + ':' +
                   value.Data.toHex() + '\n';
    }
    return out;
}

// Lines of no known shape are skipped rather than guessed at.
Store Parse(const QByteArray& data) {
    Store store;
    Section* current = nullptr;
    for (const QByteArray& raw : data.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(';'))
            continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            const QString name = QString::fromUtf8(line.mid(1, line.size() - 2));
            current = store.Find(name);
            if (!current) {
                store.Sections.push_back(Section{name, {}});
                current = &store.Sections.back();
            }
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        const qsizetype colon = line.indexOf(':', equals + 1);
        if (!current || equals <= 0 || colon < 0)
            continue;
        bool ok = false;
        const unsigned type = line.mid(equals + 1, colon - equals - 1).toUInt(&ok);
        if (!ok)
            continue;
        current->Values.push_back(
            Value{DecodeName(line.left(equals)), type, QByteArray::fromHex(line.mid(colon + 1))});
    }
    return store;
}

// False when the file exists but cannot be read, or is no regular file (a pipe would hold up
// the start-up waiting for a writer).
bool Load(Store& store) {
    const TLoadedFile file = LoadWholeFile(NativePath(LanguageStoreFile()), MaxStoreSize);
    if (file.Result == TLoadResult::Missing) {
        store = Store();
        return true;
    }
    if (file.Result != TLoadResult::Loaded || file.Longer)
        return false;
    store = Parse(QByteArray(file.Bytes.data(), static_cast<qsizetype>(file.Bytes.size())));
    return true;
}

bool Save(const Store& store) {
    const QByteArray bytes = Serialize(store);
    return SaveWholeFile(
               NativePath(LanguageStoreFile()),
               std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))) ==
           TSaveResult::Saved;
}

} // namespace

QString LanguageStoreFile() {
    return UserConfigFolder() + QStringLiteral("/registry.ini");
}

bool StoreLanguageCode(const QString& exePath, const char* code) {
    const QString path = LanguageStoreFile();
    if (!MakePrivateFolder(QFileInfo(path).absolutePath()))
        return false;
    QLockFile lock(path + QStringLiteral(".lock"));
    Store store;
    if (!lock.tryLock(5000) || !Load(store))
        return false;
    // The key is made when missing, as opening it always did, so the file then stands even
    // when nothing was stored in it.
    bool changed = false;
    Section* locales = store.Find(LocalesSection);
    if (!locales) {
        store.Sections.push_back(Section{LocalesSection, {}});
        locales = &store.Sections.back();
        changed = true;
    }
    const QByteArray name = QFile::encodeName(exePath);
    if (code) {
        // The three letters and their terminating zero: 4 bytes.
        const QByteArray data(code, 4);
        bool found = false;
        for (Value& value : locales->Values)
            if (value.Name == name) {
                value = Value{name, TextType, data};
                found = true;
            }
        if (!found)
            locales->Values.push_back(Value{name, TextType, data});
        changed = true;
    } else {
        // Nothing stored is no failure: the default holds already.
        changed |= std::erase_if(locales->Values,
                                 [&name](const Value& value) { return value.Name == name; }) > 0;
    }
    return !changed || Save(store);
}

std::optional<QString> StoredLanguageCode(const QString& exePath) {
    Store store;
    if (!Load(store))
        return std::nullopt;
    const Section* locales = store.Find(LocalesSection);
    if (!locales)
        return std::nullopt;
    const auto find = [locales](const QByteArray& name) -> const Value* {
        for (const Value& value : locales->Values)
            if (value.Name == name)
                return &value;
        return nullptr;
    };
    const Value* value = find(QFile::encodeName(exePath));
    if (!value)
        value = find(QByteArray());
    // At most five bytes are read, as the start-up always did; a longer value is no code.
    if (!value || value->Data.size() > 5)
        return std::nullopt;
    return LanguageCodeOf(QString::fromLatin1(value->Data));
}
