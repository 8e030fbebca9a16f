#include "ui/Screenshot.h"

#include "app/Workplace.h"
#include "platform/framework/Application.h"
#include "ui/About.h"
#include "ui/Main.h"
#include "ui/Properties.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTabWidget>
#include <QThread>
#include <QTimer>

namespace {

void Save(QWidget* window, const QString& folder, const QString& name) {
    window->grab().save(QDir(folder).filePath(name));
}

// Lets the window system map and paint what was just shown.
void Settle() {
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(25);
    }
}

} // namespace

void ScheduleScreenshots(const QString& folder) {
    QTimer::singleShot(500, qApp, [folder] {
        QDir().mkpath(folder);
        auto* pages = MainForm->findChild<QTabWidget*>(QStringLiteral("PageControl"));
        pages->setCurrentWidget(MainForm->findChild<QWidget*>(QStringLiteral("Q47Tab")));
        // One status tick now, so the status bar shows the adapter as the user would see it.
        Guarded([] { MainForm->TimerTimer(); });
        Settle();
        Save(MainForm, folder, QStringLiteral("main-window.png"));

        AboutBox->show();
        Settle();
        Save(AboutBox, folder, QStringLiteral("about.png"));
        AboutBox->hide();

        auto* language =
            PropertiesDialog->findChild<QComboBox*>(QStringLiteral("PropertiesLanguage"));
        language->setCurrentIndex(Workplace->LanguageId);
        PropertiesDialog->show();
        Settle();
        Save(PropertiesDialog, folder, QStringLiteral("properties.png"));
        PropertiesDialog->hide();

        // Nothing was edited: the window closes without a question and stores its placement.
        MainForm->close();
    });
}
