// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

class TCommandHost;

// The page taken into the model at the start of a command that uses its values (Save, Save As,
// Write, Print, Export as PDF). The field with the keyboard focus gives it up first, so that its
// edit is over as when the user leaves it; the focus goes back to it when the command is done
// (the object goes: the busy state of a transfer and the dialogs take it meanwhile), unless a
// field was refused, which then keeps it.
class TPageCheck {
public:
    explicit TPageCheck(TCommandHost& host);
    ~TPageCheck();
    TPageCheck(const TPageCheck&) = delete;
    TPageCheck& operator=(const TPageCheck&) = delete;

    // True when the model took the page.
    bool Taken() const { return Accepted; }

private:
    QPointer<QWidget> Focused;
    bool Accepted;
};
