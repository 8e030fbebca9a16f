// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where the main window opens and how large.
struct TPlacement {
    QPoint Position;
    QSize Size;
};

// The stored placement, moved and cut where needed so that the whole window is on one screen.
// Screens are given by their available areas (without panels), the primary screen first. The
// window stays on the screen it mostly lies on (the primary one when it lies on none); a width
// or height larger than that screen is cut to it, and a window reaching over an edge is moved
// back inside. Stored values come from a file a person may have edited: any int is taken
// without overflow. With no screen at all the placement is kept.
TPlacement FitToScreens(int left, int top, int width, int height, const QList<QRect>& screens);

// The start of a window of `length` moved into [start, start + extent); the start of the
// extent when the window is longer.
int MoveInside(qint64 from, qint64 length, int start, int extent);
