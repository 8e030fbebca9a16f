#include "ui/Logo.h"

#include "platform/jpeg/JpegDecoder.h"

#include <QFile>
#include <QImage>

void InitUiResources() {
    Q_INIT_RESOURCE(images);
}

QPixmap LogoPixmap() {
    InitUiResources();
    QFile file(QStringLiteral(":/images/logo.jpg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QPixmap::fromImage(DecodeJpeg(file.readAll()));
}
