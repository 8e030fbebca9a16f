// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Licences.h"

#include "ui_Licences.h"

#include "platform/files/Files.h"
#include "platform/framework/NativePath.h"
#include "platform/registry/Locations.h"
#include "ui/AccessibleNames.h"
#include "ui/Logo.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QMap>
#include <QStringList>

namespace {

// The notices of a Windows package are a few hundred KiB; anything far larger is no notices
// file of ours and is not loaded whole into the window.
constexpr std::size_t MaxNoticesSize = 16 * 1024 * 1024;
// A package database of a few thousand packages is some MiB.
constexpr std::size_t MaxStatusSize = 64 * 1024 * 1024;

// The packages whose libraries the Linux program loads: Qt, libjpeg, the C++ and C runtime.
const char* const LibraryPackages[] = {
    "libqt6core6", "libqt6gui6",      "libqt6widgets6", "libqt6network6", "libqt6printsupport6",
    "libqt6dbus6", "libjpeg62-turbo", "libstdc++6",     "libgcc-s1",      "libc6"};

// The licences a machine-readable copyright file names, each once, in its order.
QStringList LicencesIn(const QString& copyright) {
    QStringList licences;
    for (const QString& line : copyright.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("License:"))) {
            const QString name = line.mid(8).trimmed();
            if (!name.isEmpty() && !licences.contains(name))
                licences << name;
        }
    return licences;
}

QString ProgramLicence() {
    InitUiResources();
    QFile licence(QStringLiteral(":/licences/LICENSE"));
    if (!licence.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(licence.readAll());
}

} // namespace

const char TLicencesBox::NoticesFile[] = "THIRD-PARTY-NOTICES.txt";

TLicencesBox::TLicencesBox(QWidget* parent, const QString& exePath)
    : QDialog(parent), ui(new Ui::TLicencesBox) {
    ui->setupUi(this);
    // The licence texts are laid out in lines of their own, in columns.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    ui->ProgramLicence->setFont(fixed);
    ui->LibraryNotices->setFont(fixed);
    LoadTexts(exePath.isEmpty() ? QCoreApplication::applicationFilePath() : exePath);
    // A screen reader names each text after its tab.
    ui->ProgramLicence->setAccessibleName(ui->LicenceTabs->tabText(0));
    ui->LibraryNotices->setAccessibleName(ui->LicenceTabs->tabText(1));
    accessibility::NameControls(this);
    connect(ui->CloseButton, &QPushButton::clicked, this, &QDialog::accept);
}

TLicencesBox::~TLicencesBox() = default;

QString TLicencesBox::SystemLibraries(const QString& statusFile, const QString& docFolder) {
    const TLoadedFile status = LoadWholeFile(NativePath(statusFile), MaxStatusSize);
    if (status.Result != TLoadResult::Loaded)
        return QString();
    // Each package's paragraph: its name, whether it is installed, its version.
    QMap<QString, QString> installed;
    for (const QString& paragraph : QString::fromUtf8(status.Bytes).split(QStringLiteral("\n\n"))) {
        QString package, version;
        bool present = false;
        for (const QString& line : paragraph.split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("Package: ")))
                package = line.mid(9).trimmed();
            else if (line.startsWith(QLatin1String("Version: ")))
                version = line.mid(9).trimmed();
            else if (line.startsWith(QLatin1String("Status: ")))
                present = line.endsWith(QLatin1String(" installed"));
        }
        if (present && !package.isEmpty() && !installed.contains(package))
            installed.insert(package, version);
    }
    QStringList lines;
    for (const char* name : LibraryPackages) {
        const QString package = QLatin1String(name);
        if (!installed.contains(package))
            continue;
        const QString copyright =
            docFolder + QLatin1Char('/') + package + QStringLiteral("/copyright");
        const TLoadedFile file = LoadWholeFile(NativePath(copyright), MaxNoticesSize);
        const QStringList licences = file.Result == TLoadResult::Loaded
                                         ? LicencesIn(QString::fromUtf8(file.Bytes))
                                         : QStringList();
        QString line = package + QLatin1Char(' ') + installed.value(package);
        if (!licences.isEmpty())
            line += QStringLiteral(" \u2013 ") + licences.join(QStringLiteral(", "));
        lines << line + QStringLiteral(" \u2013 ") + copyright;
    }
    return lines.join(QLatin1Char('\n'));
}

void TLicencesBox::LoadTexts(const QString& exePath) {
    ui->ProgramLicence->setPlainText(ProgramLicence());
    const QString notices =
        SharedDataFolder(exePath) + QLatin1Char('/') + QLatin1String(NoticesFile);
    const TLoadedFile loaded = LoadWholeFile(NativePath(notices), MaxNoticesSize);
    if (loaded.Result == TLoadResult::Loaded && !loaded.Longer && !loaded.Bytes.empty()) {
        // Written with Windows' line ends, for Notepad.
        QString text = QString::fromUtf8(loaded.Bytes);
        text.remove(QLatin1Char('\r'));
        ui->LibraryNotices->setPlainText(text);
    } else if (const QString libraries = SystemLibraries(); !libraries.isEmpty()) {
        //: Licences window, tab "Libraries", on Linux, above a list of the system's libraries
        //: (package, version, licences, the file with their full texts).
        ui->LibraryNotices->setPlainText(
            tr("Brookfetch runs on these libraries of the system, each under the licences "
               "named; the full texts are in the file at the end of each line.") +
            QStringLiteral("\n\n") + libraries + QLatin1Char('\n'));
    } else {
        ui->LibraryNotices->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        ui->LibraryNotices->setFont(font());
        //: Licences window, tab "Libraries", where no notices file lies beside the program: a
        //: Linux build uses the system's own libraries. Keep the file and folder names as they
        //: are; <package> stands for a package's name.
        ui->LibraryNotices->setPlainText(
            tr("Brookfetch uses Qt, libjpeg and the C++ runtime library, each under a licence of "
               "its own. A package of Brookfetch for Windows brings their notices in the file "
               "THIRD-PARTY-NOTICES.txt beside brookfetch.exe. On Linux they come with the "
               "system's libraries: on Debian in /usr/share/doc/<package>/copyright."));
    }
}
