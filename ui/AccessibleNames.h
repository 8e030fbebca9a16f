// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The names a screen reader hears for the controls of a window, taken from the texts the user
// sees there.
namespace accessibility {

// Names every control under root from the texts on the screen, in the user's language: a
// field after its caption label (its buddy, else the label named after it with "Label"), a
// frame after the heading label inside it ("...Heading"), without the Alt-letter marker and
// the trailing " :"; a field's unit label ("...Unit") and its range go into its description.
// Labels, buttons and group boxes whose text carries a marker or a colon get the clean text.
// Call it once a window is built; the language does not change while the program runs.
void NameControls(QWidget* root);

// A caption as words in a sentence or a name: without the Alt-letter marker, a menu text's
// shortcut and the colon that ends a caption ("Samples &Count :" gives "Samples Count").
QString CaptionText(const QString& text);

// The name of the tool bar and of the logo pictures, in the user's language.
QString ToolBarName();
QString LogoName();

} // namespace accessibility
