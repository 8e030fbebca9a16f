// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QtApplication.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

// A box belongs to the window the user works in: an open modal dialog, else the main window,
// whose place and icon it takes. The window that happens to be active will not do: right
// after a file dialog there is none for a moment. Before the main window is shown a box has
// no owner and stands in the middle of the screen.
QWidget* TQtApplication::BoxOwner() const {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (MainWindow && MainWindow->isVisible())
        return MainWindow;
    return nullptr;
}

TQtApplication::TQtApplication() : Previous(Application) {
    Application = this;
}

TQtApplication::~TQtApplication() {
    SetBusyCursor(false);
    Application = Previous;
}

int TQtApplication::MessageBox(const QString& text, const QString& caption, int flags) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::NoButton, BoxOwner());
    // The answers are Win32 button ids; closing the box counts as Cancel.
    switch (flags) {
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MB_YESNOCANCEL:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    }
    Run(box);
    const auto* clicked = box.clickedButton();
    if (!clicked)
        return IDCANCEL;
    switch (box.standardButton(const_cast<QAbstractButton*>(clicked))) {
    case QMessageBox::Ok:
        return IDOK;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return IDCANCEL;
    }
}

void TQtApplication::ShowException(const Exception& error) {
    QMessageBox box(QMessageBox::Critical, Title, ErrorBoxText(error.Message), QMessageBox::Ok,
                    BoxOwner());
    Run(box);
}

void TQtApplication::Run(QMessageBox& box) {
    // A box shown while the hourglass is up must still take the mouse normally.
    if (Busy)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (Busy)
        QGuiApplication::restoreOverrideCursor();
}

void TQtApplication::ProcessMessages() {
    QCoreApplication::processEvents();
}

void TQtApplication::SetBusyCursor(bool busy) {
    if (busy == Busy)
        return;
    Busy = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}
