#include "platform/framework/NativePath.h"

std::filesystem::path NativePath(const QString& name) {
    return name.toStdWString();
}
