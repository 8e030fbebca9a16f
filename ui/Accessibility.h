#pragma once

#include <QString>

class QWidget;

// What a screen reader gets from the windows beyond what Qt gives by itself: names taken from
// the texts the user sees, drop-downs that tell their value, spoken status changes and a
// keyboard focus that is always somewhere a user can see.
namespace accessibility {

// Puts the program's accessible interfaces before Qt's own. Once the application object
// exists and before the first window is made (NameControls does it too, late for a window's
// first widgets).
void Install();

// Names every control under root from the texts on the screen, in the user's language: a
// field after its caption label (its buddy, else the label named after it with "Label"), a
// frame after the heading label inside it ("...Heading"), without the Alt-letter marker and
// the trailing " :"; a field's unit label ("...Unit") and its range go into its description.
// Labels, buttons and group boxes whose text carries a marker or a colon get the clean text.
// Call it once a window is built; the language does not change while the program runs.
void NameControls(QWidget* root);

// The name of the tool bar and of the logo pictures, in the user's language.
QString ToolBarName();
QString LogoName();

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
