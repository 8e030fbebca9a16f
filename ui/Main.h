#pragma once

#include <QMainWindow>
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
    void FileSaveExecute();
    void FileSaveAsExecute();
    void FilePropertiesExecute();
    void FileExitExecute();
    void HelpAboutExecute();
    // One of the recent files of the File menu, 0 the latest.
    void FileRecentExecute(int index);
    // Opens a file named outside the Open dialog (a recent file, the program's argument, a
    // file dropped on the window) as Open does with the dialog's answer: the save question
    // first, then the file, or a new data set when it cannot be loaded.
    void OpenNamedFile(QString path);

    // Connector commands and the status timer.
    void TimerTimer();
    void DataReadExecute();
    void DataWriteExecute();
    // The busy state around one transfer: window disabled, timer stopped, hourglass, progress
    // bar driven by the adapter. Always left again, also when the transfer raises.
    void BeginTransfer();
    void EndTransfer();
    void TransferProgress(int percent);

    // True when the caller may go on: nothing to save, saved, or the changes discarded. A
    // command that discards nothing (Properties) passes false: answering No then leaves the
    // data modified.
    bool QuerySave(bool discards = true);
    // Panel 1 shows the file name, panel 0 and an error box the model's last result.
    void ShowStatus();

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

    // The current text of a message label of MsgTemplate.
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
    void ShowError(const QString& label);
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
    QString StatusTexts[4];
    // True while the error box of a failed tick is open: the ticks in between do nothing.
    bool TickErrorOpen = false;
    QFileDialog* FileOpenDialog = nullptr; // made at first use, then kept as the user left it
    QFileDialog* FileSaveDialog = nullptr;
    QString ExePathOverride;
    std::unique_ptr<TWorkplace> OwnedWorkplace;
};

// The main window, created first at start-up.
extern TMainForm* MainForm;
