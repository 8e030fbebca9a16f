// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Logo.h"

#include "platform/jpeg/JpegDecoder.h"

#include <QFile>
#include <QImage>

void InitUiResources() {
    Q_INIT_RESOURCE(images);
    Q_INIT_RESOURCE(licences);
    Q_INIT_RESOURCE(guide);
}

QPixmap LogoPixmap() {
    // Decoded once for the main window and the About box; kept as an image, which unlike a
    // pixmap may outlive the application object.
    static const QImage logo = [] {
        InitUiResources();
        QFile file(QStringLiteral(":/images/logo.jpg"));
        return file.open(QIODevice::ReadOnly) ? DecodeJpeg(file.readAll()) : QImage();
    }();
    return logo.isNull() ? QPixmap() : QPixmap::fromImage(logo);
}
