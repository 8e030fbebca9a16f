// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the windows for the documentation, taken from the real program: the same
// start-up and the same windows as the window program, with the pictures saved once the main
// window is on the screen and the windows then closed as a user closes them.
//
//   brookfetch-screenshot DIR [LANG]
//
// saves main-window.png (parameter page), about.png, properties.png and write-question.png (the
// question before a write, with two parameters changed against a connector that holds the
// defaults: the simulated adapter's fresh connector; left out without a connector) into DIR.
// LANG is the three-letter code of a translation beside the executable (enu, deu, ...): it is
// stored as this executable's language before the windows are built, as the properties dialog
// would store it for the next start. Run it from a folder of its own (scripts/screenshot does): it
// makes its settings file beside itself.
#include "app/Workplace.h"
#include "platform/framework/Application.h"
#include "platform/registry/LanguageStore.h"
#include "platform/registry/Translation.h"
#include "ui/About.h"
#include "ui/Main.h"
#include "ui/Properties.h"
#include "ui/Startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QStackedWidget>
#include <QThread>
#include <QTimer>
#include <cstdio>

namespace {

bool Save(QWidget* window, const QString& folder, const QString& name) {
    return window->grab().save(QDir(folder).filePath(name));
}

// Lets the window system map and paint what was just shown.
void Settle() {
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(25);
    }
}

// The store takes the three letters of a code and their zero, as the properties dialog does.
bool StoreLanguage(const QString& exePath, const QByteArray& code) {
    return code.size() == 3 && StoreLanguageCode(exePath, code.constData());
}

// The question before a write, after the page's samples count and sampling interval changed:
// saved once it is open, then answered with Cancel, so nothing is written. Any other box (the
// connector could not be asked) is closed and leaves no picture.
bool SaveWriteQuestion(const QString& folder) {
    MainForm->findChild<QLineEdit*>(QStringLiteral("Q47SamplesCount"))
        ->setText(QStringLiteral("12"));
    MainForm->findChild<QLineEdit*>(QStringLiteral("Q47SamplingInterval"))
        ->setText(QStringLiteral("00:30:00"));
    bool saved = false;
    QTimer poll;
    poll.setInterval(100);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll.stop();
        Settle();
        QAbstractButton* cancel = box->button(QMessageBox::Cancel);
        saved = cancel && Save(box, folder, QStringLiteral("write-question.png"));
        (cancel ? cancel : box->button(QMessageBox::Ok))->click();
    });
    poll.start();
    Guarded([] { MainForm->DataWriteExecute(); });
    // The edits were for the picture: the window closes without the save question.
    Workplace->Modified = false;
    return saved;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty() || arguments.size() > 2) {
        std::fprintf(stderr, "usage: brookfetch-screenshot DIR [LANG]\n");
        return 2;
    }
    const QString folder = arguments[0];
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "brookfetch-screenshot: cannot make %s\n", qPrintable(folder));
        return 1;
    }
    if (arguments.size() == 2) {
        const QString exe = QCoreApplication::applicationFilePath();
        const QString code = arguments[1];
        if (!StoreLanguage(exe, code.toLatin1())) {
            std::fprintf(stderr, "brookfetch-screenshot: cannot store the language in %s\n",
                         qPrintable(LanguageStoreFile()));
            return 1;
        }
        // Found where the program itself looks for it, or the pictures would be in English.
        if (!TranslationFileFor(exe).endsWith(QLatin1Char('.') + code)) {
            std::fprintf(stderr, "brookfetch-screenshot: there is no translation %s for %s\n",
                         qPrintable(code), qPrintable(exe));
            return 1;
        }
    }

    bool saved = false;
    RunWindows([folder, &saved] {
        // Half a second for the window system to place and paint the main window.
        QTimer::singleShot(500, MainForm, [folder, &saved] {
            auto* pages = MainForm->findChild<QStackedWidget*>(QStringLiteral("PageControl"));
            pages->setCurrentWidget(MainForm->findChild<QWidget*>(QStringLiteral("Q47Tab")));
            // One status tick now, so the status bar shows the adapter as the user would.
            Guarded([] { MainForm->TimerTimer(); });
            Settle();
            saved = Save(MainForm, folder, QStringLiteral("main-window.png"));

            AboutBox->show();
            Settle();
            saved = Save(AboutBox, folder, QStringLiteral("about.png")) && saved;
            AboutBox->hide();

            auto* language =
                PropertiesDialog->findChild<QComboBox*>(QStringLiteral("PropertiesLanguage"));
            language->setCurrentIndex(language->findData(Workplace->LanguageId));
            PropertiesDialog->show();
            Settle();
            saved = Save(PropertiesDialog, folder, QStringLiteral("properties.png")) && saved;
            PropertiesDialog->hide();

            // Only with an adapter and its connector (scripts/screenshot starts the simulator).
            if (!SaveWriteQuestion(folder))
                std::fputs("brookfetch-screenshot: no write question: no connector to write\n",
                           stderr);

            // Nothing was kept: the window closes without a question and stores its
            // placement, as at the end of any run.
            MainForm->close();
        });
    });
    return saved ? 0 : 1;
}
