#include "ui/Startup.h"

#include "platform/framework/Application.h"
#include "platform/framework/Exceptions.h"
#include "platform/registry/Translation.h"
#include "ui/About.h"
#include "ui/Logo.h"
#include "ui/Main.h"
#include "ui/Msg.h"
#include "ui/Properties.h"
#include "ui/QtApplication.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QTimer>
#include <memory>

namespace {

// The words on the buttons of the program's message boxes come from Qt's translations.
// Qt ships none for some of our languages (Romanian), so ours carry them too; Qt's own,
// installed after ours, are asked first where they exist.
[[maybe_unused]] const char* const MessageBoxButtons[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
};

} // namespace

TProgramTranslation::~TProgramTranslation() {
    QCoreApplication::removeTranslator(&QtTranslation);
    QCoreApplication::removeTranslator(&Translation);
}

bool TProgramTranslation::Install(const QString& exePath) {
    return InstallFile(TranslationFileFor(exePath));
}

bool TProgramTranslation::InstallFile(const QString& file) {
    // Loaded from memory: QTranslator::load(file) would try "<file>.qm" and shortened names
    // first and could pick up some other file beside the executable.
    if (QFile source(file); !file.isEmpty() && source.open(QIODevice::ReadOnly))
        Data = source.readAll();
    if (Data.isEmpty() || !Translation.load(reinterpret_cast<const uchar*>(Data.constData()),
                                            static_cast<int>(Data.size())))
        return false;
    QCoreApplication::installTranslator(&Translation);
    // "de_DE" finds qtbase_de.qm. Where Qt has no qtbase file for a language, its older
    // complete catalogue qt_xx.qm may still hold the file dialog's texts (Lithuanian).
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QString language = Translation.language();
    if (!language.isEmpty() && (QtTranslation.load(QStringLiteral("qtbase_") + language, folder) ||
                                QtTranslation.load(QStringLiteral("qt_") + language, folder)))
        QCoreApplication::installTranslator(&QtTranslation);
    return true;
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
    std::unique_ptr<TMainForm> mainForm;
    std::unique_ptr<TMsgTemplate> msgTemplate;
    std::unique_ptr<TPropertiesDialog> propertiesDialog;
    std::unique_ptr<TAboutBox> aboutBox;
    int code = 0;
    try {
        // Every window is built from the translated texts, so the language comes first.
        translation.Install(QCoreApplication::applicationFilePath());
        mainForm = std::make_unique<TMainForm>();
        MainForm = mainForm.get();
        msgTemplate = std::make_unique<TMsgTemplate>();
        MsgTemplate = msgTemplate.get();
        propertiesDialog = std::make_unique<TPropertiesDialog>();
        PropertiesDialog = propertiesDialog.get();
        aboutBox = std::make_unique<TAboutBox>();
        AboutBox = aboutBox.get();

        MainForm->show();
        if (started)
            QTimer::singleShot(0, MainForm, [&started] { Guarded(started); });
        // Non-zero when a signal ended the program after a transfer.
        code = QApplication::exec();
    } catch (const Exception& error) {
        Application->ShowException(error);
    }
    AboutBox = nullptr;
    PropertiesDialog = nullptr;
    MsgTemplate = nullptr;
    MainForm = nullptr;
    return code;
}
