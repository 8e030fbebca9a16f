#include "platform/framework/Exceptions.h"

Exception::Exception(QString message) : Message(std::move(message)), Utf8(Message.toUtf8()) {}

const char* Exception::what() const noexcept {
    return Utf8.constData();
}

QString ErrorOnFile(const char* unit, int line) {
    return QStringLiteral("Error on file %1 line %2").arg(QLatin1String(unit)).arg(line);
}

QString ErrorSwitchFile(const char* unit, int line) {
    return QStringLiteral("Error switch file %1 line %2").arg(QLatin1String(unit)).arg(line);
}
