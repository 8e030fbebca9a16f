// SPDX-License-Identifier: GPL-3.0-or-later
// File, Print and Export as PDF: the page's check first, the dialogs, the overwrite question and
// what reaches the printer or the file, driven by the keys a person presses.
#include "tests/ui/WindowFixture.h"

#include "app/Workplace.h"
#include "model/Q47.h"
#include "platform/files/Files.h"
#include "sheet/ParameterSheet.h"
#include "ui/Main.h"
#include "ui/SheetCommands.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>
#include <QTimer>

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A PDF that carries its fonts, so that it reads the same on any computer.
void ExpectPdfWithFonts(const QString& path) {
    const QByteArray pdf = Contents(path);
    EXPECT_TRUE(pdf.startsWith("%PDF-")) << path.toStdString();
    EXPECT_TRUE(pdf.contains("/FontFile2")) << path.toStdString();
}

} // namespace

class SheetCommandsTest : public WindowTest {
protected:
    void SetUp() override {
        StartWindows();
        // Shortcuts and Alt letters reach the active window.
        Main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Main));
        Main->Sheets().PrinterInstalled = [] { return true; };
        Main->Sheets().RunPrintDialog = [this](QPrintDialog& dialog) {
            ++PrintDialogs;
            if (PrintTo.isEmpty())
                return false;
            dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
            dialog.printer()->setOutputFileName(PrintTo);
            return true;
        };
    }

    // File, Export as PDF... as chosen with the keyboard: Alt+F, then the item's letter.
    void ExportWithKeys() {
        QTest::keyClick(Main, Qt::Key_F, Qt::AltModifier);
        QMenu* file = Main->findChild<QMenu*>(QStringLiteral("MenuFile"));
        ASSERT_TRUE(file->isVisible());
        QTest::keyClick(file, Qt::Key_E);
        EXPECT_FALSE(file->isVisible());
    }

    // What the status bar's first panel shows now, a confirmation included.
    QString Panel0() const { return Main->findChild<QLabel*>("StatusPanel0")->text(); }

    QString PrintTo;
    int PrintDialogs = 0;
};

// A field the page refuses stops both commands before any dialog: the user is told at the
// field, and nothing is printed or written.
TEST_F(SheetCommandsTest, ARefusedFieldStopsPrintAndExportAtTheField) {
    Type("Q47PrePurge", "ten");
    PrintTo = Temp.filePath("printed.pdf");
    QTest::keyClick(Main, Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(App.Boxes.size(), 1u);
    EXPECT_EQ(App.Boxes[0].Text,
              "Invalid format of parameter\n\nAllowed for Before Sampling: 1..240 s.");
    EXPECT_EQ(PrintDialogs, 0);
    EXPECT_EQ(QApplication::focusWidget(), Field("Q47PrePurge"));

    Type("Q47PrePurge", "241");
    ChosenFiles.push_back(Temp.filePath("sheet.pdf"));
    ExportWithKeys();
    ASSERT_EQ(App.Boxes.size(), 2u);
    EXPECT_EQ(App.Boxes[1].Text,
              "Parameter out of range\n\nAllowed for Before Sampling: 1..240 s.");
    EXPECT_TRUE(DialogRuns.empty());
    EXPECT_FALSE(QFile::exists(Temp.filePath("sheet.pdf")));
    EXPECT_FALSE(QFile::exists(PrintTo));
}

// Export proposes the file's name with .pdf beside it, asks before it replaces a file (Cancel
// keeps the old one) and writes a PDF with its fonts; the status bar confirms it.
TEST_F(SheetCommandsTest, ExportProposesTheFilesNameAndAsksBeforeReplacing) {
    const QString configuration = MakeConfiguration("river.brk", 30);
    OpenConfiguration(configuration);
    const QString pdf = Temp.filePath("river.pdf");
    ChosenFiles.push_back(pdf);
    DialogRuns.clear();
    ExportWithKeys();
    ASSERT_EQ(DialogRuns.size(), 1u);
    EXPECT_EQ(DialogRuns[0].Title, "Export as PDF");
    EXPECT_EQ(QDir::cleanPath(DialogRuns[0].ProposedFile), QDir::cleanPath(pdf));
    EXPECT_EQ(DialogRuns[0].DefaultSuffix, "pdf");
    EXPECT_FALSE(DialogRuns[0].ConfirmsOverwrite);
    EXPECT_TRUE(App.Boxes.empty());
    ExpectPdfWithFonts(pdf);
    EXPECT_EQ(Panel0(), "Sheet saved as PDF: " + QDir::toNativeSeparators(pdf));

    QFile::resize(pdf, 10);
    ChosenFiles.push_back(pdf);
    App.Answer(IDCANCEL);
    ExportWithKeys();
    ASSERT_EQ(App.Boxes.size(), 1u);
    EXPECT_EQ(App.Boxes[0].Text, "File already exists. Do You want to overwrite it ?");
    EXPECT_EQ(QFile(pdf).size(), 10);

    ChosenFiles.push_back(pdf);
    App.Answer(IDOK);
    ExportWithKeys();
    ExpectPdfWithFonts(pdf);
    // The Windows tests read the sheet back on the host (tests/sheet/WindowsSheetTest.sh).
    if (const QString keep = qEnvironmentVariable("BROOKFETCH_SHEET_KEEP"); !keep.isEmpty()) {
        QFile::copy(pdf, QDir(keep).filePath("window.pdf"));
        QFile::copy(configuration, QDir(keep).filePath("window.brk"));
    }
    // Exporting is no save: the data keep their file and stay as they were.
    EXPECT_EQ(Workplace->FileName, configuration);
    EXPECT_FALSE(Workplace->Modified);
}

// Ctrl+P opens the print dialog; cancelled, nothing is printed; accepted, the sheet goes to
// the printer it chose (here the PDF output every Qt printer has).
TEST_F(SheetCommandsTest, CtrlPPrintsThroughThePrintDialog) {
    QTest::keyClick(Main, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(PrintDialogs, 1);
    EXPECT_TRUE(App.Boxes.empty());

    PrintTo = Temp.filePath("printed.pdf");
    QTest::keyClick(Main, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(PrintDialogs, 2);
    EXPECT_TRUE(App.Boxes.empty());
    ExpectPdfWithFonts(PrintTo);
    EXPECT_EQ(Panel0(), "Sheet sent to the printer");
}

// The header names the connector only while the data are the image read from it.
TEST_F(SheetCommandsTest, TheConnectorIsNamedWhileTheDataAreWhatWasRead) {
    TQ47 read;
    read.Encode();
    Workplace->Model->LoadImage({TLoadResult::Loaded, std::string(read.ImageBytes()), false, {}});
    Workplace->Origin = TWorkplace::TConnectorOrigin{false, "USB FETCHer Adapter", 0x0103, true,
                                                     QByteArray(read.ImageBytes().data(), 128)};
    Main->ModelToPage();
    ASSERT_TRUE(Main->PageToModel());
    ASSERT_TRUE(Main->Sheets().Sheet().Connector.has_value());
    EXPECT_EQ(Main->Sheets().Sheet().Connector->Version, "1.03");
    Type("Q47PrePurge", "11");
    ASSERT_TRUE(Main->PageToModel());
    EXPECT_FALSE(Main->Sheets().Sheet().Connector.has_value());
}

// A connector read with a VAR code the page shows as "Disabled" is documented as it is, with its
// adapter, until a field is changed: the page's own copy would store code 0 and another
// checksum.
TEST_F(SheetCommandsTest, AReadImageIsDocumentedAsItIsUntilAFieldChanges) {
    TQ47 read;
    read.Encode();
    read.Image[15] = 2;
    read.Image[126] = read.Image[127] = 0;
    const std::uint16_t checksum = read.Checksum();
    read.Image[126] = checksum & 0xFF;
    read.Image[127] = checksum >> 8;
    Workplace->Model->LoadImage({TLoadResult::Loaded, std::string(read.ImageBytes()), false, {}});
    Workplace->Origin = TWorkplace::TConnectorOrigin{false, "USB FETCHer Adapter", 0x0103, true,
                                                     QByteArray(read.ImageBytes().data(), 128)};
    Main->ModelToPage();
    const QString pdf = Temp.filePath("read.pdf");
    ChosenFiles.push_back(pdf);
    ExportWithKeys();
    EXPECT_TRUE(App.Boxes.empty());
    const TParameterSheet sheet = Main->Sheets().Sheet();
    EXPECT_EQ(sheet.Parameters().VarMode, 2);
    EXPECT_EQ(sheet.ChecksumText(),
              "0x" + QString::number(checksum, 16).toUpper().rightJustified(4, '0'));
    EXPECT_TRUE(sheet.Connector.has_value());
    EXPECT_FALSE(Workplace->Modified);
}

// A failed export names the file and the system's reason; Print without any printer says so.
TEST_F(SheetCommandsTest, AFailedExportAndAMissingPrinterAreTold) {
    const QString pdf = Temp.filePath("gone/sheet.pdf");
    ChosenFiles.push_back(pdf);
    ExportWithKeys();
    ASSERT_EQ(App.Boxes.size(), 1u);
    EXPECT_EQ(App.Boxes[0].Text, "File access error\n\nThe file " + QDir::toNativeSeparators(pdf) +
                                     " was not saved. Its folder does not exist.");
    EXPECT_EQ(Panel0(), "Error");

    Main->Sheets().PrinterInstalled = [] { return false; };
    PrintTo = Temp.filePath("printed.pdf");
    QTest::keyClick(Main, Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(App.Boxes.size(), 2u);
    EXPECT_TRUE(App.Boxes[1].Text.startsWith("No printer is installed on this computer."));
    EXPECT_EQ(PrintDialogs, 0);
    EXPECT_FALSE(QFile::exists(PrintTo));
}
