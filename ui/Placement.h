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

// The stored placement, used as it is when a user can see it; otherwise made to fit the
// screens, given by their available areas (without panels), the primary screen first:
// - a width or height larger than the available area of the screen the window is mostly on
//   (the primary one when it is on none) is cut to it;
// - a window that would then show less than 100 x 50 pixels (all of itself, when smaller) on
//   every screen is placed at 0, 0, the default place of a first start, its size cut to the
//   screen there.
// Stored values come from a file a person may have edited: any int is taken without
// overflow. With no screen at all the placement is kept.
TPlacement FitToScreens(int left, int top, int width, int height, const QList<QRect>& screens);
