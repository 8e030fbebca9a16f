// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

// Makes the pictures built into this library (icons, logo) reachable under ":/images", and
// Brookfetch's licence under ":/licences".
// A static library's resources are not registered by themselves.
void InitUiResources();

// The program's logo, decoded from the JPEG picture built into the program. A null pixmap
// if the picture cannot be decoded (the windows then show an empty frame).
QPixmap LogoPixmap();
