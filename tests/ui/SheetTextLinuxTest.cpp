// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter sheet as a reader sees it: the text of the window's PDF and of brookfetch-cli's
// (pdftotext) in English, German and Russian holds every caption, value, unit and the checksum,
// and the two say the same. And a real print: through a CUPS queue of the cups-pdf printer when
// the test's CUPS server is there (tests/ui/CupsPrintTest.sh), else Qt's own PDF output.
// Needs poppler-utils (pdftotext, pdftoppm).
#include "tests/ui/WindowFixture.h"

#include "app/Workplace.h"
#include "model/Q47.h"
#include "ui/Main.h"
#include "ui/ProgramTranslation.h"
#include "ui/SheetCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <cstdlib>

namespace {

// The text of a PDF in the order it was drawn, blanks folded, the time of printing masked.
QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {"-raw", "-enc", "UTF-8", path, "-"});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return QString();
    QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    text.replace(QChar(0x00A0), QLatin1Char(' '));
    text.replace(
        QRegularExpression(QStringLiteral("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d \\S+")),
        QStringLiteral("<time>"));
    return text.simplified();
}

// The page of a one-page PDF as a grey image at 50 dpi.
QImage PageImage(const QString& path) {
    QTemporaryDir dir;
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {"-r", "50", "-gray", "-png", "-singlefile", path, dir.filePath("page")});
    if (!pdftoppm.waitForFinished(30000) || pdftoppm.exitCode() != 0)
        return QImage();
    return QImage(dir.filePath("page.png")).convertToFormat(QImage::Format_Grayscale8);
}

// The share of the squares of 8 x 8 pixels of two pages of one size whose mean grey differs
// clearly: a letter drawn a little otherwise changes its square little; a text moved, missing or
// different, or a page blank or set otherwise, changes many.
double DifferingShare(const QImage& a, const QImage& b) {
    constexpr int Side = 8;
    int squares = 0;
    int differing = 0;
    for (int top = 0; top + Side <= a.height(); top += Side)
        for (int left = 0; left + Side <= a.width(); left += Side) {
            int sum = 0;
            for (int y = top; y < top + Side; ++y)
                for (int x = left; x < left + Side; ++x)
                    sum += qGray(a.pixel(x, y)) - qGray(b.pixel(x, y));
            ++squares;
            differing += std::abs(sum) / (Side * Side) > 24;
        }
    return double(differing) / squares;
}

QString Sheet(const char* source, const char* disambiguation = nullptr) {
    return QCoreApplication::translate("TParameterSheet", source, disambiguation).simplified();
}

struct Language {
    const char* Code;
    const char* Volts; // 11.0 V as that language writes it
};

} // namespace

class SheetTextTest : public WindowTest, public ::testing::WithParamInterface<Language> {};

TEST_P(SheetTextTest, WindowAndCommandLineSheetsHoldEveryTextAlike) {
    const Language language = GetParam();
    TProgramTranslation translation;
    ASSERT_TRUE(translation.InstallFile(QStringLiteral(BROOKFETCH_TRANSLATIONS_DIR "/brookfetch.") +
                                        QLatin1String(language.Code)));
    StartWindows();
    const QString configuration = MakeConfiguration("river.brk", 30);
    OpenConfiguration(configuration);
    const QString windowPdf = Temp.filePath("window.pdf");
    ChosenFiles.push_back(windowPdf);
    Action("FileExportPdf")->trigger();
    ASSERT_TRUE(QFile::exists(windowPdf));

    const QString cliPdf = Temp.filePath("cli.pdf");
    QProcess cli;
    cli.start(QStringLiteral(BROOKFETCH_CLI_PROGRAM),
              {"sheet", "--language", language.Code, configuration, cliPdf});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();

    const QString text = PdfText(windowPdf);
    ASSERT_FALSE(text.isEmpty()) << "pdftotext (poppler-utils) is needed";
    EXPECT_EQ(text, PdfText(cliPdf));

    TQ47 model;
    model.SetPrePurge(30);
    model.Encode();
    const QString checksum = QStringLiteral("0x") +
                             QString::number(model.Checksum(), 16).toUpper().rightJustified(4, '0');
    const QString expected[] = {Sheet("Parameter sheet"),
                                Sheet("File:"),
                                QDir::toNativeSeparators(configuration),
                                Sheet("Checksum:"),
                                checksum,
                                Sheet("Mode :", "sampling"),
                                Sheet("Acc. to Samples Count"),
                                Sheet("Samples Count :"),
                                "8",
                                Sheet("Purging time"),
                                Sheet("Before Sampling :"),
                                "30",
                                Sheet("[s]"),
                                Sheet("After Sampling :"),
                                Sheet("VAR System :"),
                                Sheet("Mode :", "VAR input"),
                                Sheet("Disabled"),
                                Sheet("Time Delay :"),
                                "00:00:00",
                                Sheet("[hh:mm:ss]"),
                                Sheet("Purges Count :"),
                                Sheet("Sampling Interval :"),
                                "00:15:00",
                                Sheet("Aeration :"),
                                Sheet("Max Suction Time :"),
                                "60",
                                Sheet("Pump Pulses :"),
                                "1500",
                                Sheet("Voltage control"),
                                Sheet("Warning at :"),
                                QString::fromUtf8(language.Volts),
                                Sheet("[V]"),
                                Sheet("Switch off at :"),
                                Sheet("Schedule:"),
                                Sheet("Programmed by"),
                                Sheet("Checked by"),
                                Sheet("Date"),
                                Sheet("Signature")};
    for (const QString& piece : expected)
        EXPECT_TRUE(text.contains(piece)) << language.Code << ": " << piece.toStdString();
    EXPECT_NE(Sheet("Time Delay :") == "Time Delay :", QLatin1String(language.Code) != "enu");
}

INSTANTIATE_TEST_SUITE_P(English, SheetTextTest, ::testing::Values(Language{"enu", "11.0"}));
INSTANTIATE_TEST_SUITE_P(German, SheetTextTest, ::testing::Values(Language{"deu", "11,0"}));
INSTANTIATE_TEST_SUITE_P(Russian, SheetTextTest, ::testing::Values(Language{"rus", "11,0"}));

// Printing goes through Qt's print support to a real queue: the CUPS server and cups-pdf queue
// that CupsPrintTest.sh starts name themselves in BROOKFETCH_TEST_PRINTER (the queue) and
// BROOKFETCH_TEST_PRINTED (the folder cups-pdf writes into). Without them the sheet goes to Qt's
// PDF output. Either way the printed PDF says what the exported one says.
TEST_F(WindowTest, APrintedSheetSaysWhatTheExportedOneSays) {
    const QString queue = qEnvironmentVariable("BROOKFETCH_TEST_PRINTER");
    const QString printed = qEnvironmentVariable("BROOKFETCH_TEST_PRINTED");
    StartWindows();
    OpenConfiguration(MakeConfiguration("river.brk", 25));
    const QString exported = Temp.filePath("exported.pdf");
    ChosenFiles.push_back(exported);
    Action("FileExportPdf")->trigger();

    QString output = Temp.filePath("printed.pdf");
    Main->Sheets().PrinterInstalled = [] { return true; };
    Main->Sheets().RunPrintDialog = [&](QPrintDialog& dialog) {
        if (queue.isEmpty()) {
            dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
            dialog.printer()->setOutputFileName(output);
        } else {
            dialog.printer()->setOutputFormat(QPrinter::NativeFormat);
            dialog.printer()->setPrinterName(queue);
        }
        return true;
    };
    ASSERT_TRUE(Main->FilePrintExecute());
    ASSERT_TRUE(App.Boxes.empty());
    if (!queue.isEmpty()) {
        // cups-pdf writes the job's PDF when the queue has run it.
        QElapsedTimer waited;
        waited.start();
        QStringList files;
        while ((files = QDir(printed).entryList({"*.pdf"}, QDir::Files)).isEmpty() &&
               waited.elapsed() < 60000)
            QThread::msleep(200);
        ASSERT_FALSE(files.isEmpty()) << "nothing came out of the queue " << queue.toStdString();
        output = QDir(printed).filePath(files.first());
        QThread::msleep(500); // the backend closes the file after it appears
    }
    if (queue.isEmpty()) {
        const QString text = PdfText(output);
        ASSERT_FALSE(text.isEmpty());
        // The same sheet, but for the time it was made: printed, or made as a PDF.
        EXPECT_EQ(text, PdfText(exported).replace("Made: ", "Printed: "));
        return;
    }
    // The queue's way to cups-pdf passes through PostScript (poppler's or Ghostscript's
    // pdftops, then Ghostscript again), which turns the embedded fonts into Type 3 fonts without
    // their letters' meaning: the printed PDF looks right but its text no longer reads. So the
    // printed page is compared as it looks: the same page, its letters drawn a little otherwise.
    const QImage printedPage = PageImage(output);
    const QImage exportedPage = PageImage(exported);
    ASSERT_FALSE(printedPage.isNull());
    ASSERT_EQ(printedPage.size(), exportedPage.size());
    QImage blank(exportedPage.size(), QImage::Format_Grayscale8);
    blank.fill(255);
    EXPECT_GT(DifferingShare(printedPage, blank), 0.05) << "the printed page is blank";
    EXPECT_LT(DifferingShare(printedPage, exportedPage), 0.01);
}
