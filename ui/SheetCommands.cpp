// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "ui/CommandHost.h"
#include "ui/FileCommands.h"
#include "ui/FileDialogs.h"
#include "ui/Msg.h"
#include "ui/PageCheck.h"
#include "ui/ProgramTranslation.h"
#include "ui/StatusBar.h"

#include <QDir>
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

TSheetCommands::TSheetCommands(TCommandHost& host, TStatusBar& status, TFileDialogs& dialogs)
    : QObject(&host.Window()), RunPrintDialog(RunModal), PrinterInstalled(AnyPrinter), Host(host),
      Status(status), Dialogs(dialogs) {}

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

// Changed data are taken from the page as Save takes them. Data nobody has changed since New,
// Open or Read are documented as they are, byte for byte: the page would store a VAR code it
// shows as "Disabled" as 0, and a sheet must show the connector.
bool TSheetCommands::PageChecked() {
    return !Workplace->Modified || TPageCheck(Host).Taken();
}

bool TSheetCommands::Print() {
    if (!PageChecked())
        return false;
    // The print job is named after the file, as the print queue shows it.
    return PrintSheet(Sheet(),
                      Workplace->FileName.isEmpty() ? MessageText(QStringLiteral("MsgNonameFile"))
                                                    : QFileInfo(Workplace->FileName).fileName(),
                      Host.Window());
}

bool TSheetCommands::PrintSheet(const TParameterSheet& sheet, const QString& document,
                                QWidget& owner) {
    if (!PrinterInstalled()) {
        Host.ShowError(QStringLiteral("MsgNoPrinter"));
        return false;
    }
    QPrinter& printer = Printer();
    printer.setDocName(document);
    QPrintDialog dialog(&printer, &owner);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    // One page: there is nothing to choose from.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (!RunPrintDialog(dialog))
        return false;
    // A printer that makes no copies itself (a file) gets the page as often as asked.
    const int copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
    if (!sheet.Paint(printer, copies) || printer.printerState() == QPrinter::Error) {
        Host.ShowError(QStringLiteral("MsgPrintFailed"));
        return false;
    }
    Status.ShowConfirmation(MessageText(QStringLiteral("MsgSheetPrinted")));
    return true;
}

bool TSheetCommands::ExportPdf() {
    if (!PageChecked())
        return false;
    // Beside the configuration file and named after it; else where the user saves files.
    return ExportSheet(Sheet(),
                       Workplace->FileName.isEmpty()
                           ? MessageText(QStringLiteral("MsgNonameFile"))
                           : QFileInfo(Workplace->FileName).completeBaseName(),
                       Dialogs);
}

bool TSheetCommands::ExportSheet(const TParameterSheet& sheet, const QString& name,
                                 TFileDialogs& dialogs) {
    const QString path =
        dialogs.Choose(TFileDialogs::TKind::ExportPdf, name + QStringLiteral(".pdf"));
    if (path.isEmpty() || !TFileDialogs::MayReplace(path))
        return false;
    const QByteArray pdf = sheet.Pdf(UsualPaper());
    // Written aside and renamed over the name: a failed export leaves an older file whole, and
    // says which file and why, as a failed save does.
    TFileFailure failure;
    if (pdf.isEmpty() ||
        SaveWholeFile(NativePath(path),
                      std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())),
                      TNewFile::Shared, &failure) != TSaveResult::Saved) {
        Host.ShowError(QStringLiteral("MsgFileError"), TFileCommands::NotSavedText(path, failure));
        return false;
    }
    Status.ShowConfirmation(MessageText(QStringLiteral("MsgSheetExported")) + QStringLiteral(": ") +
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
