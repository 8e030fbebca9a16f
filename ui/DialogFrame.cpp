// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DialogFrame.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWindow>

void GiveDialogFrame(QDialog& dialog) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
}

void PlaceDialog(QDialog& dialog, QWidget* window) {
    if (dialog.layout())
        dialog.layout()->activate();
    dialog.setFixedSize(dialog.size());
    // Made without a parent, as the program makes its dialogs at start-up, a dialog would
    // come up on whichever screen the pointer is on and could slip behind the main window.
    QScreen* screen = QGuiApplication::primaryScreen();
    if (window && window->isVisible()) {
        screen = window->screen();
        dialog.winId();
        if (dialog.windowHandle() && window->windowHandle())
            dialog.windowHandle()->setTransientParent(window->windowHandle());
    }
    if (!screen)
        return;
    const QSize size = dialog.frameGeometry().size();
    dialog.move(screen->availableGeometry().center() - QPoint(size.width() / 2, size.height() / 2));
}
