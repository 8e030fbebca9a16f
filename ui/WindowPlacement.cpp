// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowPlacement.h"

#include "app/Workplace.h"
#include "ui/Placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

TWindowPlacement::TWindowPlacement(QWidget& window) : QObject(&window), Window(window) {}

void TWindowPlacement::Restore(const TWorkplace& workplace) {
    // A placement from another screen (a monitor since unplugged, a hand-edited file) is made
    // to fit the screens there are, so the window is always seen and never larger than they.
    QList<QRect> screens;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        screens.push_back(primary->availableGeometry());
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            screens.push_back(screen->availableGeometry());
    const TPlacement placement = FitToScreens(workplace.MainLeft, workplace.MainTop,
                                              workplace.MainWidth, workplace.MainHeight, screens);
    Window.move(placement.Position);
    Window.resize(placement.Size);
    NormalBounds = QRect(Window.pos(), Window.size());
    Window.setWindowState(workplace.MainState ? Qt::WindowMaximized : Qt::WindowNoState);
}

void TWindowPlacement::Store(TWorkplace& workplace) const {
    // A maximized window keeps the place and size it goes back to, as Windows' window
    // placement does; the next start maximizes it over them.
    const bool maximized = Window.isMaximized();
    const QRect bounds = maximized ? NormalBounds : QRect(Window.pos(), Window.size());
    workplace.MainTop = bounds.y();
    workplace.MainLeft = bounds.x();
    workplace.MainHeight = bounds.height();
    workplace.MainWidth = bounds.width();
    workplace.MainState = maximized ? 1 : 0;
}

// The window manager's frame is known from the first move or resize after it framed the
// window.
void TWindowPlacement::Moved() {
    if (!FrameFitted && Window.frameGeometry() != Window.geometry())
        FitFrame();
    RememberNormalBounds();
}

// The stored size is the inside of the window; the title bar and border of the window
// manager come on top, known only once the window is on the screen. When they make the
// window larger than the screen, the inside gives way, and a frame reaching over an edge of
// the screen is moved back inside; once.
void TWindowPlacement::FitFrame() {
    FrameFitted = true;
    if (Window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen) || !Window.screen())
        return;
    const QRect available = Window.screen()->availableGeometry();
    const QRect frame = Window.frameGeometry();
    const QSize margins = frame.size() - Window.size();
    const int width = std::min(Window.width(), available.width() - margins.width());
    const int height = std::min(Window.height(), available.height() - margins.height());
    if (width != Window.width() || height != Window.height())
        Window.resize(width, height);
    const QSize outside = Window.size() + margins;
    const QPoint place(MoveInside(frame.x(), outside.width(), available.x(), available.width()),
                       MoveInside(frame.y(), outside.height(), available.y(), available.height()));
    if (place != frame.topLeft())
        Window.move(place);
}

// What a maximized window goes back to, and what is stored for it: the place and size it had
// when it was last neither maximized nor minimized. The window manager's own move and resize
// for maximizing may come before it says the window is maximized; the bounds are taken once
// the events of the moment are all in.
void TWindowPlacement::RememberNormalBounds() {
    QTimer::singleShot(0, this, [this] {
        if (!(Window.windowState() &
              (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
            NormalBounds = QRect(Window.pos(), Window.size());
    });
}
