// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPushButton;
class QWidget;

// The windows are drawn for the English texts. A translation, or a larger font, may need more
// room than the drawing gives; these make the room so that no text is cut.

// Raises every minimum size set on a widget below `root` to what its contents need, deepest
// widgets first: a minimum set in a layout means "at least this", never "cut to this".
void KeepContentsWhole(QWidget* root);

// The width `button` needs for its text: `drawnWidth`, the drawing's, while the text fits in
// it with a little room to spare, else the width the style gives such a text.
int ButtonWidthForText(const QPushButton* button, int drawnWidth);

// The height a one-line control needs for its font: `drawnHeight` while the font fits in it,
// more for a larger font.
int LineHeightForFont(const QWidget* widget, int drawnHeight);
