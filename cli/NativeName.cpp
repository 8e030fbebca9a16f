// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/NativeName.h"

#include "platform/framework/Convert.h"
#include "platform/framework/NativePath.h"

namespace cli {

QString DisplayName(const QString& name) {
    QString shown;
    qsizetype plain = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const int kept = KeptByteAt(name, i);
        if (kept < 0)
            continue;
        shown += EscapeFileName(name.mid(plain, i - plain));
        shown += QStringLiteral("\\x%1").arg(kept, 2, 16, QLatin1Char('0'));
        plain = i + 1;
    }
    return shown + EscapeFileName(name.mid(plain));
}

std::filesystem::path FilePath(const QString& name) {
    return NativeNameOf(name);
}

TFileKind KindOf(const QString& name) {
    return FileKindOf(FilePath(name));
}

QString FolderOf(const QString& name) {
    const std::filesystem::path folder = FilePath(name).parent_path();
    return folder.empty() ? QStringLiteral(".") : NativeText(folder.native());
}

} // namespace cli
