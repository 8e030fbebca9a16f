// SPDX-License-Identifier: GPL-3.0-or-later
// The user guide opened from the program (Help.h).
#include "ui/Help.h"

#include "platform/framework/Application.h"
#include "ui/Msg.h"
#include "ui/ProgramTranslation.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLocale>
#include <QWidget>
#include <utility>

namespace {

// Object names of the controls and windows, and the guide's sections that explain them. A
// control without one of its own is explained in the section of the nearest that has one.
const std::pair<const char*, const char*> Sections[] = {
    {"Q47ModeSamples", "mode"},
    {"Q47ModeContinuous", "mode"},
    {"Q47Mode", "mode"},
    {"Q47SamplesCount", "samples-count"},
    {"Q47PrePurge", "pre-purge"},
    {"Q47PostPurge", "post-purge"},
    {"Q47VarMode", "var-mode"},
    {"Q47DeadTime", "time-delay"},
    {"Q47PurgesCount", "purges-count"},
    {"Q47SamplingInterval", "sampling-interval"},
    {"Q47Aeration", "aeration"},
    {"Q47MaxSuctionTime", "max-suction-time"},
    {"Q47PumpPulses", "pump-pulses"},
    {"Q47AccuWarning", "warning-voltage"},
    {"Q47AccuOff", "switch-off-voltage"},
    {"Schedule", "schedule"},
    {"Q47Page", "page"},
    {"StatusBar", "status-bar"},
    {"ToolDataRead", "read"},
    {"ToolDataWrite", "write"},
    {"ToolNew", "files"},
    {"TPropertiesDialog", "properties"},
    {"TAboutBox", "about"},
    {"THistoryForm", "history"},
    {"ExportPdfDialog", "export-pdf"},
    {"PrintDialog", "print"},
    {"FileOpenDialog", "open"},
    {"FileSaveDialog", "save"},
};

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
    for (const QWidget* at = widget; at; at = at->parentWidget()) {
        const QString name = at->objectName();
        for (const auto& [control, section] : Sections)
            if (name == QLatin1String(control))
                return QLatin1String(section);
    }
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
