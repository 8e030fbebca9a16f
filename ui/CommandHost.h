// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// What the window's command helpers (file, sheet and connector commands) need of the window they
// work in: the data set on the page, the page itself and the result shown for a command stay the
// window's, and the helpers reach them through this alone. The main window implements it.
class TCommandHost {
public:
    // The window: the owner of the helpers' dialogs, where the keyboard focus is, and what a
    // transfer disables.
    virtual QWidget& Window() = 0;
    // True when the caller may go on: nothing to save, saved, or the changes discarded. A
    // command that may still keep the data passes false: No then leaves them modified.
    virtual bool QuerySave(bool discards = true) = 0;
    // File, New: the save question, then a fresh data set behind the logo page.
    virtual void FileNewExecute() = 0;
    // The file name and the model's last result in the status bar, an error box for a failure,
    // `cause` as a paragraph of its own under the box's text.
    virtual void ShowStatus(const QString& cause = QString()) = 0;
    // The error box with the text of the message `label` and `cause` under it.
    virtual void ShowError(const QString& label, const QString& cause = QString()) = 0;
    // The page filled from the model (the data are then unmodified), and taken into it (false
    // when a field was refused: the user was told, the field has the focus).
    virtual void ModelToPage() = 0;
    virtual bool PageToModel() = 0;

protected:
    ~TCommandHost() = default;
};
