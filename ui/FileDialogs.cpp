// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FileDialogs.h"

#include "app/History.h"
#include "app/Workplace.h"
#include "platform/framework/Application.h"
#include "ui/Msg.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

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

QString RunModal(QFileDialog& dialog) {
    const bool accepted = dialog.exec() == QDialog::Accepted;
    TakeKeyboardBack(dialog);
    if (!accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

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

TFileDialogs::TFileDialogs(QWidget& window) : RunFileDialog(RunModal), Window(window) {}

QString TFileDialogs::Choose(TKind kind, const QString& proposed) {
    QFileDialog& dialog = Dialog(kind);
    const QString folder = Workplace->FileName.isEmpty()
                               ? Workplace->LastFolder
                               : QFileInfo(Workplace->FileName).absolutePath();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        dialog.setDirectory(folder);
    if (!proposed.isEmpty())
        dialog.selectFile(proposed);
    return RunFileDialog(dialog);
}

bool TFileDialogs::MayReplace(const QString& path) {
    // The programming history is a record to keep: no save or export ever replaces it, whatever
    // the user answers, and through no other name (a link) either.
    const QString history = QFileInfo(HistoryPath(Workplace->HistoryFile)).canonicalFilePath();
    if (!history.isEmpty() && QFileInfo(path).canonicalFilePath() == history) {
        Application->MessageBox(MessageText(QStringLiteral("MsgHistoryNotReplaced")),
                                MessageText(QStringLiteral("MsgError")), MB_OK);
        return false;
    }
    return !QFileInfo::exists(path) ||
           Application->MessageBox(MessageText(QStringLiteral("MsgFileExistsQ")),
                                   MessageText(QStringLiteral("MsgConfirmation")),
                                   MB_OKCANCEL) == IDOK;
}

// The dialogs' texts belong to the main window, as translators know them.
QFileDialog& TFileDialogs::Dialog(TKind kind) {
    QFileDialog*& dialog = Made[static_cast<int>(kind)];
    if (dialog)
        return *dialog;
    struct TLook {
        const char* Title;
        const char* Name;
        const char* Filter;
        const char* Suffix;
    };
    static const TLook looks[] = {
        {QT_TRANSLATE_NOOP("TMainForm", "Open File"), "FileOpenDialog",
         QT_TRANSLATE_NOOP("TMainForm", "Brookfetch Configuration (*.brk)"), "brk"},
        {QT_TRANSLATE_NOOP("TMainForm", "Save file"), "FileSaveDialog",
         QT_TRANSLATE_NOOP("TMainForm", "Brookfetch Configuration (*.brk)"), "brk"},
        {QT_TRANSLATE_NOOP("TMainForm", "Export as PDF"), "ExportPdfDialog",
         QT_TRANSLATE_NOOP("TMainForm", "PDF document (*.pdf)"), "pdf"},
        {QT_TRANSLATE_NOOP("TMainForm", "Export History"), "ExportCsvDialog",
         QT_TRANSLATE_NOOP("TMainForm", "CSV file for spreadsheets (*.csv)"), "csv"}};
    const TLook& look = looks[static_cast<int>(kind)];
    dialog = new QFileDialog(&Window, QCoreApplication::translate("TMainForm", look.Title));
    dialog->setObjectName(QLatin1String(look.Name));
    dialog->setAcceptMode(kind == TKind::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(QCoreApplication::translate("TMainForm", look.Filter));
    dialog->setDefaultSuffix(QLatin1String(look.Suffix));
    // The program asks about replacing a file itself, in its own words (MayReplace).
    if (kind != TKind::Open)
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
    ClosePopupsWith(dialog);
    return *dialog;
}
