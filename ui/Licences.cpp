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

namespace {

// The notices of a Windows package are a few hundred KiB; anything far larger is no notices
// file of ours and is not loaded whole into the window.
constexpr std::size_t MaxNoticesSize = 16 * 1024 * 1024;

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
