// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/framework/NativePath.h"

std::filesystem::path NativePath(const QString& name) {
    return name.toStdWString();
}

// QString holds UTF-16 as it is, lone surrogates included: nothing is lost either way.
QString NativeText(const std::filesystem::path::string_type& name) {
    return QString::fromStdWString(name);
}

std::filesystem::path::string_type NativeNameOf(const QString& text) {
    return text.toStdWString();
}

int KeptByteAt(const QString&, qsizetype) {
    return -1;
}
