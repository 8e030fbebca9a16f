#include "platform/framework/NativePath.h"

#include <QFile>

std::filesystem::path NativePath(const QString& name) {
    return QFile::encodeName(name).toStdString();
}
