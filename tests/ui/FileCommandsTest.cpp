// The file commands, the save question in front of them and the status they leave behind.
#include "tests/ui/WindowFixture.h"

#include "app/Workplace.h"
#include "model/Q47.h"
#include "platform/framework/NativePath.h"
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
#include <QLineEdit>
#include <QMimeData>
#include <QTabWidget>
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

TEST_F(WindowTest, YesWithAnInvalidFieldReportsItAndStillStartsTheNewDataSet) {
    StartWindows();
    Type("Q47PrePurge", "ten");
    App.Answer(IDYES);
    Main->FileNewExecute();
    ASSERT_EQ(App.Boxes.size(), 2u);
    EXPECT_EQ(App.Boxes[1].Text, "Invalid format of parameter");
    EXPECT_EQ(App.Boxes[1].Caption, "Error");
    EXPECT_EQ(App.Boxes[1].Flags, MB_OK);
    EXPECT_TRUE(DialogRuns.empty());
    EXPECT_EQ(Field("Q47PrePurge")->text(), "10");
    EXPECT_FALSE(Workplace->Modified);
}

TEST_F(WindowTest, YesOnUnnamedDataThenCancellingSaveAsLosesTheChangesAndGoesOn) {
    StartWindows();
    Type("Q47PrePurge", "20");
    App.Answer(IDYES);
    Main->FileNewExecute(); // the Save As dialog is cancelled
    ASSERT_EQ(DialogRuns.size(), 1u);
    EXPECT_EQ(DialogRuns[0].Title, "Save file");
    EXPECT_EQ(Field("Q47PrePurge")->text(), "10");
    EXPECT_FALSE(Workplace->Modified);
    EXPECT_EQ(Main->StatusText(1), "<noname>");
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
    EXPECT_EQ(Main->StatusText(1), path);
    EXPECT_EQ(Main->StatusText(0), "OK");

    // Named now: Save writes the same file without a dialog.
    Type("Q47PrePurge", "26");
    Action("FileSave")->trigger();
    EXPECT_EQ(DialogRuns.size(), 1u);
    EXPECT_EQ(PrePurgeInFile(path), 26);
}

TEST_F(WindowTest, SaveAsOnNamedDataStartsInTheFileFolderWithItsName) {
    StartWindows();
    QDir(Temp.path()).mkpath("sets");
    const QString path = MakeConfiguration("sets/a.brk", 40);
    OpenConfiguration(path);
    Action("FileSaveAs")->trigger(); // cancelled
    ASSERT_EQ(DialogRuns.size(), 2u);
    EXPECT_EQ(DialogRuns[1].Folder, QFileInfo(path).absolutePath());
    EXPECT_EQ(QFileInfo(DialogRuns[1].ProposedFile).fileName(), "a.brk");
    EXPECT_EQ(Workplace->FileName, path);
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
    EXPECT_EQ(Main->StatusText(1), existing);
}

TEST_F(WindowTest, OpenShowsTheFileParametersAndName) {
    StartWindows();
    const QString path = MakeConfiguration("good.brk", 77);
    OpenConfiguration(path);
    ASSERT_EQ(DialogRuns.size(), 1u);
    EXPECT_EQ(DialogRuns[0].Title, "Open File");
    EXPECT_EQ(DialogRuns[0].Filters, QStringList{"Brookfetch Configuration (*.brk)"});
    EXPECT_EQ(Field("Q47PrePurge")->text(), "77");
    EXPECT_EQ(Main->StatusText(1), path);
    EXPECT_EQ(Main->StatusText(0), "OK");
    EXPECT_FALSE(Workplace->Modified);
}

TEST_F(WindowTest, OpenOfAFileThatCannotBeLoadedQuietlyStartsANewDataSet) {
    StartWindows();
    const QString good = MakeConfiguration("good.brk", 77);
    QByteArray image = Contents(good);
    const QString shortFile = Temp.filePath("short.brk");
    const QString badSum = Temp.filePath("badsum.brk");
    {
        QFile file(shortFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(image.left(100));
    }
    image[126] = static_cast<char>(image[126] ^ 0x55);
    {
        QFile file(badSum);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(image);
    }
    for (const QString& path : {Temp.filePath("missing.brk"), shortFile, badSum}) {
        OpenConfiguration(good);
        ASSERT_EQ(Field("Q47PrePurge")->text(), "77");
        OpenConfiguration(path);
        EXPECT_TRUE(App.Boxes.empty()) << path.toStdString();
        EXPECT_EQ(Field("Q47PrePurge")->text(), "10") << path.toStdString();
        EXPECT_EQ(Main->StatusText(1), "<noname>");
        EXPECT_EQ(Main->StatusText(0), "OK");
        EXPECT_TRUE(Workplace->FileName.isEmpty());
        EXPECT_FALSE(Workplace->Modified);
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
    ChosenFiles.push_back(Temp.filePath("no/such/folder/x.brk"));
    Main->FileSaveAsExecute();
    ASSERT_EQ(App.Boxes.size(), 1u);
    EXPECT_EQ(App.Boxes[0].Text, "File access error");
    EXPECT_EQ(App.Boxes[0].Caption, "Error");
    EXPECT_EQ(App.Boxes[0].Flags, MB_OK);
    EXPECT_EQ(Main->StatusText(0), "Error");
    EXPECT_EQ(Main->StatusText(1), path);
    EXPECT_EQ(Workplace->FileName, path);
    EXPECT_TRUE(Workplace->Modified);
    EXPECT_EQ(PrePurgeInFile(path), 44);
}

TEST_F(WindowTest, NewShowsTheLogoPageAndResetsTheTimerInterval) {
    StartWindows();
    auto* pages = Main->findChild<QTabWidget*>("PageControl");
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
}

TEST_F(WindowTest, NoPopupOfAFileDialogOutlivesIt) {
    StartWindows();
    const QString path = MakeConfiguration("chosen.brk", 12);
    QList<QWidget*> popups;
    // The name completion is open when the dialog is accepted, as after typing and Enter.
    Main->RunFileDialog = [&](QFileDialog& dialog) {
        dialog.show();
        for (QCompleter* completer : dialog.findChildren<QCompleter*>()) {
            completer->popup()->show();
            popups << completer->popup();
        }
        static_cast<QDialog&>(dialog).accept();
        return path;
    };
    Action("FileOpen")->trigger();
    Action("FileSaveAs")->trigger(); // the overwrite question is cancelled
    ASSERT_GE(popups.size(), 2);
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
    // One that is gone leaves the list; Open's fallback applies.
    ASSERT_TRUE(QFile::remove(files[3]));
    Action("MenuFileRecent3")->trigger();
    EXPECT_EQ(Workplace->RecentFiles, QStringList({files[2], files[4], files[1]}));
    EXPECT_FALSE(Action("MenuFileRecent4")->isVisible());
    EXPECT_TRUE(Workplace->FileName.isEmpty());
    EXPECT_EQ(Field("Q47PrePurge")->text(), "10");

    EXPECT_TRUE(Main->close());
    const QStringList lines = SettingsLines();
    const QStringList section = lines.mid(lines.indexOf("[RecentFiles]"));
    EXPECT_EQ(section, QStringList({"[RecentFiles]", "File1=" + files[2], "File2=" + files[4],
                                    "File3=" + files[1]}));
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
        QApplication::sendEvent(Main.get(), &enter);
        if (enter.isAccepted()) {
            QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                               Qt::NoModifier);
            QApplication::sendEvent(Main.get(), &dropped);
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
    EXPECT_EQ(Main->StatusText(1), path);
}
