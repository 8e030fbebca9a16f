// SPDX-License-Identifier: GPL-3.0-or-later
// The file commands, the save question in front of them and the status they leave behind.
#include "tests/ui/WindowFixture.h"

#include "app/Workplace.h"
#include "model/Q47.h"
#include "platform/framework/NativePath.h"
#include "ui/FileCommands.h"
#include "ui/Main.h"
#include "ui/Properties.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QStackedWidget>
#include <QTimer>
#include <QUrl>
#include <functional>

namespace {

int PrePurgeInFile(const QString& path) {
    TQ47 model;
    EXPECT_TRUE(model.LoadFromFile(NativePath(path))) << path.toStdString();
    return model.PrePurge;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

// Every command that would drop the data asks first. Yes saves and goes on, No discards and
// goes on, Cancel (or closing the box) stops the command with the data as they were.
struct SaveQuestionCase {
    const char* Command;
    int Answer;
    bool GoesOn;
    bool Saved;
};

class SaveQuestionTest : public WindowTest,
                         public ::testing::WithParamInterface<SaveQuestionCase> {};

TEST_P(SaveQuestionTest, AnswerDecidesWhetherTheCommandGoesOnAndWhetherDataAreSaved) {
    const SaveQuestionCase c = GetParam();
    StartWindows();
    const QString path = MakeConfiguration("named.brk", 30);
    OpenConfiguration(path);
    ASSERT_EQ(Workplace->FileName, path);
    Type("Q47PrePurge", "20");
    ASSERT_TRUE(Workplace->Modified);
    const size_t dialogsBefore = DialogRuns.size();

    App.Answer(c.Answer);
    bool wentOn = false;
    const std::string command = c.Command;
    if (command == "New") {
        Action("FileNew")->trigger();
        wentOn = Field("Q47PrePurge")->text() == "10";
    } else if (command == "Open") {
        Action("FileOpen")->trigger(); // the dialog is cancelled
        wentOn = DialogRuns.size() == dialogsBefore + 1;
    } else if (command == "Properties") {
        AnswerPropertiesDialog(-2, false);
        Action("FileProperties")->trigger();
        wentOn = PropertiesShown == 1;
        // Properties discards nothing: the edit is still on the page and still unsaved.
        EXPECT_EQ(Workplace->Modified, !c.Saved);
        EXPECT_EQ(Field("Q47PrePurge")->text(), "20");
    } else {
        wentOn = Main->close();
    }

    ASSERT_GE(App.Boxes.size(), 1u);
    EXPECT_EQ(App.Boxes[0].Text, "File modified, do You want to save it ?");
    EXPECT_EQ(App.Boxes[0].Caption, "Confirmation");
    EXPECT_EQ(App.Boxes[0].Flags, MB_YESNOCANCEL);
    EXPECT_EQ(wentOn, c.GoesOn);
    EXPECT_EQ(PrePurgeInFile(path), c.Saved ? 20 : 30);
    if (!c.GoesOn) {
        EXPECT_TRUE(Workplace->Modified);
        EXPECT_EQ(Field("Q47PrePurge")->text(), "20");
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, SaveQuestionTest,
                         ::testing::Values(SaveQuestionCase{"New", IDYES, true, true},
                                           SaveQuestionCase{"New", IDNO, true, false},
                                           SaveQuestionCase{"New", IDCANCEL, false, false},
                                           SaveQuestionCase{"Open", IDYES, true, true},
                                           SaveQuestionCase{"Open", IDNO, true, false},
                                           SaveQuestionCase{"Open", IDCANCEL, false, false},
                                           SaveQuestionCase{"Properties", IDYES, true, true},
                                           SaveQuestionCase{"Properties", IDNO, true, false},
                                           SaveQuestionCase{"Properties", IDCANCEL, false, false},
                                           SaveQuestionCase{"Close", IDYES, true, true},
                                           SaveQuestionCase{"Close", IDNO, true, false},
                                           SaveQuestionCase{"Close", IDCANCEL, false, false}),
                         [](const auto& info) {
                             const char* answer = info.param.Answer == IDYES  ? "Yes"
                                                  : info.param.Answer == IDNO ? "No"
                                                                              : "Cancel";
                             return std::string(info.param.Command) + answer;
                         });

// Yes saves before the command goes on. When nothing was saved (a refused field, Save As
// cancelled, the file not written) the command stops and the edit stays on the page, unsaved.
TEST_F(WindowTest, YesThatDidNotSaveStopsTheCommand) {
    StartWindows();
    const QString other = MakeConfiguration("other.brk", 50);
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"New", [this] { Main->FileNewExecute(); }},
        {"Open",
         [this, other] {
             ChosenFiles.push_back(other);
             Main->FileOpenExecute();
         }},
        {"a named file", [this, other] { Main->OpenNamedFile(other); }},
        {"Read", [this] { Main->DataReadExecute(); }},
        {"Properties",
         [this] {
             AnswerPropertiesDialog(-2, true);
             Main->FilePropertiesExecute();
         }},
        {"Exit", [this] { Main->FileExitExecute(); }},
    };
    enum Way { Refused, Cancelled, NotWritten };
    for (const auto& [command, run] : commands) {
        for (const Way way : {Refused, Cancelled, NotWritten}) {
            const std::string where = command + std::string(" ") + std::to_string(way);
            const QString edit = way == Refused ? "ten" : "20";
            Type("Q47PrePurge", edit);
            App.Boxes.clear();
            DialogRuns.clear();
            App.Answer(IDYES);
            if (way == Cancelled)
                ChosenFiles.push_back(QString());
            if (way == NotWritten)
                ChosenFiles.push_back(Temp.filePath("no/such/folder/x.brk"));
            run();
            ChosenFiles.clear();
            // The question, then what the save said: nothing more.
            EXPECT_EQ(App.Boxes.size(), way == Cancelled ? 1u : 2u) << where;
            EXPECT_EQ(DialogRuns.size(), way == Refused ? 0u : 1u) << where;
            EXPECT_TRUE(Main->isVisible()) << where;
            EXPECT_EQ(PropertiesShown, 0) << where;
            EXPECT_EQ(Field("Q47PrePurge")->text(), edit) << where;
            EXPECT_TRUE(Workplace->Modified) << where;
            EXPECT_TRUE(Workplace->FileName.isEmpty()) << where;
        }
    }
}

TEST_F(WindowTest, SaveOnUnnamedDataRunsSaveAsProposingNoname) {
    StartWindows();
    Type("Q47PrePurge", "25");
    const QString path = Temp.filePath("first.brk");
    ChosenFiles.push_back(path);
    Action("FileSave")->trigger();
    ASSERT_EQ(DialogRuns.size(), 1u);
    const FileDialogRun& run = DialogRuns[0];
    EXPECT_EQ(run.Title, "Save file");
    EXPECT_TRUE(QFileInfo(run.ProposedFile).fileName().startsWith("noname"))
        << run.ProposedFile.toStdString();
    EXPECT_EQ(run.Filters, QStringList{"Brookfetch Configuration (*.brk)"});
    EXPECT_EQ(run.DefaultSuffix, "brk");
    EXPECT_FALSE(run.ConfirmsOverwrite);
    EXPECT_TRUE(App.Boxes.empty());
    EXPECT_EQ(PrePurgeInFile(path), 25);
    EXPECT_EQ(Workplace->FileName, path);
    EXPECT_FALSE(Workplace->Modified);
    EXPECT_EQ(Main->StatusText(1), QDir::toNativeSeparators(path));
    EXPECT_EQ(Main->StatusText(0), "OK");

    // Named now: Save writes the same file without a dialog.
    Type("Q47PrePurge", "26");
    Action("FileSave")->trigger();
    EXPECT_EQ(DialogRuns.size(), 1u);
    EXPECT_EQ(PrePurgeInFile(path), 26);
}

// Open and Save As start in the folder of the current file, however it was opened, else in the
// folder last chosen in either, also in the next run.
TEST_F(WindowTest, FileDialogsStartInTheCurrentFilesFolderElseTheLastOneChosen) {
    StartWindows();
    QDir(Temp.path()).mkpath("sets");
    QDir(Temp.path()).mkpath("other");
    const QString chosen = MakeConfiguration("sets/a.brk", 40);
    const QString named = MakeConfiguration("other/b.brk", 41);
    Main->OpenNamedFile(named);
    Action("FileOpen")->trigger(); // cancelled
    Action("FileSaveAs")->trigger();
    ASSERT_EQ(DialogRuns.size(), 2u);
    EXPECT_EQ(DialogRuns[0].Folder, Temp.filePath("other"));
    EXPECT_EQ(DialogRuns[1].Folder, Temp.filePath("other"));
    EXPECT_EQ(QFileInfo(DialogRuns[1].ProposedFile).fileName(), "b.brk");
    EXPECT_EQ(Workplace->FileName, named);

    OpenConfiguration(chosen);
    Action("FileNew")->trigger();
    Action("FileOpen")->trigger();
    ASSERT_EQ(DialogRuns.size(), 4u);
    EXPECT_EQ(DialogRuns[3].Folder, Temp.filePath("sets"));

    EXPECT_TRUE(Main->close());
    DestroyWindows();
    StartWindows();
    Action("FileSaveAs")->trigger();
    ASSERT_EQ(DialogRuns.size(), 5u);
    EXPECT_EQ(DialogRuns[4].Folder, Temp.filePath("sets"));
    EXPECT_TRUE(QFileInfo(DialogRuns[4].ProposedFile).fileName().startsWith("noname"));
}

// Save and Save As tell of their success in panel 0 for a while, and the keyboard focus stays
// where it was, as after Read and Write.
TEST_F(WindowTest, SaveAndSaveAsAreConfirmedAndKeepTheFocus) {
    StartWindows();
    auto* panel = Main->findChild<QLabel*>("StatusPanel0");
    auto* timer = Main->findChild<QTimer*>("ConfirmationTimer");
    Main->findChild<QStackedWidget*>("PageControl")
        ->setCurrentWidget(Main->findChild<QWidget*>("Q47Tab"));
    QLineEdit* field = Field("Q47Aeration");
    field->setFocus();
    ChosenFiles.push_back(Temp.filePath("saved.brk"));
    Action("FileSaveAs")->trigger();
    EXPECT_EQ(panel->text(), "File saved");
    EXPECT_EQ(Main->StatusText(0), "OK");
    EXPECT_EQ(Main->focusWidget(), field);
    EXPECT_EQ(timer->interval(), TMainForm::ConfirmationTime);
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_EQ(panel->text(), "OK");

    Type("Q47Aeration", "9");
    Action("FileSave")->trigger();
    EXPECT_EQ(panel->text(), "File saved");
    EXPECT_EQ(Main->focusWidget(), field);
    // A newer result takes the panel at once; a refused field keeps the focus.
    Type("Q47PrePurge", "999");
    Action("FileSave")->trigger();
    EXPECT_EQ(panel->text(), "Error");
    EXPECT_EQ(Main->focusWidget(), Field("Q47PrePurge"));
}

TEST_F(WindowTest, SaveAsOntoAnExistingFileAsksAndCancelKeepsFileAndName) {
    StartWindows();
    const QString existing = Temp.filePath("existing.brk");
    {
        QFile file(existing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old contents");
    }
    Type("Q47PrePurge", "21");
    ChosenFiles.push_back(existing);
    App.Answer(IDCANCEL);
    Main->FileSaveAsExecute();
    ASSERT_EQ(App.Boxes.size(), 1u);
    EXPECT_EQ(App.Boxes[0].Text, "File already exists. Do You want to overwrite it ?");
    EXPECT_EQ(App.Boxes[0].Caption, "Confirmation");
    EXPECT_EQ(App.Boxes[0].Flags, MB_OKCANCEL);
    EXPECT_EQ(Contents(existing), "old contents");
    EXPECT_TRUE(Workplace->FileName.isEmpty());
    EXPECT_EQ(Main->StatusText(1), "<noname>");
    EXPECT_TRUE(Workplace->Modified);

    ChosenFiles.push_back(existing);
    App.Answer(IDOK);
    Main->FileSaveAsExecute();
    EXPECT_EQ(PrePurgeInFile(existing), 21);
    EXPECT_EQ(Workplace->FileName, existing);
    EXPECT_EQ(Main->StatusText(1), QDir::toNativeSeparators(existing));
}

TEST_F(WindowTest, OpenShowsTheFileParametersAndName) {
    StartWindows();
    const QString path = MakeConfiguration("good.brk", 77);
    OpenConfiguration(path);
    ASSERT_EQ(DialogRuns.size(), 1u);
    EXPECT_EQ(DialogRuns[0].Title, "Open File");
    EXPECT_EQ(DialogRuns[0].Filters, QStringList{"Brookfetch Configuration (*.brk)"});
    EXPECT_EQ(Field("Q47PrePurge")->text(), "77");
    EXPECT_EQ(Main->StatusText(1), QDir::toNativeSeparators(path));
    EXPECT_EQ(Main->StatusText(0), "OK");
    EXPECT_FALSE(Workplace->Modified);
}

// A file that cannot be opened is named in a box with the reason; panel 0 says "Error" and the
// page, the file name and an unsaved edit stay, from the Open dialog as from outside it.
TEST_F(WindowTest, AFileThatCannotBeOpenedIsReportedAndChangesNothing) {
    StartWindows();
    const QString good = MakeConfiguration("good.brk", 77);
    QByteArray image = Contents(good);
    const auto make = [this](const char* name, const QByteArray& content) {
        QFile file(Temp.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    };
    const QString shortFile = make("short.brk", image.left(100));
    image[126] = static_cast<char>(image[126] ^ 0x55);
    const QString damaged = make("damaged.brk", image);
    ASSERT_TRUE(QDir(Temp.path()).mkdir("folder.brk"));
    const std::pair<QString, QString> cases[] = {
        {Temp.filePath("missing.brk"), "The file %1 does not exist."},
        {Temp.filePath("folder.brk"), "The file %1 cannot be read. It is a folder, not a file."},
        {shortFile, "The file %1 is shorter than 128 bytes: it holds no parameter set."},
        {damaged, "The file %1 is damaged: its checksum is wrong."},
    };
    OpenConfiguration(good);
    Type("Q47PrePurge", "20");
    for (const auto& [path, reason] : cases) {
        for (const bool dialog : {true, false}) {
            App.Boxes.clear();
            App.Answer(IDNO); // not saved, and not to be lost either
            if (dialog)
                OpenConfiguration(path);
            else
                Main->OpenNamedFile(path);
            ASSERT_EQ(App.Boxes.size(), 2u) << path.toStdString();
            EXPECT_EQ(App.Boxes[1].Text,
                      reason.arg(QDir::toNativeSeparators(path)) +
                          "\n\nNothing was opened; the parameters shown are unchanged.");
            EXPECT_EQ(App.Boxes[1].Caption, "Error");
            EXPECT_EQ(App.Boxes[1].Flags, MB_OK);
            EXPECT_EQ(Main->StatusText(0), "Error");
            EXPECT_EQ(Main->StatusText(1), QDir::toNativeSeparators(good));
            EXPECT_EQ(Field("Q47PrePurge")->text(), "20");
            EXPECT_EQ(Workplace->FileName, good);
            EXPECT_TRUE(Workplace->Modified);
        }
    }
}

TEST_F(WindowTest, CancellingTheOpenDialogChangesNothing) {
    StartWindows();
    const QString path = MakeConfiguration("good.brk", 55);
    OpenConfiguration(path);
    Action("FileOpen")->trigger();
    EXPECT_EQ(DialogRuns.size(), 2u);
    EXPECT_EQ(Workplace->FileName, path);
    EXPECT_EQ(Field("Q47PrePurge")->text(), "55");
}

TEST_F(WindowTest, AFailedSaveIsReportedAndKeepsNameAndModifiedState) {
    StartWindows();
    const QString path = MakeConfiguration("kept.brk", 44);
    OpenConfiguration(path);
    Type("Q47PrePurge", "45");
    const QString nowhere = Temp.filePath("no/such/folder/x.brk");
    ChosenFiles.push_back(nowhere);
    Main->FileSaveAsExecute();
    ASSERT_EQ(App.Boxes.size(), 1u);
    EXPECT_EQ(App.Boxes[0].Text, "File access error\n\nThe file " +
                                     QDir::toNativeSeparators(nowhere) +
                                     " was not saved. Its folder does not exist.");
    EXPECT_EQ(App.Boxes[0].Caption, "Error");
    EXPECT_EQ(App.Boxes[0].Flags, MB_OK);
    EXPECT_EQ(Main->StatusText(0), "Error");
    EXPECT_EQ(Main->StatusText(1), QDir::toNativeSeparators(path));
    EXPECT_EQ(Workplace->FileName, path);
    EXPECT_TRUE(Workplace->Modified);
    EXPECT_EQ(PrePurgeInFile(path), 44);
}

// A file longer than the image, with another program's bytes in the constant and the reserved
// part and a voltage code off the 0.1 V grid, is saved as a write would put it on a connector
// (constant 1, reserved 0, voltages on the grid), with its bytes after the image kept. A voltage
// typed off the grid shows as the file stores it.
TEST_F(WindowTest, SavingAnOpenedFileMakesTheImageAsAWriteDoesAndKeepsItsTail) {
    StartWindows();
    const QString path = MakeConfiguration("long.brk", 30);
    TQ47 model;
    ASSERT_TRUE(model.LoadFromFile(NativePath(path)));
    model.Image[13] = 7;    // the constant
    model.Image[20] = 0x5A; // a reserved byte
    model.Image[11] = 2;    // AccuOff, a code no voltage on the grid encodes to
    const std::uint16_t sum = model.Checksum();
    model.Image[126] = static_cast<std::uint8_t>(sum);
    model.Image[127] = static_cast<std::uint8_t>(sum >> 8);
    const QByteArray tail = QByteArray("trailer of another program", 26) + QByteArray(46, '\0');
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(reinterpret_cast<const char*>(model.Image), TQ47::ImageSize) + tail);
    }
    OpenConfiguration(path);
    Type("Q47PrePurge", "31");
    Type("Q47AccuWarning", "11.05");
    Action("FileSave")->trigger();
    EXPECT_TRUE(App.Boxes.empty());
    EXPECT_EQ(Field("Q47AccuWarning")->text(), "11.1");
    const QByteArray saved = Contents(path);
    ASSERT_EQ(saved.size(), TQ47::ImageSize + tail.size());
    EXPECT_EQ(saved.mid(TQ47::ImageSize), tail);
    EXPECT_EQ(saved[13], 1);
    EXPECT_EQ(saved[20], 0);
    EXPECT_EQ(std::uint8_t(saved[11]), TQ47::VoltsToCode(Field("Q47AccuOff")->text().toDouble()));
    EXPECT_EQ(std::uint8_t(saved[4]), 31);
    EXPECT_EQ(std::uint8_t(saved[10]), TQ47::VoltsToCode(11.1));
    EXPECT_EQ(PrePurgeInFile(path), 31); // the checksum holds

    // Save As takes the file's bytes to the new name as well.
    const QString copy = Temp.filePath("copy.brk");
    ChosenFiles.push_back(copy);
    Action("FileSaveAs")->trigger();
    EXPECT_EQ(Contents(copy), saved);
}

TEST_F(WindowTest, NewShowsTheLogoPageAndResetsTheTimerInterval) {
    StartWindows();
    auto* pages = Main->findChild<QStackedWidget*>("PageControl");
    pages->setCurrentWidget(Main->findChild<QWidget*>("Q47Tab"));
    Main->Timer->setInterval(5000);
    Action("FileNew")->trigger();
    EXPECT_EQ(pages->currentWidget()->objectName(), "EmptyTab");
    EXPECT_EQ(Main->Timer->interval(), 1000);
}

TEST_F(WindowTest, AModelStatusWithoutMeaningIsAnInternalError) {
    StartWindows();
    Workplace->Model->LastError = 4;
    Guarded([this] { Main->ShowStatus(); });
    ASSERT_EQ(App.ErrorBoxes.size(), 1u);
    EXPECT_TRUE(App.ErrorBoxes[0].startsWith("Error switch file Main line "));
    EXPECT_TRUE(App.ErrorBoxes[0].endsWith("."));
    EXPECT_EQ(Main->StatusText(1), "<noname>");
    // A helper of the window names its own file, not the window's.
    Guarded([this] { Main->SetStatusText(7, "no such panel"); });
    ASSERT_EQ(App.ErrorBoxes.size(), 2u);
    EXPECT_TRUE(App.ErrorBoxes[1].startsWith("Error on file StatusBar line "))
        << App.ErrorBoxes[1].toStdString();
}

TEST_F(WindowTest, NoPopupOfAFileDialogOutlivesIt) {
    StartWindows();
    const QString path = MakeConfiguration("chosen.brk", 12);
    QList<QWidget*> popups;
    // The name completion is open when the dialog is accepted, as after typing and Enter.
    Main->Dialogs().RunFileDialog = [&](QFileDialog& dialog) {
        dialog.show();
        for (QCompleter* completer : dialog.findChildren<QCompleter*>()) {
            completer->popup()->show();
            popups << completer->popup();
        }
        static_cast<QDialog&>(dialog).accept();
        return path;
    };
    Action("FileOpen")->trigger();
    Action("FileSaveAs")->trigger();    // the overwrite question is cancelled
    Action("FileExportPdf")->trigger(); // so is this one
    ASSERT_GE(popups.size(), 3);
    for (QWidget* popup : popups)
        EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(Workplace->FileName, path);
}

TEST_F(WindowTest, RecentFilesAreListedKeptWithTheSettingsAndOpenedAgain) {
    StartWindows();
    QStringList files;
    for (const char* name : {"a.brk", "b.brk", "c & d.brk", "e.brk"})
        files << MakeConfiguration(name, 11 + int(files.size()));
    for (int i = 0; i < 4; ++i)
        OpenConfiguration(files[i]);
    files << Temp.filePath("f.brk");
    ChosenFiles.push_back(files[4]);
    Main->FileSaveAsExecute();
    // The last four opened or saved, the latest first, numbered; an "&" of a name is shown.
    const QStringList listed = {files[4], files[3], files[2], files[1]};
    EXPECT_EQ(Workplace->RecentFiles, listed);
    // Shown as the system writes names (backslashes on Windows).
    const auto shown = [](const QString& file) {
        return QDir::toNativeSeparators(file).replace("&", "&&");
    };
    EXPECT_EQ(Action("MenuFileRecent1")->text(), "&1 " + shown(files[4]));
    EXPECT_EQ(Action("MenuFileRecent3")->text(), "&3 " + shown(files[2]));
    EXPECT_TRUE(Action("MenuFileRecent4")->isVisible());
    // Written with the other settings at close, not before.
    EXPECT_FALSE(ReadSettings().contains("RecentFiles"));

    // Choosing one asks the save question, then opens it.
    Type("Q47PrePurge", "20");
    App.Answer(IDNO);
    Action("MenuFileRecent3")->trigger();
    EXPECT_EQ(App.Boxes.size(), 1u);
    EXPECT_EQ(Workplace->FileName, files[2]);
    EXPECT_EQ(Field("Q47PrePurge")->text(), "13");
    // One that is gone is reported and leaves the list; the data shown stay.
    ASSERT_TRUE(QFile::remove(files[3]));
    Action("MenuFileRecent3")->trigger();
    EXPECT_EQ(App.Boxes.size(), 2u);
    EXPECT_EQ(Workplace->RecentFiles, QStringList({files[2], files[4], files[1]}));
    EXPECT_FALSE(Action("MenuFileRecent4")->isVisible());
    EXPECT_EQ(Workplace->FileName, files[2]);
    EXPECT_EQ(Field("Q47PrePurge")->text(), "13");

    EXPECT_TRUE(Main->close());
    const QStringList lines = SettingsLines();
    const QStringList section = lines.mid(lines.indexOf("[RecentFiles]"), 4);
    // Named as the system names files (C:\Sites\river.brk on Windows).
    EXPECT_EQ(section, QStringList({"[RecentFiles]", "File1=" + QDir::toNativeSeparators(files[2]),
                                    "File2=" + QDir::toNativeSeparators(files[4]),
                                    "File3=" + QDir::toNativeSeparators(files[1])}));
    DestroyWindows();
    StartWindows();
    EXPECT_EQ(Workplace->RecentFiles, QStringList({files[2], files[4], files[1]}));
    EXPECT_EQ(Action("MenuFileRecent1")->text(), "&1 " + shown(files[2]));
}

TEST_F(WindowTest, AConfigurationFileDroppedOnTheWindowIsOpenedAfterTheSaveQuestion) {
    StartWindows();
    const QString path = MakeConfiguration("dropped.BRK", 25);
    // True when the window took the drag.
    const auto drop = [this](const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(Main, &enter);
        if (enter.isAccepted()) {
            QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                               Qt::NoModifier);
            QApplication::sendEvent(Main, &dropped);
        }
        QApplication::processEvents();
        return enter.isAccepted();
    };
    Type("Q47PrePurge", "20");
    EXPECT_FALSE(drop({QUrl::fromLocalFile(path), QUrl::fromLocalFile(path)}));
    EXPECT_FALSE(drop({QUrl::fromLocalFile(Temp.filePath("notes.txt"))}));
    EXPECT_FALSE(drop({QUrl(QStringLiteral("sftp://sampler/dropped.brk"))}));
    EXPECT_TRUE(App.Boxes.empty());
    EXPECT_FALSE(Field("Q47PrePurge")->acceptDrops()); // no path typed into a field

    App.Answer(IDCANCEL);
    EXPECT_TRUE(drop({QUrl::fromLocalFile(path)}));
    EXPECT_EQ(App.Boxes.size(), 1u);
    EXPECT_EQ(Field("Q47PrePurge")->text(), "20");
    App.Answer(IDNO);
    EXPECT_TRUE(drop({QUrl::fromLocalFile(path)}));
    EXPECT_EQ(App.Boxes.size(), 2u);
    EXPECT_EQ(Field("Q47PrePurge")->text(), "25");
    EXPECT_EQ(Workplace->FileName, path);
    EXPECT_EQ(Main->StatusText(1), QDir::toNativeSeparators(path));
}
