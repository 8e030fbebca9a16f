#include "ui/DialogFrame.h"

#include "ui/Main.h"

#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace {

class TDialogPlacement : public QObject {
public:
    explicit TDialogPlacement(QDialog& dialog) : QObject(&dialog) {
        dialog.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            Place(*static_cast<QDialog*>(watched));
        return false;
    }

private:
    // Made without a parent, as the program makes its dialogs at start-up, a dialog would
    // come up on whichever screen the pointer is on and could slip behind the main window.
    static void Place(QDialog& dialog) {
        QScreen* screen = QGuiApplication::primaryScreen();
        if (MainForm && MainForm->isVisible()) {
            screen = MainForm->screen();
            if (dialog.windowHandle() && MainForm->windowHandle())
                dialog.windowHandle()->setTransientParent(MainForm->windowHandle());
        }
        if (!screen)
            return;
        const QSize size = dialog.frameGeometry().size();
        dialog.move(screen->availableGeometry().center() -
                    QPoint(size.width() / 2, size.height() / 2));
    }
};

} // namespace

void GiveDialogFrame(QDialog& dialog) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
    new TDialogPlacement(dialog);
}
