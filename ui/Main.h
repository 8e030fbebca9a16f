// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/CommandHost.h"
#include "ui/StatusBar.h"

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>

class QDragEnterEvent;
class QDropEvent;
class QTimer;
class QToolButton;
class TConnectorMonitor;
class TConnectorCommands;
class TFileCommands;
class TFileDialogs;
class THelp;
class THistoryForm;
class TParameterPage;
class TSheetCommands;
class TWindowPlacement;
class TWorkplace;

namespace Ui {
class TMainForm;
}

// The program's working window: menus, tool bar, the parameter page and the logo page, the
// progress bar for connector transfers and the four-panel status bar. It owns the workplace
// that holds the settings and the current data set, and hands each job to a class of its own,
// which reaches back only through TCommandHost.
class TMainForm : public QMainWindow, public TCommandHost {
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
    void FileNewExecute() override;
    void FileOpenExecute();
    // Save and Save As: true when the data were saved (not when a field was refused, the name
    // not given or the file not written).
    bool FileSaveExecute();
    bool FileSaveAsExecute();
    void FilePropertiesExecute();
    void FileExitExecute();
    void HelpAboutExecute();
    // The parameter sheet of the page, after the check Save makes: to the printer the print
    // dialog chooses, or into a PDF file. True when it went there.
    bool FilePrintExecute();
    bool FileExportPdfExecute();
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
    // Data, History: the programming history; an entry's parameters may come onto the page.
    void DataHistoryExecute();
    // Called with the history window before it is shown, so that tests can work it.
    std::function<void(THistoryForm&)> HistoryFormShown;

    // True when the caller may go on: nothing to save, saved, or the changes discarded. Yes
    // that did not save stops the command. A command that may still keep the data (Properties,
    // Open) passes false: answering No then leaves them modified until they are replaced.
    bool QuerySave(bool discards = true) override;
    // Panel 1 shows the file name, panel 0 and an error box the model's last result. `cause`, when
    // given, follows the error box's own text as a paragraph of its own: what failed and what to
    // do about it.
    void ShowStatus(const QString& cause = QString()) override;
    // The error box with the text of the message `label` and `cause` as a paragraph after it;
    // panel 0 then says "Error".
    void ShowError(const QString& label, const QString& cause = QString()) override;
    // A success the user should not miss: panel 0 shows `text` highlighted for
    // ConfirmationTime ms, then its usual text again (StatusText(0) keeps that one).
    void ShowConfirmation(const QString& text);
    static constexpr int ConfirmationTime = TStatusBar::ConfirmationTime;

    // The parameter page: filled from the model (the data are then unmodified), and validated
    // into it (false when a field was refused: the user was told, the field has the focus).
    void ModelToPage() override;
    bool PageToModel() override;

    QWidget& Window() override { return *this; }

    // Status bar panels 0..3: result, file name, adapter, connector. The text is kept as set;
    // the panel shows it without line ends.
    QString StatusText(int panel) const;
    void SetStatusText(int panel, const QString& text);

    // The classes the window hands its jobs to.
    TFileCommands& Files() const { return *FileCommands; }
    TConnectorMonitor& Monitor() const { return *ConnectorMonitor; }
    TSheetCommands& Sheets() const { return *SheetCommands; }
    THelp& Guide() const { return *Help; }
    TFileDialogs& Dialogs() const { return *FileDialogs; }

    // The status timer of the connector monitor.
    QTimer* Timer;

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
    void MakeToolBar();
    void ConnectActions();

    std::unique_ptr<Ui::TMainForm> ui;
    TStatusBar* Status;
    TParameterPage* Page;
    TConnectorMonitor* ConnectorMonitor;
    TFileCommands* FileCommands;
    TSheetCommands* SheetCommands;
    THelp* Help;
    TWindowPlacement* Placement;
    std::unique_ptr<TFileDialogs> FileDialogs;
    std::unique_ptr<TConnectorCommands> ConnectorCommands;
    QString ExePathOverride;
    std::unique_ptr<TWorkplace> OwnedWorkplace;
};

// The main window, created first at start-up.
extern TMainForm* MainForm;
