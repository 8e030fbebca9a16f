// SPDX-License-Identifier: GPL-3.0-or-later
// Data › History…: the entries filtered as typed, exported for a spreadsheet, an entry's sheet
// exported, and its parameters taken onto the page, all by keys and clicks; and the guide that
// F1 and the Help menu open.
#include "tests/ui/WindowFixture.h"

#include "app/History.h"
#include "app/Workplace.h"
#include "model/Q47.h"
#include "ui/FileDialogs.h"
#include "ui/Help.h"
#include "ui/HistoryForm.h"
#include "ui/HistoryTable.h"
#include "ui/Main.h"
#include "ui/Properties.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

QByteArray ImageWithSamples(int samples) {
    TQ47 model;
    model.SetSamplesCount(samples);
    model.Encode();
    return QByteArray(model.ImageBytes().data(), TQ47::ImageSize);
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class HistoryFormTest : public WindowTest {
protected:
    void SetUp() override {
        StartWindows();
        Main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Main));
        // A history of this test's own: on Linux the folder is the test's, on Windows the data
        // folder of the test's Wine prefix, where other tests' transfers are kept too.
        QFile::remove(HistoryPath());
        const auto record = [](const QString& operation, bool ok, const QByteArray& image,
                               const QString& serial, const QString& file) {
            THistoryEntry entry;
            entry.Operation = operation;
            entry.Ok = ok;
            entry.Image = image;
            entry.AdapterName = QStringLiteral("USB FETCHer Adapter");
            entry.AdapterVersion = QStringLiteral("1.05");
            entry.AdapterSerial = serial;
            entry.Connector = QStringLiteral("small");
            entry.File = file;
            if (!ok)
                entry.Message = QStringLiteral("The connector does not answer.");
            ASSERT_TRUE(RecordHistory(HistoryPath(), entry).isEmpty());
        };
        record("read", true, ImageWithSamples(8), "RIVER1", "/sites/river.brk");
        record("write", true, ImageWithSamples(12), "LAKE22", "/sites/lake.brk");
        record("read", false, QByteArray(), "LAKE22", QString());
    }

    // Ctrl+H, then `work` inside the window's own loop; the window is closed afterwards unless
    // `work` closed it.
    void WithHistory(const std::function<void(THistoryForm&)>& work) {
        Main->HistoryFormShown = [&work](THistoryForm& form) {
            QTimer::singleShot(0, &form, [&work, &form] {
                work(form);
                if (form.isVisible())
                    QTest::keyClick(&form, Qt::Key_Escape);
            });
        };
        QTest::keyClick(Main, Qt::Key_H, Qt::ControlModifier);
    }

    static void Click(THistoryForm& form, const char* button) {
        QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);
    }
};

TEST_F(HistoryFormTest, FiltersAsTypedAndExportsTheShownEntriesAndAnEntrysSheet) {
    const QString csv = Temp.filePath("shown.csv");
    const QString pdf = Temp.filePath("lake.pdf");
    bool shown = false;
    WithHistory([&](THistoryForm& form) {
        shown = true;
        EXPECT_EQ(form.Table().rowCount(), 3);
        EXPECT_EQ(form.Table().Entry(0).Operation, "read"); // the newest first
        auto* search = form.findChild<QLineEdit*>("HistorySearch");
        QTest::keyClicks(search, "lake22");
        QTest::keyClick(search, Qt::Key_Return);
        EXPECT_EQ(form.Table().rowCount(), 2);
        // Only what failed: the Result list, opened with the keyboard.
        auto* outcome = form.findChild<QComboBox*>("HistoryOutcome");
        outcome->setFocus();
        QTest::keyClick(outcome, Qt::Key_End);
        EXPECT_EQ(form.Table().rowCount(), 1);
        EXPECT_EQ(form.StatusLine(), "1 of 3 entries shown");
        // A failed read holds no parameters to open or print.
        EXPECT_FALSE(form.findChild<QPushButton*>("HistoryOpen")->isEnabled());
        EXPECT_FALSE(form.findChild<QPushButton*>("HistoryPrint")->isEnabled());
        QTest::keyClick(outcome, Qt::Key_Home);
        EXPECT_EQ(form.Table().rowCount(), 2);

        // The history's own file is never replaced by an export.
        std::deque<QString> answers{HistoryPath(), csv, pdf};
        form.Dialogs().RunFileDialog = [&answers](QFileDialog&) {
            const QString answer = answers.front();
            answers.pop_front();
            return answer;
        };
        Click(form, "HistoryExport");
        EXPECT_TRUE(App.Boxes.back().Text.startsWith("This is the programming history"));
        Click(form, "HistoryExport");
        // The write of lake.brk is the second shown; its sheet goes into the PDF.
        auto* table = form.findChild<QTableView*>("HistoryTable");
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Down);
        Click(form, "HistoryExportPdf");
    });
    ASSERT_TRUE(shown);

    EXPECT_EQ(LoadHistory(HistoryPath()).Entries.size(), 3);
    const QList<QByteArray> lines = Contents(csv).split('\n');
    ASSERT_EQ(lines.size(), 4); // head, two entries, the empty rest after the last line end
    EXPECT_TRUE(lines[0].startsWith("\xEF\xBB\xBF\"time\""));
    EXPECT_TRUE(lines[1].contains("\"failed\"") && lines[1].contains("LAKE22"));
    EXPECT_TRUE(lines[2].contains("\"write\"") && lines[2].contains("lake.brk"));
#ifdef Q_OS_LINUX
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {"-raw", pdf, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    TQ47 written;
    written.SetSamplesCount(12);
    written.Encode();
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_TRUE(
        text.contains(QStringLiteral("0x%1").arg(written.Checksum(), 4, 16, QLatin1Char('0')),
                      Qt::CaseInsensitive))
        << text.toStdString();
    EXPECT_TRUE(text.contains("lake.brk"));
#else
    EXPECT_TRUE(Contents(pdf).startsWith("%PDF-"));
#endif
}

// Enter on an entry takes its parameters onto the page as a new set that is not saved yet.
TEST_F(HistoryFormTest, AnEntrysParametersComeOntoThePageAsANewUnsavedSet) {
    WithHistory([](THistoryForm& form) {
        auto* search = form.findChild<QLineEdit*>("HistorySearch");
        QTest::keyClicks(search, "lake.brk");
        QTest::keyClick(search, Qt::Key_Return);
        auto* table = form.findChild<QTableView*>("HistoryTable");
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Return);
    });
    EXPECT_EQ(Field("Q47SamplesCount")->text(), "12");
    EXPECT_TRUE(Workplace->Modified);
    EXPECT_TRUE(Workplace->FileName.isEmpty());
}

// F1 opens the guide where the keyboard is, in the windows' language when the guide has it;
// the Help menu at its start; a guide that cannot be opened is told.
TEST_F(HistoryFormTest, F1OpensTheGuidesSectionOfTheFocusedControlOrDialog) {
    const QString guide = Temp.filePath("guide");
    for (const char* page : {"en/index.html", "en/go/samples-count.html", "en/go/properties.html",
                             "en/go/start.html"}) {
        QDir().mkpath(QFileInfo(guide + '/' + page).absolutePath());
        QFile file(guide + '/' + page);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    qputenv("BROOKFETCH_GUIDE", guide.toLocal8Bit());
    QStringList opened;
    Main->Guide().OpenUrl = [&opened](const QUrl& url) {
        opened << url.toLocalFile();
        return true;
    };
    QLineEdit* samples = Field("Q47SamplesCount");
    samples->setFocus();
    QTest::keyClick(samples, Qt::Key_F1);
    // In the dialog, which has the keyboard as it would have on a desktop.
    QTimer::singleShot(0, Properties, [this] {
        Properties->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(Properties));
        QTest::keyClick(Properties, Qt::Key_F1);
    });
    AnswerPropertiesDialog(-2, false);
    Main->FilePropertiesExecute();
    QTest::keyClick(Main, Qt::Key_H, Qt::AltModifier);
    QTest::keyClick(Main->findChild<QMenu*>("MenuHelp"), Qt::Key_H);
    EXPECT_EQ(opened, (QStringList{guide + "/en/go/samples-count.html",
                                   guide + "/en/go/properties.html", guide + "/en/go/start.html"}));

    // A system that opens no browser for it.
    Main->Guide().OpenUrl = [](const QUrl&) { return false; };
    // The offscreen test platform leaves the closed dialog the active window.
    QApplication::setActiveWindow(Main);
    samples->setFocus();
    QTest::keyClick(samples, Qt::Key_F1);
    qunsetenv("BROOKFETCH_GUIDE");
    ASSERT_FALSE(App.Boxes.empty());
    EXPECT_TRUE(App.Boxes.back().Text.startsWith("The user guide could not be opened."));
}

// Properties: the history's place typed or chosen with Browse; a name without folders is taken
// in the home folder, never where the program happened to start.
TEST_F(HistoryFormTest, PropertiesTakeTheHistorysPlaceTypedOrBrowsed) {
    const QString team = Temp.filePath("team");
    Properties->ChooseFolder = [&team](const QString&) { return team; };
    QTimer::singleShot(0, Properties, [this] {
        auto* place = Properties->findChild<QLineEdit*>("PropertiesHistory");
        QTest::mouseClick(Properties->findChild<QPushButton*>("PropertiesHistoryBrowse"),
                          Qt::LeftButton);
        EXPECT_EQ(place->text(), QDir::toNativeSeparators(Temp.filePath("team")));
        Properties->accept();
    });
    Main->FilePropertiesExecute();
    EXPECT_EQ(Workplace->HistoryFile, team);

    QTimer::singleShot(0, Properties, [this] {
        auto* place = Properties->findChild<QLineEdit*>("PropertiesHistory");
        place->setFocus();
        QTest::keyClick(place, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(place, "lab.jsonl");
        QTest::keyClick(place, Qt::Key_Return); // the default button, OK
    });
    Main->FilePropertiesExecute();
    EXPECT_EQ(Workplace->HistoryFile, QDir::home().filePath("lab.jsonl"));
    EXPECT_TRUE(Properties->isHidden());
}
