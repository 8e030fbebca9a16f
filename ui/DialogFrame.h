// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDialog;
class QWidget;

// Gives a dialog of the program (Properties, About) a dialog's frame: a title with a close
// button, no minimize or maximize button.
void GiveDialogFrame(QDialog& dialog);

// Called as the dialog is shown, once its texts are fitted: its size is fixed before the window
// manager frames it (a frame made for a resizable window keeps its maximize button), and it
// stands in the middle of the screen `window` (the main window) is on, above that window; in
// the middle of the main screen while there is none shown.
void PlaceDialog(QDialog& dialog, QWidget* window);
