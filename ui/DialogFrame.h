#pragma once

class QDialog;

// Gives a dialog of the program (Properties, About) a dialog's frame: a title with a close
// button, no minimize or maximize button; the dialog's layout keeps its size fixed. Each time
// it is shown it stands in the middle of the screen the main window is on, above that window.
void GiveDialogFrame(QDialog& dialog);
