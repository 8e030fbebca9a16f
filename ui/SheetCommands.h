// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QPrintDialog;
class QPrinter;
class QWidget;
class TCommandHost;
class TFileDialogs;
class TParameterSheet;
class TStatusBar;

// The main window's File, Print and Export as PDF: the parameter sheet of the data on the page,
// which goes through the same check as Save first (a refused field is reported at its field and
// nothing is printed), then to the printer the system's print dialog chooses, or into a PDF file.
class TSheetCommands : public QObject {
    Q_OBJECT

public:
    TSheetCommands(TCommandHost& host, TStatusBar& status, TFileDialogs& dialogs);
    ~TSheetCommands() override;

    // True when the sheet went to the printer or into the file.
    bool Print();
    bool ExportPdf();

    // A sheet made elsewhere (an entry of the programming history): to the printer the print
    // dialog over `owner` chooses, the print job named `document`; or into a PDF file chosen
    // with `dialogs`, `name` (without ".pdf") offered. True when it went there.
    bool PrintSheet(const TParameterSheet& sheet, const QString& document, QWidget& owner);
    bool ExportSheet(const TParameterSheet& sheet, const QString& name, TFileDialogs& dialogs);

    // The sheet of the data as the model holds them (after the page's check): the image a save
    // would make of them, or the one read or opened while it still holds them, named by the
    // file and the connector it came from, in the windows' language.
    TParameterSheet Sheet() const;

    // Runs the print dialog modally; true to print. Tests replace it so that no dialog ever
    // waits for a person (the export's file dialog is TFileDialogs' RunFileDialog).
    std::function<bool(QPrintDialog& dialog)> RunPrintDialog;
    // Whether the system has a printer; without one Print says so instead of doing nothing
    // (Windows' print dialog does not open then). Tests replace it.
    std::function<bool()> PrinterInstalled;

private:
    bool PageChecked();
    QPrinter& Printer();

    TCommandHost& Host;
    TStatusBar& Status;
    TFileDialogs& Dialogs;
    QPrinter* PrinterPtr = nullptr; // made at first use, then kept with the user's choices
};
