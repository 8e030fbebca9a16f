// SPDX-License-Identifier: GPL-3.0-or-later
// The user guide opened from the program (Help.h).
#include "ui/Help.h"

#include "platform/framework/Application.h"
#include "ui/Logo.h"
#include "ui/Msg.h"
#include "ui/ProgramTranslation.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QKeyEvent>
#include <QLocale>
#include <QWidget>

namespace {

// The guide's places by the object names of the controls and windows they explain, as the guide
// lists them (docs/guide/topics.txt, built in): "samples-count" for Q47SamplesCount.
const QHash<QString, QString>& Sections() {
    static const QHash<QString, QString> sections = [] {
        QHash<QString, QString> read;
        InitUiResources();
        QFile topics(QStringLiteral(":/guide/topics.txt"));
        if (!topics.open(QIODevice::ReadOnly | QIODevice::Text))
            return read;
        while (!topics.atEnd()) {
            const QString line = QString::fromUtf8(topics.readLine()).trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            for (qsizetype word = 1; word < words.size(); ++word)
                read.insert(words[word], words.front());
        }
        return read;
    }();
    return sections;
}

bool OpenInBrowser(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

// The guide's folder name of the windows' language: "de".
QString LanguageFolder() {
    return QLocale(TProgramTranslation::Language()).name().section(QLatin1Char('_'), 0, 0);
}

bool HoldsGuide(const QString& folder) {
    return QFileInfo::exists(folder + QStringLiteral("/en/index.html"));
}

} // namespace

THelp::THelp(QObject* parent) : QObject(parent), OpenUrl(OpenInBrowser) {}

QString THelp::SectionOf(const QWidget* widget) {
    // A control without a place of its own is explained where its nearest container is.
    for (const QWidget* at = widget; at; at = at->parentWidget())
        if (const auto found = Sections().constFind(at->objectName()); found != Sections().cend())
            return *found;
    return QStringLiteral("start");
}

QString THelp::GuideFolder() {
    QStringList candidates;
    if (const QString chosen = qEnvironmentVariable("BROOKFETCH_GUIDE"); !chosen.isEmpty())
        candidates << chosen;
    const QString program = QCoreApplication::applicationDirPath();
    candidates << program + QStringLiteral("/guide") << program + QStringLiteral("/../guide")
               << program + QStringLiteral("/../share/doc/brookfetch/guide");
    for (const QString& candidate : candidates)
        if (HoldsGuide(candidate))
            return QDir::cleanPath(QFileInfo(candidate).absoluteFilePath());
    return {};
}

QUrl THelp::SectionUrl(const QString& folder, const QString& section) {
    QString language = LanguageFolder();
    if (!QFileInfo::exists(folder + QLatin1Char('/') + language + QStringLiteral("/index.html")))
        language = QStringLiteral("en");
    const QString base = folder + QLatin1Char('/') + language;
    const QString page = base + QStringLiteral("/go/") + section + QStringLiteral(".html");
    return QUrl::fromLocalFile(QFileInfo::exists(page) ? page
                                                       : base + QStringLiteral("/index.html"));
}

bool THelp::Show(const QString& section) {
    const QString folder = GuideFolder();
    if (folder.isEmpty() || !OpenUrl(SectionUrl(folder, section))) {
        Application->MessageBox(MessageText(QStringLiteral("MsgNoGuide")),
                                MessageText(QStringLiteral("MsgError")), MB_OK);
        return false;
    }
    return true;
}

bool THelp::ShowFor(const QWidget* widget) {
    return Show(SectionOf(widget));
}

bool THelp::ShowStart() {
    return Show(QStringLiteral("start"));
}

bool THelp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        // In a dialog: the main window's own F1 does not reach it.
        if (QWidget* modal = QApplication::activeModalWidget()) {
            QWidget* focus = QApplication::focusWidget();
            ShowFor(focus && focus->window() == modal ? focus : modal);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
