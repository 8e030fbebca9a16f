#include "ui/Startup.h"

#include "platform/framework/Application.h"
#include "platform/framework/Exceptions.h"
#include "platform/registry/Translation.h"
#include "ui/About.h"
#include "ui/Main.h"
#include "ui/Msg.h"
#include "ui/Properties.h"
#include "ui/QtApplication.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTimer>
#include <memory>

TProgramTranslation::~TProgramTranslation() {
    QCoreApplication::removeTranslator(&QtTranslation);
    QCoreApplication::removeTranslator(&Translation);
}

bool TProgramTranslation::Install(const QString& exePath) {
    // Loaded from memory: QTranslator::load(file) would try "<file>.qm" and shortened names
    // first and could pick up some other file beside the executable.
    const QString file = TranslationFileFor(exePath);
    if (QFile source(file); !file.isEmpty() && source.open(QIODevice::ReadOnly))
        Data = source.readAll();
    if (Data.isEmpty() || !Translation.load(reinterpret_cast<const uchar*>(Data.constData()),
                                            static_cast<int>(Data.size())))
        return false;
    QCoreApplication::installTranslator(&Translation);
    if (QtTranslation.load(QStringLiteral("qtbase_") + Translation.language(),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&QtTranslation);
    return true;
}

int RunWindows(const std::function<void()>& started) {
    TQtApplication application;
    application.Title = QStringLiteral("Brookfetch");

    TProgramTranslation translation;
    std::unique_ptr<TMainForm> mainForm;
    std::unique_ptr<TMsgTemplate> msgTemplate;
    std::unique_ptr<TPropertiesDialog> propertiesDialog;
    std::unique_ptr<TAboutBox> aboutBox;
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
        QApplication::exec();
    } catch (const Exception& error) {
        Application->ShowException(error);
    }
    AboutBox = nullptr;
    PropertiesDialog = nullptr;
    MsgTemplate = nullptr;
    MainForm = nullptr;
    return 0;
}
