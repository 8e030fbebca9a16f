// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes a whole JPEG picture held in memory (for instance a Qt resource) with libjpeg.
// Colour pictures come back as QImage::Format_RGB888, grey ones as Format_Grayscale8.
// A damaged, truncated or unsupported picture gives a null QImage and, when `error` is
// given, a short English text saying why; the decoder never ends the process.
QImage DecodeJpeg(const QByteArray& data, QString* error = nullptr);
