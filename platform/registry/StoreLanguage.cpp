// Storing the language code through the registry calls, here over the store file.
#include "platform/registry/LanguageStore.h"
#include "platform/registry/Registry.h"

#include <QFile>

bool StoreLanguageCode(const QString& exePath, const char* code) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, LocalesKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, &disposition) != ERROR_SUCCESS)
        return false;
    const QByteArray valueName = QFile::encodeName(exePath);
    LONG result;
    if (code) {
        // The three letters and their terminating zero: 4 bytes.
        result = RegSetValueExA(key, valueName.constData(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(code), 4);
    } else {
        result = RegDeleteValueA(key, valueName.constData());
        if (result == ERROR_FILE_NOT_FOUND) // nothing was stored: the default holds already
            result = ERROR_SUCCESS;
    }
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}
