// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a settings file, with a key read, written and deleted in it: no crash, and a
// written value reads back.

#include "platform/framework/Exceptions.h"
#include "platform/ini/IniFile.h"

#include "fuzz/ScratchFile.h"

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

QString File() {
    static const QString path = ScratchFile(QStringLiteral("settings.INI"));
    return path;
}

QString Text(FuzzedDataProvider& input) {
    return QString::fromStdString(input.ConsumeRandomLengthString(24));
}

// A value that reads back exactly as written: no blanks or quotes at its ends.
bool Plain(const QString& value) {
    return value == value.trimmed() && !value.startsWith(u'"') && !value.startsWith(u'\'') &&
           !value.contains(u'\0');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const QString section = Text(input);
    const QString key = Text(input);
    const QString value = Text(input);
    const bool remove = input.ConsumeBool();
    const std::string contents = input.ConsumeRemainingBytesAsString();
    FillScratchFile(File(), contents.data(), static_cast<qsizetype>(contents.size()));
    TIniFile ini(File());
    ini.ReadString(section, key, QString());
    ini.ReadInteger(section, key, 0);
    ini.SectionExists(section);
    try {
        ini.WriteString(section, key, value);
    } catch (const Exception&) {
        return 0; // a name or value that would break the file is refused
    }
    if (!ini.ValueExists(section, key) ||
        (Plain(value) && ini.ReadString(section, key, QString()) != value))
        std::abort();
    if (remove)
        ini.DeleteKey(section, key);
    ini.Recreate([&] { ini.WriteString(section, key, value); });
    if (!ini.ValueExists(section, key))
        std::abort();
    return 0;
}
