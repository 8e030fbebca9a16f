#include "ui/DialogFrame.h"

#include "ui/Main.h"

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

void PlaceDialog(QDialog& dialog) {
    if (dialog.layout())
        dialog.layout()->activate();
    dialog.setFixedSize(dialog.size());
    // Made without a parent, as the program makes its dialogs at start-up, a dialog would
    // come up on whichever screen the pointer is on and could slip behind the main window.
    QScreen* screen = QGuiApplication::primaryScreen();
    if (MainForm && MainForm->isVisible()) {
        screen = MainForm->screen();
        dialog.winId();
        if (dialog.windowHandle() && MainForm->windowHandle())
            dialog.windowHandle()->setTransientParent(MainForm->windowHandle());
    }
    if (!screen)
        return;
    const QSize size = dialog.frameGeometry().size();
    dialog.move(screen->availableGeometry().center() - QPoint(size.width() / 2, size.height() / 2));
}
