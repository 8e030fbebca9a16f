// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>

class QWidget;
class TWorkplace;

// Where the main window opens and how large, and what is stored of it when it closes.
class TWindowPlacement : public QObject {
    Q_OBJECT

public:
    explicit TWindowPlacement(QWidget& window);

    // Applies the stored placement, made to fit the screens there are.
    void Restore(const TWorkplace& workplace);
    // Stores the place and size the window goes back to when not maximized, and whether it is.
    void Store(TWorkplace& workplace) const;
    // The window was moved or resized.
    void Moved();

private:
    void FitFrame();
    void RememberNormalBounds();

    QWidget& Window;
    bool FrameFitted = false;
    QRect NormalBounds; // the window's place (its frame) and inside size when not maximized
};
