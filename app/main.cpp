// The window program: builds the windows in the language chosen for this executable and
// runs them until the main window closes. It takes no arguments.
#include "ui/Main.h"
#include "platform/framework/Application.h"
#include "platform/framework/Exceptions.h"
#include "platform/registry/Translation.h"
#include "ui/About.h"
#include "ui/Msg.h"
#include "ui/Properties.h"
#include "ui/QtApplication.h"
#include "ui/Screenshot.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    TQtApplication application;
    application.Title = QStringLiteral("Brookfetch");

    QTranslator translation;
    QTranslator qtTranslation;
    QByteArray translationData; // the translator reads from it for the whole run
    std::unique_ptr<TMainForm> mainForm;
    std::unique_ptr<TMsgTemplate> msgTemplate;
    std::unique_ptr<TPropertiesDialog> propertiesDialog;
    std::unique_ptr<TAboutBox> aboutBox;
    try {
        // Every window is built from the translated texts, so the language comes first.
        // Loaded from memory: QTranslator::load(file) would try "<file>.qm" and shortened
        // names first and could pick up some other file beside the executable.
        const QString file = TranslationFileFor(QCoreApplication::applicationFilePath());
        if (QFile source(file); !file.isEmpty() && source.open(QIODevice::ReadOnly))
            translationData = source.readAll();
        if (!translationData.isEmpty() &&
            translation.load(reinterpret_cast<const uchar*>(translationData.constData()),
                             static_cast<int>(translationData.size()))) {
            QCoreApplication::installTranslator(&translation);
            // Qt's own texts (the buttons of the message boxes) in the same language.
            if (qtTranslation.load(QStringLiteral("qtbase_") + translation.language(),
                                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(&qtTranslation);
        }
        mainForm = std::make_unique<TMainForm>();
        MainForm = mainForm.get();
        msgTemplate = std::make_unique<TMsgTemplate>();
        MsgTemplate = msgTemplate.get();
        propertiesDialog = std::make_unique<TPropertiesDialog>();
        PropertiesDialog = propertiesDialog.get();
        aboutBox = std::make_unique<TAboutBox>();
        AboutBox = aboutBox.get();

        MainForm->show();
        // A hidden switch for scripts/screenshot.
        const QString screenshots = qEnvironmentVariable("BROOKFETCH_SCREENSHOT");
        if (!screenshots.isEmpty())
            ScheduleScreenshots(screenshots);
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
