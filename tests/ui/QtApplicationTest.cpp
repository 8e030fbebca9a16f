// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt application object: its message boxes answer with the Win32 button ids.
#include "tests/ui/WindowFixture.h"

#include "ui/Main.h"
#include "ui/QtApplication.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <functional>

namespace {

// Acts on the message box once it is open, from inside its modal loop.
void WithOpenBox(std::function<void(QMessageBox&)> act, QMessageBox* seen[1]) {
    QTimer::singleShot(0, [act, seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        seen[0] = box;
        if (box)
            act(*box);
    });
}

QAbstractButton* Button(QMessageBox& box, QMessageBox::StandardButton which) {
    return box.button(which);
}

} // namespace

TEST(QtApplication, MessageBoxesShowTheirButtonSetAndAnswerWithWin32Ids) {
    EnsureQtApplication();
    TQtApplication application;
    struct Case {
        int Flags;
        QMessageBox::StandardButton Press; // NoButton: close the box instead
        QMessageBox::StandardButtons Shown;
        int Answer;
    };
    const Case table[] = {
        {MB_OK, QMessageBox::Ok, QMessageBox::Ok, IDOK},
        {MB_OKCANCEL, QMessageBox::Ok, QMessageBox::Ok | QMessageBox::Cancel, IDOK},
        {MB_OKCANCEL, QMessageBox::Cancel, QMessageBox::Ok | QMessageBox::Cancel, IDCANCEL},
        {MB_OKCANCEL, QMessageBox::NoButton, QMessageBox::Ok | QMessageBox::Cancel, IDCANCEL},
        {MB_YESNOCANCEL, QMessageBox::Yes, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
         IDYES},
        {MB_YESNOCANCEL, QMessageBox::No, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
         IDNO},
        {MB_YESNOCANCEL, QMessageBox::NoButton,
         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, IDCANCEL},
    };
    for (const Case& c : table) {
        QMessageBox* seen[1] = {nullptr};
        QString text, caption;
        QMessageBox::StandardButtons shown;
        QMessageBox::Icon icon = QMessageBox::Critical;
        WithOpenBox(
            [&](QMessageBox& box) {
                text = box.text();
                caption = box.windowTitle();
                shown = box.standardButtons();
                icon = box.icon();
                if (c.Press == QMessageBox::NoButton)
                    box.close(); // the close box
                else
                    Button(box, c.Press)->click();
            },
            seen);
        const int answer = application.MessageBox("The text", "The caption", c.Flags);
        ASSERT_NE(seen[0], nullptr);
        EXPECT_EQ(answer, c.Answer) << c.Flags << " " << c.Press;
        EXPECT_EQ(shown, c.Shown);
        EXPECT_EQ(text, "The text");
        EXPECT_EQ(caption, "The caption");
        EXPECT_EQ(icon, QMessageBox::NoIcon);
    }
}

TEST(QtApplication, TheErrorBoxShowsTheMessageUnderTheTitleWithTheErrorIcon) {
    EnsureQtApplication();
    TQtApplication application;
    application.Title = "Brookfetch";
    QMessageBox* seen[1] = {nullptr};
    QString text, caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons shown;
    WithOpenBox(
        [&](QMessageBox& box) {
            text = box.text();
            caption = box.windowTitle();
            icon = box.icon();
            shown = box.standardButtons();
            box.accept();
        },
        seen);
    application.ShowException(Exception("Error on file Main line 12"));
    ASSERT_NE(seen[0], nullptr);
    EXPECT_EQ(text, "Error on file Main line 12.");
    EXPECT_EQ(caption, "Brookfetch");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(shown, QMessageBox::Ok);
}

TEST(QtApplication, BusyCursorIsSetOnceAndRemovedOnce) {
    EnsureQtApplication();
    {
        TQtApplication application;
        application.SetBusyCursor(true);
        application.SetBusyCursor(true);
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        application.SetBusyCursor(false);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        application.SetBusyCursor(true);
    }
    // Ending the program object never leaves the hourglass behind.
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// A box stands in the middle of the main window and carries its icon, also when no window is
// active (right after a file dialog); before the main window is shown, in the middle of the
// screen.
TEST_F(WindowTest, MessageBoxesStandOverTheMainWindowWithItsIcon) {
    TQtApplication application;
    struct Seen {
        QWidget* Owner = nullptr;
        QPoint Centre;
        qint64 Icon = 0;
    };
    const auto show = [&application](bool error) {
        Seen seen;
        QMessageBox* box[1] = {nullptr};
        WithOpenBox(
            [&seen](QMessageBox& open) {
                seen = {open.parentWidget(), open.frameGeometry().center(),
                        open.windowIcon().cacheKey()};
                open.accept();
            },
            box);
        if (error)
            application.ShowException(Exception("Error on file Main line 1"));
        else
            application.MessageBox("The text", "The caption", MB_OK);
        EXPECT_NE(box[0], nullptr);
        return seen;
    };
    StartWindows(false);
    application.SetMainWindow(Main);
    const Seen early = show(false);
    EXPECT_EQ(early.Owner, nullptr);
    EXPECT_LE((early.Centre - QApplication::primaryScreen()->availableGeometry().center())
                  .manhattanLength(),
              2);

    Main->show();
    Main->setGeometry(100, 50, 500, 400);
    QApplication::setActiveWindow(nullptr);
    for (const bool error : {false, true}) {
        const Seen seen = show(error);
        EXPECT_EQ(seen.Owner, Main) << error;
        EXPECT_EQ(seen.Icon, Main->windowIcon().cacheKey()) << error;
        EXPECT_LE((seen.Centre - Main->frameGeometry().center()).manhattanLength(), 2) << error;
    }
}
