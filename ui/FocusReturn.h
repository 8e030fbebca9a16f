#pragma once

#include "ui/Accessibility.h"

#include <QPointer>
#include <QWidget>

// The keyboard focus as it was when a command began. The busy state takes it away (a disabled
// window keeps no focus); it goes back when the command is done, unless the command has put it
// on a refused field.
class TFocusReturn {
public:
    explicit TFocusReturn(QWidget& window) : Focused(window.focusWidget()) {}
    ~TFocusReturn() { accessibility::ReturnFocus(Focused); }
    void Dismiss() { Focused = nullptr; }
    TFocusReturn(const TFocusReturn&) = delete;
    TFocusReturn& operator=(const TFocusReturn&) = delete;

private:
    QPointer<QWidget> Focused;
};
