// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The moment a program's main window is up, as the user sees it: its first paint done. Both the
// yardsticks and the window program print it the same way, "probe shown <us>" (monotonic clock)
// on stderr, from the event loop right after the paint of the first main window; `then` runs
// after that.

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <functional>

inline void ProbeLine(const char* what) {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::fprintf(stderr, "probe %s %lld\n", what,
                 static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000);
    std::fflush(stderr);
}

class TFirstPaint : public QObject {
public:
    explicit TFirstPaint(std::function<void()> then = {}) : Then(std::move(then)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && object->isWidgetType() &&
            qobject_cast<QMainWindow*>(static_cast<QWidget*>(object)->window())) {
            QCoreApplication::instance()->removeEventFilter(this);
            // Queued: the window and all its children are painted in one go first.
            QTimer::singleShot(0, this, [this] {
                ProbeLine("shown");
                if (Then)
                    Then();
            });
        }
        return false;
    }

private:
    std::function<void()> Then;
};
