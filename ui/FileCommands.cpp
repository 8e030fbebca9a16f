// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FileCommands.h"

#include "app/Workplace.h"
#include "model/Q47Validation.h"
#include "platform/framework/Application.h"
#include "platform/framework/Convert.h"
#include "platform/framework/Exceptions.h"
#include "ui/CommandHost.h"
#include "ui/Guard.h"
#include "ui/Msg.h"
#include "ui/PageCheck.h"
#include "ui/Properties.h"
#include "ui/StatusBar.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <iterator>

namespace {

// Why the system refused a file, as a sentence of its own after the one that names the file.
QString ReasonWords(const TFileFailure& failure, bool saving) {
    const auto text = [](const char* label) { return MessageText(QLatin1String(label)); };
    switch (failure.Reason) {
    case TFileReason::None:
        break;
    case TFileReason::NotFound:
    case TFileReason::NoFolder:
        return text("MsgReasonNoFolder");
    case TFileReason::NoPermission:
        return text(saving ? "MsgReasonNoWritePermission" : "MsgReasonNoReadPermission");
    case TFileReason::ReadOnly:
        return text("MsgReasonReadOnly");
    case TFileReason::ReadOnlyDisk:
        return text("MsgReasonReadOnlyDisk");
    case TFileReason::NoSpace:
        return text("MsgReasonNoSpace");
    case TFileReason::Folder:
        return text("MsgReasonFolder");
    case TFileReason::NotAFile:
        return text("MsgReasonNotAFile");
    case TFileReason::NameTooLong:
        return text("MsgReasonNameTooLong");
    case TFileReason::InUse:
        return text("MsgReasonInUse");
    case TFileReason::ForeignLink:
        return text("MsgReasonForeignLink");
    case TFileReason::Other:
        return text("MsgReasonOther")
            .arg(EscapeControlCharacters(
                QString::fromLocal8Bit(SystemErrorText(failure.SystemError))));
    }
    return QString();
}

// A sentence that names the file, then the system's reason.
QString WithReason(const QString& sentence, const TFileFailure& failure, bool saving) {
    const QString reason = ReasonWords(failure, saving);
    return reason.isEmpty() ? sentence : sentence + QLatin1Char(' ') + reason;
}

// Named as the system names files: C:\Sites\river.brk on Windows.
QString ShownName(const QString& path) {
    return EscapeFileName(QDir::toNativeSeparators(path));
}

} // namespace

TFileCommands::TFileCommands(TCommandHost& host, TStatusBar& status, TFileDialogs& dialogs,
                             QMenu& menu, QAction& before)
    : QObject(&host.Window()), Host(host), Status(status), Dialogs(dialogs), Menu(menu) {
    // The recent files go between Properties and Exit, shown when there are any.
    static_assert(std::size(decltype(Recent){}) == TWorkplace::RecentFileCount);
    RecentSeparator = menu.insertSeparator(&before);
    RecentSeparator->setVisible(false);
    for (int i = 0; i < TWorkplace::RecentFileCount; ++i) {
        Recent[i] = new QAction(&host.Window());
        Recent[i]->setObjectName(QStringLiteral("MenuFileRecent%1").arg(i + 1));
        Recent[i]->setVisible(false);
        menu.insertAction(RecentSeparator, Recent[i]);
        connect(Recent[i], &QAction::triggered, this, Guard([this, i] { OpenRecent(i); }));
    }
}

bool TFileCommands::QuerySave(bool discards) {
    if (!Workplace->Modified)
        return true;
    switch (Application->MessageBox(MessageText(QStringLiteral("MsgFileModifiedQ")),
                                    MessageText(QStringLiteral("MsgConfirmation")),
                                    MB_YESNOCANCEL)) {
    case IDYES:
        // Only saved data may be dropped: a refused field, a cancelled Save As or a failed save
        // stop the command with the edits still on the page.
        return Save();
    case IDNO:
        // A command that may yet keep the data on the page must not forget they were changed.
        if (discards)
            Workplace->Modified = false;
        return true;
    default:
        return false;
    }
}

void TFileCommands::Open() {
    if (!QuerySave(false))
        return;
    const QString path = ChosenFile(TFileDialogs::TKind::Open);
    if (!path.isEmpty())
        LoadFile(path);
}

void TFileCommands::OpenNamedFile(const QString& path) {
    if (QuerySave(false))
        LoadFile(path);
}

void TFileCommands::OpenRequested(const QString& path) {
    QWidget& window = Host.Window();
    if (window.isMinimized())
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.raise();
    window.activateWindow();
    if (!path.isEmpty())
        OpenWhenFree(path);
}

// Asked from the event loop, a request may find a question or dialog of this window open, or a
// transfer that let the events through: the file waits until they are done.
void TFileCommands::OpenWhenFree(const QString& path) {
    if (QApplication::activeModalWidget() || !Host.Window().isEnabled()) {
        QTimer::singleShot(250, this, Guard([this, path] { OpenWhenFree(path); }));
        return;
    }
    OpenNamedFile(path);
}

// A file that cannot be loaded is reported, and the data on the page stay as they were:
// a technician must never take defaults for the file's parameters.
void TFileCommands::LoadFile(const QString& path) {
    if (Workplace->OpenFile(path)) {
        Host.ShowStatus();
        Host.ModelToPage();
        return;
    }
    ShowRecentFiles(); // a file that is gone has left the list
    QString reason;
    switch (Workplace->LoadFailure) {
    case TWorkplace::TLoadFailure::Missing:
        reason = QStringLiteral("MsgOpenMissing");
        break;
    case TWorkplace::TLoadFailure::Unreadable:
        reason = QStringLiteral("MsgOpenUnreadable");
        break;
    case TWorkplace::TLoadFailure::TooShort:
        reason = QStringLiteral("MsgOpenTooShort");
        break;
    case TWorkplace::TLoadFailure::Damaged:
        reason = QStringLiteral("MsgOpenDamaged");
        break;
    case TWorkplace::TLoadFailure::None:
        throw Exception(ErrorSwitchFile());
    }
    // The panel says so already while the box is open, instead of an earlier success.
    Status.SetText(0, MessageText(QStringLiteral("MsgError")));
    // A file that is there but cannot be read says why, as the system told it.
    const QString sentence = MessageText(reason).arg(ShownName(path));
    Application->MessageBox((Workplace->LoadFailure == TWorkplace::TLoadFailure::Unreadable
                                 ? WithReason(sentence, Workplace->FileFailure, false)
                                 : sentence) +
                                QStringLiteral("\n\n") + MessageText(QStringLiteral("MsgOpenKept")),
                            MessageText(QStringLiteral("MsgError")), MB_OK);
}

// Open and Save As go on in the folder chosen last.
QString TFileCommands::ChosenFile(TFileDialogs::TKind kind, const QString& proposed) {
    const QString path = Dialogs.Choose(kind, proposed);
    if (!path.isEmpty())
        Workplace->LastFolder = QFileInfo(path).absolutePath();
    return path;
}

void TFileCommands::OpenRecent(int index) {
    // Taken before the save question, which may put the current file at the head of the list.
    const QString path = Workplace->RecentFiles.value(index);
    if (!path.isEmpty())
        OpenNamedFile(path);
}

void TFileCommands::ShowRecentFiles() {
    const QStringList& files = Workplace->RecentFiles;
    const QFontMetrics metrics(Menu.font());
    for (int i = 0; i < TWorkplace::RecentFileCount; ++i) {
        QAction* item = Recent[i];
        item->setVisible(i < files.size());
        if (i >= files.size())
            continue;
        // "&1 /folder/name.brk": the digit is the accelerator, an "&" of the path is shown.
        QString name = metrics.elidedText(QDir::toNativeSeparators(files[i]), Qt::ElideMiddle,
                                          metrics.averageCharWidth() * 60);
        item->setText(QLatin1Char('&') + QString::number(i + 1) + QLatin1Char(' ') +
                      name.replace(QLatin1Char('&'), QLatin1String("&&")));
    }
    RecentSeparator->setVisible(!files.isEmpty());
}

QString TFileCommands::NotSavedText(const QString& path, const TFileFailure& failure) {
    return WithReason(MessageText(QStringLiteral("MsgSaveFailed")).arg(ShownName(path)), failure,
                      true);
}

bool TFileCommands::Saved(bool saved, const QString& path) {
    // A failed save names the file and the system's reason under the error box's own text.
    Host.ShowStatus(saved ? QString() : NotSavedText(path, Workplace->FileFailure));
    if (saved)
        Status.ShowConfirmation(MessageText(QStringLiteral("MsgFileSaved")));
    return saved;
}

bool TFileCommands::Save() {
    const TPageCheck page(Host);
    if (!page.Taken())
        return false;
    if (Workplace->FileName.isEmpty())
        return SaveUnderChosenName();
    return Saved(Workplace->SaveFile(Workplace->FileName), Workplace->FileName);
}

bool TFileCommands::SaveAs() {
    const TPageCheck page(Host);
    return page.Taken() && SaveUnderChosenName();
}

bool TFileCommands::SaveUnderChosenName() {
    const QString path =
        ChosenFile(TFileDialogs::TKind::Save, Workplace->FileName.isEmpty()
                                                  ? MessageText(QStringLiteral("MsgNonameFile"))
                                                  : Workplace->FileName);
    if (path.isEmpty() || !TFileDialogs::MayReplace(path))
        return false;
    return Saved(Workplace->SaveFile(path), path);
}

void TFileCommands::Properties() {
    if (!QuerySave(false))
        return;
    const int previous = Workplace->LanguageId;
    if (PropertiesDialog->Execute() && Workplace->LanguageId != previous)
        Workplace->ApplyLanguage();
}

QString TFileCommands::DroppedConfiguration(const QMimeData* data) {
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    const QString path = urls.front().toLocalFile();
    return IsConfigurationFileName(path) ? path : QString();
}
