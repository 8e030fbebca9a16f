// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Json.h"

#include "platform/framework/Convert.h"

namespace cli {

QByteArray JsonString(const QString& text) {
    return JsonQuoted(text);
}

QByteArray JsonStringOrNull(const QString& text) {
    return text.isEmpty() ? QByteArray("null") : JsonString(text);
}

QByteArray JsonObject(std::initializer_list<std::pair<const char*, QByteArray>> members) {
    QByteArray object = "{";
    for (const auto& [key, value] : members) {
        if (object.size() > 1)
            object += ',';
        object += JsonString(QLatin1String(key)) + ':' + value;
    }
    return object + '}';
}

} // namespace cli
