// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Placement.h"

#include <algorithm>

namespace {

// How much of [from, from + length) lies within [start, start + extent).
qint64 Overlap(qint64 from, qint64 length, qint64 start, qint64 extent) {
    return std::max<qint64>(0, std::min(from + length, start + extent) - std::max(from, start));
}

} // namespace

int MoveInside(qint64 from, qint64 length, int start, int extent) {
    return static_cast<int>(
        std::max<qint64>(start, std::min<qint64>(from, qint64(start) + extent - length)));
}

TPlacement FitToScreens(int left, int top, int width, int height, const QList<QRect>& screens) {
    if (screens.isEmpty())
        return {QPoint(left, top), QSize(width, height)};
    // A window without width or height is still somewhere: Qt gives it its smallest size there.
    const qint64 w = std::max(width, 0);
    const qint64 h = std::max(height, 0);
    const QRect* home = &screens.front();
    qint64 most = 0;
    for (const QRect& screen : screens) {
        const qint64 area = Overlap(left, std::max<qint64>(w, 1), screen.x(), screen.width()) *
                            Overlap(top, std::max<qint64>(h, 1), screen.y(), screen.height());
        if (area > most) {
            most = area;
            home = &screen;
        }
    }
    const QSize size = w <= home->width() && h <= home->height()
                           ? QSize(width, height)
                           : QSize(static_cast<int>(std::min<qint64>(w, home->width())),
                                   static_cast<int>(std::min<qint64>(h, home->height())));
    return {QPoint(MoveInside(left, std::max(size.width(), 0), home->x(), home->width()),
                   MoveInside(top, std::max(size.height(), 0), home->y(), home->height())),
            size};
}
