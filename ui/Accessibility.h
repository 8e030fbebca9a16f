// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// What a screen reader gets from the windows beyond what Qt gives by itself: drop-downs that
// tell their value, no focus reported on what is not shown, spoken status changes and a
// keyboard focus that is always somewhere a user can see. The names of the controls are in
// AccessibleNames.h.
namespace accessibility {

// Puts the program's accessible interfaces before Qt's own. Once the application object
// exists and before the first window is made (NameControls does it too, late for a window's
// first widgets).
void Install();

// Has a screen reader say text at once, as a notification in the status bar of widget's
// window (or in the window itself): for a status panel whose text changed, the start of a
// transfer and its outcome. Empty texts are not announced.
void Announce(QWidget* widget, const QString& text);

// Puts the keyboard focus on the first field of page, the checked one of a group of radio
// buttons; when page is not shown yet (the logo page is in front), as soon as it is.
void FocusFirstField(QWidget* page);

// Gives the focus back to field once a command is done, with a focus event for the screen
// reader also when the field had kept the focus all along.
void ReturnFocus(QWidget* field);

} // namespace accessibility
