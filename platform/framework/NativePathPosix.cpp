// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/framework/NativePath.h"

#include <QFile>

namespace {

constexpr char16_t KeptByteBase = 0xDC00;

// The length of the valid UTF-8 sequence at `data`, or 0: no overlong forms, no surrogates,
// nothing above U+10FFFF.
int Utf8Length(const unsigned char* data, std::size_t left, char32_t& code) {
    const unsigned char lead = data[0];
    int length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (left < static_cast<std::size_t>(length))
        return 0;
    for (int k = 1; k < length; ++k) {
        if ((data[k] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (data[k] & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

std::filesystem::path NativePath(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

QString NativeText(const std::filesystem::path::string_type& name) {
    QString text;
    const auto* data = reinterpret_cast<const unsigned char*>(name.data());
    for (std::size_t i = 0; i < name.size();) {
        char32_t code = 0;
        const int length = Utf8Length(data + i, name.size() - i, code);
        if (length == 0) {
            text += QChar(static_cast<char16_t>(KeptByteBase + data[i]));
            ++i;
            continue;
        }
        text += QString::fromUcs4(&code, 1);
        i += static_cast<std::size_t>(length);
    }
    return text;
}

int KeptByteAt(const QString& text, qsizetype i) {
    const char16_t unit = text[i].unicode();
    // The low half of a surrogate pair is a character, not a kept byte.
    if (unit < KeptByteBase + 0x80 || unit > KeptByteBase + 0xFF ||
        (i > 0 && text[i - 1].isHighSurrogate()))
        return -1;
    return unit - KeptByteBase;
}

std::filesystem::path::string_type NativeNameOf(const QString& text) {
    QByteArray bytes;
    qsizetype plain = 0; // start of the characters not yet converted
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int kept = KeptByteAt(text, i);
        if (kept < 0)
            continue;
        bytes += text.mid(plain, i - plain).toUtf8();
        bytes += static_cast<char>(kept);
        plain = i + 1;
    }
    bytes += text.mid(plain).toUtf8();
    return bytes.toStdString();
}
