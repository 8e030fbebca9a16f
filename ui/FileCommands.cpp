#include "ui/FileCommands.h"

#include "app/Workplace.h"
#include "model/Q47Validation.h"
#include "platform/framework/Application.h"
#include "platform/framework/Convert.h"
#include "platform/framework/Exceptions.h"
#include "ui/FocusReturn.h"
#include "ui/Guard.h"
#include "ui/Main.h"
#include "ui/Msg.h"
#include "ui/Properties.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <iterator>

namespace {

// The file name completion of a file dialog opens a popup of its own, which Enter does not
// close when it accepts the dialog: left open over the main window it would take the next key
// or click. It goes with the dialog.
void ClosePopupsWith(QFileDialog* dialog) {
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog] {
        for (QCompleter* completer : dialog->findChildren<QCompleter*>())
            if (QWidget* popup = completer->popup(); popup && popup->isVisible())
                popup->hide();
    });
}

} // namespace

// A system's own file or print dialog may close without giving the keyboard back to the window
// that opened it. The window takes it back, as it does after the program's own boxes, once the
// system has told it that it lost it; a box the program shows right after the dialog keeps the
// keyboard.
void TakeKeyboardBack(QDialog& dialog) {
    QWidget* owner = dialog.parentWidget();
    if (!owner)
        return;
    QPointer<QWidget> window = owner->window();
    const auto activate = [window] {
        if (window && window->isVisible() && !window->isActiveWindow() &&
            !QApplication::activeModalWidget())
            window->activateWindow();
    };
    for (const int milliseconds : {0, 250})
        QTimer::singleShot(milliseconds, window, activate);
}

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

QString RunModal(QFileDialog& dialog) {
    const bool accepted = dialog.exec() == QDialog::Accepted;
    TakeKeyboardBack(dialog);
    if (!accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

} // namespace

TFileCommands::TFileCommands(TMainForm& form, QMenu& menu, QAction& before)
    : QObject(&form), RunFileDialog(RunModal), Form(form), Menu(menu) {
    // The recent files go between Properties and Exit, shown when there are any.
    static_assert(std::size(decltype(Recent){}) == TWorkplace::RecentFileCount);
    RecentSeparator = menu.insertSeparator(&before);
    RecentSeparator->setVisible(false);
    for (int i = 0; i < TWorkplace::RecentFileCount; ++i) {
        Recent[i] = new QAction(&form);
        Recent[i]->setObjectName(QStringLiteral("MenuFileRecent%1").arg(i + 1));
        Recent[i]->setVisible(false);
        menu.insertAction(RecentSeparator, Recent[i]);
        connect(Recent[i], &QAction::triggered, this,
                Guard([this, i] { Form.FileRecentExecute(i); }));
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
        return Form.FileSaveExecute();
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
    QFileDialog& dialog = OpenDialog();
    StartInFolder(dialog);
    const QString path = ChosenFile(dialog);
    if (!path.isEmpty())
        LoadFile(path);
}

void TFileCommands::OpenNamedFile(const QString& path) {
    if (QuerySave(false))
        LoadFile(path);
}

void TFileCommands::OpenRequested(const QString& path) {
    if (Form.isMinimized())
        Form.setWindowState(Form.windowState() & ~Qt::WindowMinimized);
    Form.raise();
    Form.activateWindow();
    if (!path.isEmpty())
        OpenWhenFree(path);
}

// Asked from the event loop, a request may find a question or dialog of this window open, or a
// transfer that let the events through: the file waits until they are done.
void TFileCommands::OpenWhenFree(const QString& path) {
    if (QApplication::activeModalWidget() || !Form.isEnabled()) {
        QTimer::singleShot(250, this, Guard([this, path] { OpenWhenFree(path); }));
        return;
    }
    Form.OpenNamedFile(path);
}

// A file that cannot be loaded is reported, and the data on the page stay as they were:
// a technician must never take defaults for the file's parameters.
void TFileCommands::LoadFile(const QString& path) {
    if (Workplace->OpenFile(path)) {
        Form.ShowStatus();
        Form.ModelToPage();
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
    Form.SetStatusText(0, MessageText(QStringLiteral("MsgError")));
    // A file that is there but cannot be read says why, as the system told it.
    const QString sentence = MessageText(reason).arg(ShownName(path));
    Application->MessageBox((Workplace->LoadFailure == TWorkplace::TLoadFailure::Unreadable
                                 ? WithReason(sentence, Workplace->FileFailure, false)
                                 : sentence) +
                                QStringLiteral("\n\n") + MessageText(QStringLiteral("MsgOpenKept")),
                            MessageText(QStringLiteral("MsgError")), MB_OK);
}

// Open and Save As start in the folder of the current file, else in the last one chosen.
void TFileCommands::StartInFolder(QFileDialog& dialog) const {
    const QString folder = Workplace->FileName.isEmpty()
                               ? Workplace->LastFolder
                               : QFileInfo(Workplace->FileName).absolutePath();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        dialog.setDirectory(folder);
}

QString TFileCommands::ChosenFile(QFileDialog& dialog) {
    const QString path = RunFileDialog(dialog);
    if (!path.isEmpty())
        Workplace->LastFolder = QFileInfo(path).absolutePath();
    return path;
}

void TFileCommands::OpenRecent(int index) {
    // Taken before the save question, which may put the current file at the head of the list.
    const QString path = Workplace->RecentFiles.value(index);
    if (!path.isEmpty())
        Form.OpenNamedFile(path);
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

void TFileCommands::ClearFocus() {
    if (QWidget* focused = Form.focusWidget())
        focused->clearFocus();
}

QString TFileCommands::NotSavedText(const QString& path, const TFileFailure& failure) {
    return WithReason(MessageText(QStringLiteral("MsgSaveFailed")).arg(ShownName(path)), failure,
                      true);
}

bool TFileCommands::Saved(bool saved, const QString& path) {
    // A failed save names the file and the system's reason under the error box's own text.
    Form.ShowStatus(saved ? QString() : NotSavedText(path, Workplace->FileFailure));
    if (saved)
        Form.ShowConfirmation(MessageText(QStringLiteral("MsgFileSaved")));
    return saved;
}

// The keyboard focus goes back where it was, as after Read and Write, unless a refused field
// took it.
bool TFileCommands::Save() {
    TFocusReturn focus(Form);
    ClearFocus();
    if (!Form.PageToModel()) {
        focus.Dismiss();
        return false;
    }
    if (Workplace->FileName.isEmpty())
        return Form.FileSaveAsExecute();
    return Saved(Workplace->SaveFile(Workplace->FileName), Workplace->FileName);
}

bool TFileCommands::SaveAs() {
    TFocusReturn focus(Form);
    ClearFocus();
    if (!Form.PageToModel()) {
        focus.Dismiss();
        return false;
    }
    QFileDialog& dialog = SaveDialog();
    StartInFolder(dialog);
    dialog.selectFile(Workplace->FileName.isEmpty() ? MessageText(QStringLiteral("MsgNonameFile"))
                                                    : Workplace->FileName);
    const QString path = ChosenFile(dialog);
    if (path.isEmpty())
        return false;
    if (QFileInfo::exists(path) &&
        Application->MessageBox(MessageText(QStringLiteral("MsgFileExistsQ")),
                                MessageText(QStringLiteral("MsgConfirmation")),
                                MB_OKCANCEL) != IDOK)
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

// The dialogs' texts belong to the main window, as translators know them.
QFileDialog& TFileCommands::OpenDialog() {
    if (!FileOpenDialog) {
        FileOpenDialog =
            new QFileDialog(&Form, QCoreApplication::translate("TMainForm", "Open File"));
        FileOpenDialog->setObjectName(QStringLiteral("FileOpenDialog"));
        FileOpenDialog->setAcceptMode(QFileDialog::AcceptOpen);
        FileOpenDialog->setFileMode(QFileDialog::AnyFile);
        FileOpenDialog->setNameFilter(
            QCoreApplication::translate("TMainForm", "Brookfetch Configuration (*.brk)"));
        FileOpenDialog->setDefaultSuffix(QStringLiteral("brk"));
        ClosePopupsWith(FileOpenDialog);
    }
    return *FileOpenDialog;
}

QFileDialog& TFileCommands::SaveDialog() {
    if (!FileSaveDialog) {
        FileSaveDialog =
            new QFileDialog(&Form, QCoreApplication::translate("TMainForm", "Save file"));
        FileSaveDialog->setObjectName(QStringLiteral("FileSaveDialog"));
        FileSaveDialog->setAcceptMode(QFileDialog::AcceptSave);
        FileSaveDialog->setFileMode(QFileDialog::AnyFile);
        FileSaveDialog->setNameFilter(
            QCoreApplication::translate("TMainForm", "Brookfetch Configuration (*.brk)"));
        FileSaveDialog->setDefaultSuffix(QStringLiteral("brk"));
        // The program asks about overwriting itself, with its own message texts.
        FileSaveDialog->setOption(QFileDialog::DontConfirmOverwrite);
        ClosePopupsWith(FileSaveDialog);
    }
    return *FileSaveDialog;
}
