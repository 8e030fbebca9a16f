#include "ui/Placement.h"

#include <algorithm>

namespace {

// How much of [from, from + length) lies within [start, start + extent).
qint64 Overlap(qint64 from, qint64 length, qint64 start, qint64 extent) {
    return std::max<qint64>(0, std::min(from + length, start + extent) - std::max(from, start));
}

// A window without width or height is still somewhere: Qt gives it its smallest size there.
bool Shows(qint64 left, qint64 top, qint64 width, qint64 height, const QList<QRect>& screens) {
    width = std::max<qint64>(width, 1);
    height = std::max<qint64>(height, 1);
    const qint64 needWidth = std::min<qint64>(width, 100);
    const qint64 needHeight = std::min<qint64>(height, 50);
    return std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) {
        return Overlap(left, width, screen.x(), screen.width()) >= needWidth &&
               Overlap(top, height, screen.y(), screen.height()) >= needHeight;
    });
}

QSize CutTo(qint64 width, qint64 height, const QRect& screen) {
    return {static_cast<int>(std::min<qint64>(width, screen.width())),
            static_cast<int>(std::min<qint64>(height, screen.height()))};
}

} // namespace

TPlacement FitToScreens(int left, int top, int width, int height, const QList<QRect>& screens) {
    if (screens.isEmpty())
        return {QPoint(left, top), QSize(width, height)};
    const qint64 w = std::max(width, 0);
    const qint64 h = std::max(height, 0);
    const QRect* home = &screens.front();
    qint64 most = 0;
    for (const QRect& screen : screens) {
        const qint64 area = Overlap(left, w, screen.x(), screen.width()) *
                            Overlap(top, h, screen.y(), screen.height());
        if (area > most) {
            most = area;
            home = &screen;
        }
    }
    const QSize cut = CutTo(w, h, *home);
    if (Shows(left, top, cut.width(), cut.height(), screens))
        return {QPoint(left, top),
                cut.width() == w && cut.height() == h ? QSize(width, height) : cut};
    const auto origin = std::find_if(screens.begin(), screens.end(),
                                     [](const QRect& screen) { return screen.contains(0, 0); });
    return {QPoint(0, 0), CutTo(w, h, origin != screens.end() ? *origin : screens.front())};
}
