// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/registry/LanguageStore.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

// What the Linux language store file keeps for an executable, read from the file itself as
// "<type>:<bytes>" ("1:deu\0": REG_SZ, the code and its zero); none when it has no value.
inline std::optional<QByteArray> StoredLanguageValue(const QString& exePath) {
    QFile store(LanguageStoreFile());
    if (!store.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray section = "[HKEY_CURRENT_USER\\" + QByteArray(LocalesKey) + ']';
    const QByteArray name = QFile::encodeName(exePath).toPercentEncoding("/,:+") + '=';
    bool inLocales = false;
    for (const QByteArray& line : store.readAll().split('\n')) {
        if (line.startsWith('['))
            inLocales = line.compare(section, Qt::CaseInsensitive) == 0;
        else if (inLocales && line.startsWith(name)) {
            const QByteArray value = line.mid(name.size());
            const qsizetype colon = value.indexOf(':');
            return value.left(colon + 1) + QByteArray::fromHex(value.mid(colon + 1));
        }
    }
    return std::nullopt;
}
