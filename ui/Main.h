#pragma once

#include <QMainWindow>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QFileDialog;
class QLabel;
class QLineEdit;
class QTimer;
class QToolButton;
class TWorkplace;

namespace Ui {
class TMainForm;
}

// The program's working window: menus, tool bar, the parameter page and the logo page, the
// progress bar for connector transfers and the four-panel status bar. It owns the workplace
// that holds the settings and the current data set.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    // exePath names the executable whose settings file and language value are used; empty
    // means the running program (tests pass a path in a folder of their own).
    explicit TMainForm(QWidget* parent = nullptr, const QString& exePath = QString());
    ~TMainForm() override;

    // Window life.
    void FormCreate();
    void FormShow();
    bool FormCloseQuery(); // true allows the window to close
    void FormClose();

    // File and help commands.
    void FileNewExecute();
    void FileOpenExecute();
    // Save and Save As: true when the data were saved (not when a field was refused, the name
    // not given or the file not written).
    bool FileSaveExecute();
    bool FileSaveAsExecute();
    void FilePropertiesExecute();
    void FileExitExecute();
    void HelpAboutExecute();
    // One of the recent files of the File menu, 0 the latest.
    void FileRecentExecute(int index);
    // Opens a file named outside the Open dialog (a recent file, the program's argument, a
    // file dropped on the window, another start's file) as Open does with the dialog's answer:
    // the save question first, then the file. A file that cannot be loaded is reported and
    // changes nothing.
    void OpenNamedFile(QString path);
    // Another start of the program handed over its file (or none): the window comes to the
    // front and opens the file as OpenNamedFile does, once no dialog or transfer holds it.
    void OpenRequested(QString path);

    // Connector commands and the status timer.
    void TimerTimer();
    void DataReadExecute();
    void DataWriteExecute();
    // The busy state around one transfer: window disabled, timer stopped, hourglass, progress
    // bar driven by the adapter. Always left again, also when the transfer raises.
    void BeginTransfer();
    void EndTransfer();
    void TransferProgress(int percent);

    // True when the caller may go on: nothing to save, saved, or the changes discarded. Yes
    // that did not save stops the command. A command that may still keep the data (Properties,
    // Open) passes false: answering No then leaves them modified until they are replaced.
    bool QuerySave(bool discards = true);
    // Panel 1 shows the file name, panel 0 and an error box the model's last result.
    void ShowStatus();
    // A success the user should not miss: panel 0 shows `text` highlighted for
    // ConfirmationTime ms, then its usual text again (StatusText(0) keeps that one).
    void ShowConfirmation(const QString& text);
    static constexpr int ConfirmationTime = 5000;

    // The parameter page.
    void ModelToPage();
    bool PageToModel();
    void Q47ModeClick();
    void Q47SamplesCountChange();
    void Q47PrePurgeChange();
    void Q47PostPurgeChange();
    void Q47VarModeChange();
    void Q47DeadTimeChange();
    void Q47PurgesCountChange();
    void Q47SamplingIntervalChange();
    void Q47AerationChange();
    void Q47MaxSuctionTimeChange();
    void Q47AccuWarningChange();
    void Q47AccuOffChange();

    // Status bar panels 0..3: result, file name, adapter, connector. The text is kept as set;
    // the panel shows it without line ends.
    QString StatusText(int panel) const;
    void SetStatusText(int panel, const QString& text);

    // The current text of a message label of MsgTemplate (of a copy while it is not built).
    static QString MessageText(const QString& label);

    // Runs a file dialog modally and returns the chosen path, empty when cancelled. Tests
    // replace it so that no dialog ever waits for a person.
    std::function<QString(QFileDialog& dialog)> RunFileDialog;

    // The status timer (1000 ms while looking for the adapter or a connector, 5000 ms once a
    // connector is found) and its link state: 0 look for the adapter, 1 watch the connector.
    QTimer* Timer;
    int LinkState;

    // Tool-bar buttons of the actions FileNew, DataRead and DataWrite.
    QToolButton* ToolNew;
    QToolButton* ToolDataRead;
    QToolButton* ToolDataWrite;

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void TimerTick();
    void SetTimerInterval(int milliseconds);
    void ConnectActions();
    void ConnectPage();
    void LinkMenuItem(QAction* item, QAction* action);
    void ShowRecentFiles();
    void FitFrame();
    void RememberNormalBounds();
    // The error box with the text of `label` and, when given, that of `more` as a second
    // paragraph.
    void ShowError(const QString& label, const QString& more = QString());
    void LoadFile(const QString& path);
    void OpenWhenFree(const QString& path);
    void StartInFolder(QFileDialog& dialog) const;
    QString ChosenFile(QFileDialog& dialog);
    void EndConfirmation();
    void SetText(QLineEdit* edit, const QString& text);
    void FocusField(QWidget* field);
    void ClearFocus();
    QFileDialog& OpenDialog();
    QFileDialog& SaveDialog();

    std::unique_ptr<Ui::TMainForm> ui;
    QLabel* StatusPanels[4];
    QAction* MenuFileRecent[4];
    QAction* MenuFileRecentSeparator;
    bool FrameFitted = false;
    QRect NormalBounds; // the window's place (its frame) and inside size when not maximized
    QString StatusTexts[4];
    QTimer* ConfirmationTimer;
    // True while the error box of a failed tick is open: the ticks in between do nothing.
    bool TickErrorOpen = false;
    QFileDialog* FileOpenDialog = nullptr; // made at first use, then kept as the user left it
    QFileDialog* FileSaveDialog = nullptr;
    QString ExePathOverride;
    std::unique_ptr<TWorkplace> OwnedWorkplace;
};

// The main window, created first at start-up.
extern TMainForm* MainForm;
