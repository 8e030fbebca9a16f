#include "ui/SheetCommands.h"

#include "BrookfetchVersion.h"
#include "adapter/AdapterVersion.h"
#include "app/Workplace.h"
#include "model/Q47.h"
#include "platform/files/Files.h"
#include "platform/framework/Application.h"
#include "platform/framework/Convert.h"
#include "platform/framework/NativePath.h"
#include "platform/framework/Paper.h"
#include "sheet/ParameterSheet.h"
#include "ui/FileCommands.h"
#include "ui/FocusReturn.h"
#include "ui/Main.h"
#include "ui/Msg.h"
#include "ui/ProgramTranslation.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

bool RunModal(QPrintDialog& dialog) {
    const bool accepted = dialog.exec() == QDialog::Accepted;
    TakeKeyboardBack(dialog);
    return accepted;
}

bool AnyPrinter() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

QPageSize PageSizeOf(TPaper paper) {
    return QPageSize(paper == TPaper::Letter ? QPageSize::Letter : QPageSize::A4);
}

} // namespace

TSheetCommands::TSheetCommands(TMainForm& form)
    : QObject(&form), RunPrintDialog(RunModal), PrinterInstalled(AnyPrinter), Form(form) {}

TSheetCommands::~TSheetCommands() {
    delete PrinterPtr;
}

TParameterSheet TSheetCommands::Sheet() const {
    const TParameterSheet::TImage image = DocumentedImage(*Workplace->Model);
    TParameterSheet sheet(image);
    // Named as the status bar names it.
    if (!Workplace->FileName.isEmpty())
        sheet.FileName = EscapeFileName(QDir::toNativeSeparators(Workplace->FileName));
    sheet.Program = QStringLiteral("Brookfetch ") + QString::fromLatin1(BrookfetchVersion);
    sheet.Locale = SheetLocale(TProgramTranslation::Language());
    const auto& origin = Workplace->Origin;
    if (origin && origin->Image == QByteArray(reinterpret_cast<const char*>(image.data()),
                                              static_cast<qsizetype>(image.size())))
        sheet.Connector = TSheetConnector{origin->Written, origin->Adapter,
                                          AdapterVersionText(origin->Version), origin->SmallMemory};
    return sheet;
}

// As Save takes the page: the focus leaves the field first, and a refused field keeps it. Data
// nobody has changed since New, Open or Read are documented as they are, byte for byte: the
// page would store a VAR code it shows as "Disabled" as 0, and a sheet must show the connector.
bool TSheetCommands::PageChecked() {
    if (!Workplace->Modified)
        return true;
    TFocusReturn focus(Form);
    if (QWidget* focused = Form.focusWidget())
        focused->clearFocus();
    if (!Form.PageToModel()) {
        focus.Dismiss();
        return false;
    }
    return true;
}

void TSheetCommands::Failed(const char* label, const QString& cause) {
    Form.SetStatusText(0, MessageText(QStringLiteral("MsgError")));
    QString text = MessageText(QLatin1String(label));
    if (!cause.isEmpty())
        text += QStringLiteral("\n\n") + cause;
    Application->MessageBox(text, MessageText(QStringLiteral("MsgError")), MB_OK);
}

bool TSheetCommands::Print() {
    if (!PageChecked())
        return false;
    if (!PrinterInstalled()) {
        Failed("MsgNoPrinter");
        return false;
    }
    const TParameterSheet sheet = Sheet();
    QPrinter& printer = Printer();
    // The print job is named after the file, as the print queue shows it.
    printer.setDocName(Workplace->FileName.isEmpty() ? MessageText(QStringLiteral("MsgNonameFile"))
                                                     : QFileInfo(Workplace->FileName).fileName());
    QPrintDialog dialog(&printer, &Form);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    // One page: there is nothing to choose from.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (!RunPrintDialog(dialog))
        return false;
    // A printer that makes no copies itself (a file) gets the page as often as asked.
    const int copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
    if (!sheet.Paint(printer, copies) || printer.printerState() == QPrinter::Error) {
        Failed("MsgPrintFailed");
        return false;
    }
    Form.ShowConfirmation(MessageText(QStringLiteral("MsgSheetPrinted")));
    return true;
}

bool TSheetCommands::ExportPdf() {
    if (!PageChecked())
        return false;
    const TParameterSheet sheet = Sheet();
    QFileDialog& dialog = ExportDialog();
    // Beside the configuration file and named after it; else where the user saves files.
    const QString name = Workplace->FileName.isEmpty()
                             ? MessageText(QStringLiteral("MsgNonameFile"))
                             : QFileInfo(Workplace->FileName).completeBaseName();
    const QString folder = Workplace->FileName.isEmpty()
                               ? Workplace->LastFolder
                               : QFileInfo(Workplace->FileName).absolutePath();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        dialog.setDirectory(folder);
    dialog.selectFile(name + QStringLiteral(".pdf"));
    const QString path = Form.Files().RunFileDialog(dialog);
    if (path.isEmpty())
        return false;
    if (QFileInfo::exists(path) &&
        Application->MessageBox(MessageText(QStringLiteral("MsgFileExistsQ")),
                                MessageText(QStringLiteral("MsgConfirmation")),
                                MB_OKCANCEL) != IDOK)
        return false;
    const QByteArray pdf = sheet.Pdf(UsualPaper());
    // Written aside and renamed over the name: a failed export leaves an older file whole, and
    // says which file and why, as a failed save does.
    TFileFailure failure;
    if (pdf.isEmpty() ||
        SaveWholeFile(NativePath(path),
                      std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())),
                      TNewFile::Shared, &failure) != TSaveResult::Saved) {
        Failed("MsgFileError", TFileCommands::NotSavedText(path, failure));
        return false;
    }
    Form.ShowConfirmation(MessageText(QStringLiteral("MsgSheetExported")) + QStringLiteral(": ") +
                          EscapeFileName(QDir::toNativeSeparators(path)));
    return true;
}

// Kept for the session, so that the printer and the paper the user chose are offered again.
QPrinter& TSheetCommands::Printer() {
    if (!PrinterPtr) {
        PrinterPtr = new QPrinter(QPrinter::HighResolution);
        PrinterPtr->setPageLayout(QPageLayout(PageSizeOf(UsualPaper()), QPageLayout::Portrait,
                                              QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter));
    }
    return *PrinterPtr;
}

// The dialog's texts belong to the main window, as translators know them.
QFileDialog& TSheetCommands::ExportDialog() {
    if (!ExportFileDialog) {
        ExportFileDialog =
            new QFileDialog(&Form, QCoreApplication::translate("TMainForm", "Export as PDF"));
        ExportFileDialog->setObjectName(QStringLiteral("ExportPdfDialog"));
        ExportFileDialog->setAcceptMode(QFileDialog::AcceptSave);
        ExportFileDialog->setFileMode(QFileDialog::AnyFile);
        ExportFileDialog->setNameFilter(
            QCoreApplication::translate("TMainForm", "PDF document (*.pdf)"));
        ExportFileDialog->setDefaultSuffix(QStringLiteral("pdf"));
        // The program asks about overwriting itself, as Save As does.
        ExportFileDialog->setOption(QFileDialog::DontConfirmOverwrite);
    }
    return *ExportFileDialog;
}
