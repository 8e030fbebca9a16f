// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/framework/Exceptions.h"

#include <algorithm>

Exception::Exception(QString message) : Message(std::move(message)), Utf8(Message.toUtf8()) {}

const char* Exception::what() const noexcept {
    return Utf8.constData();
}

namespace {

// "ui/StatusBar.cpp" and "./build/ui/./ui/StatusBar.cpp" give "StatusBar".
QString UnitOf(const char* file) {
    QString unit = QString::fromUtf8(file);
    unit = unit.mid(
        std::max(unit.lastIndexOf(QLatin1Char('/')), unit.lastIndexOf(QLatin1Char('\\'))) + 1);
    if (const qsizetype dot = unit.indexOf(QLatin1Char('.')); dot > 0)
        unit.truncate(dot);
    return unit;
}

} // namespace

QString ErrorOnFile(const char* file, int line) {
    return QStringLiteral("Error on file %1 line %2").arg(UnitOf(file)).arg(line);
}

QString ErrorSwitchFile(const char* file, int line) {
    return QStringLiteral("Error switch file %1 line %2").arg(UnitOf(file)).arg(line);
}
