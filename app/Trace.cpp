// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Trace.h"

#include "platform/d2xx/D2xxTrace.h"
#include "platform/framework/NativePath.h"

#include <QCoreApplication>
#include <QDateTime>

QString TraceFileChosen(const QString& option) {
    return option.isEmpty() ? qEnvironmentVariable("BROOKFETCH_TRACE") : option;
}

bool StartTrace(const QString& file, QString& why) {
    const QDateTime now = QDateTime::currentDateTime();
    const QString header =
        QStringLiteral("Brookfetch trace: %1 %2, started %3 (%4); milliseconds since then")
            .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion(),
                 now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODateWithMs),
                 now.toUTC().toString(Qt::ISODateWithMs));
    std::string reason;
    const bool started =
        d2xx::startTrace(file == QLatin1String("-") ? std::filesystem::path()
                                                    : std::filesystem::path(NativeNameOf(file)),
                         header.toStdString(), reason);
    why = QString::fromLocal8Bit(reason);
    return started;
}
