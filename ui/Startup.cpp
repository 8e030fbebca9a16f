// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Startup.h"

#include "platform/framework/Application.h"
#include "platform/framework/Exceptions.h"
#include "ui/About.h"
#include "ui/Logo.h"
#include "ui/Main.h"
#include "ui/Msg.h"
#include "ui/ProgramTranslation.h"
#include "ui/Properties.h"
#include "ui/QtApplication.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// Qt's messages while the QApplication is made, held until it is known whether it could.
struct THeldMessage {
    QtMsgType Type;
    QByteArray Category;
    QString Text;
};
QtMessageHandler PreviousHandler = nullptr;
std::vector<THeldMessage> HeldMessages;

void HoldOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        HeldMessages.push_back({type, QByteArray(context.category), text});
        return;
    }
    // The reason Qt gave first ("could not connect to display :1") says which display failed.
    QString reason;
    for (const THeldMessage& held : HeldMessages)
        if (reason.isEmpty() && held.Text.contains(QLatin1String("display")))
            reason = QStringLiteral(" (") + held.Text.trimmed() + QLatin1Char(')');
    std::fprintf(stderr,
                 "brookfetch: no display to open the window on%s; it needs a desktop session "
                 "(DISPLAY or WAYLAND_DISPLAY). brookfetch-cli works without one.\n",
                 reason.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

TDisplayGuard::TDisplayGuard() {
    PreviousHandler = qInstallMessageHandler(HoldOrEnd);
}

TDisplayGuard::~TDisplayGuard() {
    qInstallMessageHandler(PreviousHandler);
    for (const THeldMessage& held : HeldMessages) {
        const QMessageLogContext context(
            nullptr, 0, nullptr, held.Category.isEmpty() ? nullptr : held.Category.constData());
        PreviousHandler(held.Type, context, held.Text);
    }
    HeldMessages.clear();
}

TProgramWindows::TProgramWindows(const QString& exePath, TQtApplication* application) {
    try {
        MainWindow = std::make_unique<TMainForm>(nullptr, exePath);
        MainForm = MainWindow.get();
        if (application)
            application->SetMainWindow(MainForm);
        Messages = std::make_unique<TMsgTemplate>();
        MsgTemplate = Messages.get();
        PropertiesWindow = std::make_unique<TPropertiesDialog>(MainForm);
        PropertiesDialog = PropertiesWindow.get();
        AboutWindow = std::make_unique<TAboutBox>(MainForm);
        AboutBox = AboutWindow.get();
    } catch (...) {
        Forget();
        throw;
    }
}

// The globals go first, then the windows, in the opposite order.
TProgramWindows::~TProgramWindows() {
    Forget();
}

void TProgramWindows::Forget() {
    AboutBox = nullptr;
    PropertiesDialog = nullptr;
    MsgTemplate = nullptr;
    MainForm = nullptr;
}

int RunWindows(const std::function<void()>& started) {
    TQtApplication application;
    application.Title = QStringLiteral("Brookfetch");

    // Every window carries the program's icon, also a box shown before the main window is.
    InitUiResources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/images/brookfetch32.png"));
    icon.addFile(QStringLiteral(":/images/brookfetch64.png"));
    QApplication::setWindowIcon(icon);

    TProgramTranslation translation;
    std::unique_ptr<TProgramWindows> windows;
    int code = 0;
    try {
        // Every window is built from the translated texts, so the language comes first.
        translation.Install(QCoreApplication::applicationFilePath());
        windows = std::make_unique<TProgramWindows>(QString(), &application);
        TMainForm& main = windows->Main();
        main.show();
        if (started)
            QTimer::singleShot(0, &main, [&started] { Guarded(started); });
        // Non-zero when a signal ended the program after a transfer.
        code = QApplication::exec();
    } catch (const Exception& error) {
        Application->ShowException(error);
    }
    return code;
}
