#include "platform/registry/Registry.h"

#include "platform/files/Files.h"
#include "platform/framework/NativePath.h"
#include "platform/registry/Locations.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStringList>
#include <mutex>
#include <set>
#include <vector>

// An open key: the full path of the key it stands for and what it may do.
struct HKEY__ {
    QString Path;
    REGSAM Access;
};

namespace {

HKEY__ CurrentUserRoot{QStringLiteral("HKEY_CURRENT_USER"), KEY_ALL_ACCESS};

struct Value {
    QByteArray Name;
    DWORD Type;
    QByteArray Data;
};

struct Key {
    QString Path;
    std::vector<Value> Values;
};

struct Store {
    std::vector<Key> Keys;

    Key* FindKey(const QString& path) {
        for (Key& key : Keys)
            if (key.Path.compare(path, Qt::CaseInsensitive) == 0)
                return &key;
        return nullptr;
    }
};

// Handles given out and not yet closed.
std::mutex HandlesLock;
std::set<HKEY> Handles;

constexpr char DefaultValueName = '@';

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
    for (const Key& key : store.Keys) {
        out += '[' + key.Path.toUtf8() + "]\n";
        for (const Value& value : key.Values)
            out += EncodeName(value.Name) + '=' + QByteArray::number(value.Type) + ':' +
                   value.Data.toHex() + '\n';
    }
    return out;
}

Store Parse(const QByteArray& data) {
    Store store;
    Key* current = nullptr;
    for (const QByteArray& raw : data.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(';'))
            continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            const QString path = QString::fromUtf8(line.mid(1, line.size() - 2));
            current = store.FindKey(path);
            if (!current) {
                store.Keys.push_back(Key{path, {}});
                current = &store.Keys.back();
            }
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        const qsizetype colon = line.indexOf(':', equals + 1);
        if (!current || equals <= 0 || colon < 0)
            continue; // not ours: skipped rather than guessed at
        bool ok = false;
        const DWORD type = line.mid(equals + 1, colon - equals - 1).toUInt(&ok);
        if (!ok)
            continue;
        current->Values.push_back(
            Value{DecodeName(line.left(equals)), type, QByteArray::fromHex(line.mid(colon + 1))});
    }
    return store;
}

// The store holds a few short values; one of many megabytes is none of ours.
constexpr std::size_t MaxStoreSize = 16 << 20;

// Reads the store; false when it exists but cannot be read, or is no regular file (a pipe
// would hold up the start-up waiting for a writer).
bool Load(Store& store) {
    const TLoadedFile file = LoadWholeFile(NativePath(RegistryStorePath()), MaxStoreSize);
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
               NativePath(RegistryStorePath()),
               std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))) ==
           TSaveResult::Saved;
}

// Holds the store's lock file while a change is read, made and written.
class Change {
public:
    Change() : Lock(RegistryStorePath() + QStringLiteral(".lock")) {
        Ready = MakePrivateFolder(QFileInfo(RegistryStorePath()).absolutePath()) &&
                Lock.tryLock(5000) && Load(Data);
    }
    bool Ready;
    Store Data;

private:
    QLockFile Lock;
};

bool IsOpen(HKEY key) {
    if (key == HKEY_CURRENT_USER)
        return true;
    std::lock_guard guard(HandlesLock);
    return Handles.count(key) != 0;
}

HKEY NewHandle(const QString& path, REGSAM access) {
    const HKEY key = new HKEY__{path, access};
    std::lock_guard guard(HandlesLock);
    Handles.insert(key);
    return key;
}

// The full path of a key below an open one; "Software\\\\X\\" and "Software\\X" are the same.
QString SubKeyPath(HKEY parent, LPCSTR subKey) {
    QStringList parts{parent->Path};
    if (subKey)
        for (const QString& part : QString::fromUtf8(subKey).split(QLatin1Char('\\')))
            if (!part.isEmpty())
                parts.push_back(part);
    return parts.join(QLatin1Char('\\'));
}

} // namespace

HKEY const HKEY_CURRENT_USER = &CurrentUserRoot;

QString RegistryStorePath() {
    return UserConfigFolder() + QStringLiteral("/registry.ini");
}

LONG RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPSTR, DWORD, REGSAM samDesired,
                     LPSECURITY_ATTRIBUTES, PHKEY phkResult, LPDWORD lpdwDisposition) {
    if (!phkResult || Reserved != 0)
        return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    if (!hKey || !IsOpen(hKey))
        return ERROR_INVALID_HANDLE;
    const QString path = SubKeyPath(hKey, lpSubKey);
    if (path.contains(QLatin1Char('\n')) || path.contains(QLatin1Char('\r')))
        return ERROR_INVALID_PARAMETER; // a key name is one line of the store
    // Taking the lock also proves that the store's folder can be written.
    Change change;
    if (!change.Ready)
        return ERROR_ACCESS_DENIED;
    DWORD disposition = REG_OPENED_EXISTING_KEY;
    if (!change.Data.FindKey(path)) {
        change.Data.Keys.push_back(Key{path, {}});
        if (!Save(change.Data))
            return ERROR_ACCESS_DENIED;
        disposition = REG_CREATED_NEW_KEY;
    }
    if (lpdwDisposition)
        *lpdwDisposition = disposition;
    *phkResult = NewHandle(path, samDesired);
    return ERROR_SUCCESS;
}

LONG RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, REGSAM samDesired, PHKEY phkResult) {
    if (!phkResult)
        return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    if (!hKey || !IsOpen(hKey))
        return ERROR_INVALID_HANDLE;
    const QString path = SubKeyPath(hKey, lpSubKey);
    Store store;
    if (!Load(store))
        return ERROR_ACCESS_DENIED;
    if (!store.FindKey(path))
        return ERROR_FILE_NOT_FOUND;
    *phkResult = NewHandle(path, samDesired);
    return ERROR_SUCCESS;
}

LONG RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData,
                    DWORD cbData) {
    if (!hKey || !IsOpen(hKey))
        return ERROR_INVALID_HANDLE;
    if (Reserved != 0 || (!lpData && cbData != 0))
        return ERROR_INVALID_PARAMETER;
    if (!(hKey->Access & KEY_SET_VALUE))
        return ERROR_ACCESS_DENIED;
    Change change;
    if (!change.Ready)
        return ERROR_ACCESS_DENIED;
    Key* key = change.Data.FindKey(hKey->Path);
    if (!key) { // removed behind our back: the open handle brings it back
        change.Data.Keys.push_back(Key{hKey->Path, {}});
        key = &change.Data.Keys.back();
    }
    const QByteArray name(lpValueName ? lpValueName : "");
    const QByteArray data(reinterpret_cast<const char*>(lpData), static_cast<qsizetype>(cbData));
    bool found = false;
    for (Value& value : key->Values)
        if (value.Name == name) {
            value.Type = dwType;
            value.Data = data;
            found = true;
        }
    if (!found)
        key->Values.push_back(Value{name, dwType, data});
    return Save(change.Data) ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                      LPBYTE lpData, LPDWORD lpcbData) {
    if (!hKey || !IsOpen(hKey))
        return ERROR_INVALID_HANDLE;
    if (lpReserved || (lpData && !lpcbData))
        return ERROR_INVALID_PARAMETER;
    if (!(hKey->Access & KEY_QUERY_VALUE))
        return ERROR_ACCESS_DENIED;
    Store store;
    if (!Load(store))
        return ERROR_ACCESS_DENIED;
    const Key* key = store.FindKey(hKey->Path);
    const QByteArray name(lpValueName ? lpValueName : "");
    if (key)
        for (const Value& value : key->Values) {
            if (value.Name != name)
                continue;
            if (lpType)
                *lpType = value.Type;
            const auto size = static_cast<DWORD>(value.Data.size());
            if (lpData && *lpcbData < size) {
                *lpcbData = size;
                return ERROR_MORE_DATA;
            }
            if (lpData)
                std::copy(value.Data.begin(), value.Data.end(), lpData);
            if (lpcbData)
                *lpcbData = size;
            return ERROR_SUCCESS;
        }
    return ERROR_FILE_NOT_FOUND;
}

LONG RegDeleteValueA(HKEY hKey, LPCSTR lpValueName) {
    if (!hKey || !IsOpen(hKey))
        return ERROR_INVALID_HANDLE;
    if (!(hKey->Access & KEY_SET_VALUE))
        return ERROR_ACCESS_DENIED;
    Change change;
    if (!change.Ready)
        return ERROR_ACCESS_DENIED;
    Key* key = change.Data.FindKey(hKey->Path);
    if (!key)
        return ERROR_FILE_NOT_FOUND;
    const QByteArray name(lpValueName ? lpValueName : "");
    const auto before = key->Values.size();
    std::erase_if(key->Values, [&name](const Value& value) { return value.Name == name; });
    if (key->Values.size() == before)
        return ERROR_FILE_NOT_FOUND;
    return Save(change.Data) ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

LONG RegCloseKey(HKEY hKey) {
    if (hKey == HKEY_CURRENT_USER)
        return ERROR_SUCCESS;
    {
        std::lock_guard guard(HandlesLock);
        if (!hKey || Handles.erase(hKey) == 0)
            return ERROR_INVALID_HANDLE;
    }
    delete hKey;
    return ERROR_SUCCESS;
}

std::optional<QString> StoredLanguageCode(const QString& exePath) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, LocalesKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    // At most five bytes are read, as the start-up always did; a longer value is no code.
    BYTE data[5] = {};
    DWORD size = sizeof data;
    const QByteArray name = QFile::encodeName(exePath);
    LONG result = RegQueryValueExA(key, name.constData(), nullptr, nullptr, data, &size);
    if (result == ERROR_FILE_NOT_FOUND) {
        size = sizeof data;
        result = RegQueryValueExA(key, "", nullptr, nullptr, data, &size);
    }
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return std::nullopt;
    return LanguageCodeOf(
        QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
}
