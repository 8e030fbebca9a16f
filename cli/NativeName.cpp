#include "cli/NativeName.h"

#include "platform/framework/Convert.h"

namespace cli {
namespace {

constexpr char16_t KeptByteBase = 0xDC00;

bool IsKeptByte(const QString& name, qsizetype i) {
    const char16_t unit = name[i].unicode();
    // The low half of a surrogate pair is a character, not a kept byte.
    return unit >= KeptByteBase + 0x80 && unit <= KeptByteBase + 0xFF &&
           (i == 0 || !name[i - 1].isHighSurrogate());
}

// The length of the valid UTF-8 sequence at `data`, or 0: no overlong forms, no surrogates,
// nothing above U+10FFFF.
int Utf8Length(const unsigned char* data, qsizetype left, char32_t& code) {
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
    if (left < length)
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

QString ArgumentText(const QByteArray& argument) {
    QString text;
    const auto* data = reinterpret_cast<const unsigned char*>(argument.constData());
    for (qsizetype i = 0; i < argument.size();) {
        char32_t code = 0;
        const int length = Utf8Length(data + i, argument.size() - i, code);
        if (length == 0) {
            text += QChar(static_cast<char16_t>(KeptByteBase + data[i]));
            ++i;
            continue;
        }
        text += QString::fromUcs4(&code, 1);
        i += length;
    }
    return text;
}

QByteArray NativeName(const QString& name) {
    QByteArray bytes;
    qsizetype plain = 0; // start of the characters not yet converted
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!IsKeptByte(name, i))
            continue;
        bytes += name.mid(plain, i - plain).toUtf8();
        bytes += static_cast<char>(name[i].unicode() - KeptByteBase);
        plain = i + 1;
    }
    return bytes + name.mid(plain).toUtf8();
}

QString DisplayName(const QString& name) {
    QString shown;
    qsizetype plain = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!IsKeptByte(name, i))
            continue;
        shown += EscapeControlCharacters(name.mid(plain, i - plain));
        shown +=
            QStringLiteral("\\x%1").arg(name[i].unicode() - KeptByteBase, 2, 16, QLatin1Char('0'));
        plain = i + 1;
    }
    return shown + EscapeControlCharacters(name.mid(plain));
}

std::filesystem::path FilePath(const QString& name) {
    return NativeName(name).toStdString();
}

TFileKind KindOf(const QString& name) {
    return FileKindOf(FilePath(name));
}

QString FolderOf(const QString& name) {
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return QStringLiteral(".");
    return slash == 0 ? QStringLiteral("/") : name.left(slash);
}

} // namespace cli
