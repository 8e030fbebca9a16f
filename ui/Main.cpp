// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Main.h"

#include "ui_Main.h"

#include "app/History.h"
#include "app/Workplace.h"
#include "model/Q47.h"
#include "platform/framework/Application.h"
#include "platform/framework/Exceptions.h"
#include "ui/About.h"
#include "ui/AccessibleNames.h"
#include "ui/ConnectorCommands.h"
#include "ui/ConnectorMonitor.h"
#include "ui/FileCommands.h"
#include "ui/FileDialogs.h"
#include "ui/Guard.h"
#include "ui/Help.h"
#include "ui/HistoryForm.h"
#include "ui/Logo.h"
#include "ui/Msg.h"
#include "ui/ParameterPage.h"
#include "ui/SheetCommands.h"
#include "ui/WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QMenu>
#include <QProgressBar>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>
#include <utility>
#include <vector>

TMainForm* MainForm = nullptr;

namespace {

// A menu item follows its action: caption, hint, shortcut text, icon and enabled state, and
// choosing it runs the action. The shortcut itself belongs to the action alone.
void LinkMenuItem(QAction* item, QAction* action) {
    const auto follow = [item, action] {
        item->setText(action->text());
        item->setToolTip(action->toolTip());
        item->setIcon(action->icon());
        item->setEnabled(action->isEnabled());
        item->setVisible(action->isVisible());
    };
    follow();
    QObject::connect(action, &QAction::changed, item, follow);
    QObject::connect(item, &QAction::triggered, action, &QAction::trigger);
}

// The menu shows each item's shortcut beside its text (written into the text, it would be read
// out as part of the item's name), so the item holds a copy of its action's shortcut, but only
// while its menu is open, where the window's shortcuts do not reach. Kept after the menu
// closes, the copy would meet the action's own shortcut whenever the menu bar keeps the
// keyboard (after Escape): Qt takes two actions with one shortcut as ambiguous and runs
// neither.
void ShowShortcutsWhileOpen(QMenu* menu, const std::vector<std::pair<QAction*, QAction*>>& items) {
    QObject::connect(menu, &QMenu::aboutToShow, menu, [items] {
        for (const auto& [item, action] : items) {
            item->setShortcut(action->shortcut());
            item->setShortcutContext(Qt::WidgetShortcut);
        }
    });
    QObject::connect(menu, &QMenu::aboutToHide, menu, [items] {
        for (const auto& [item, action] : items)
            item->setShortcut(QKeySequence());
    });
}

} // namespace

TMainForm::TMainForm(QWidget* parent, const QString& exePath)
    : QMainWindow(parent), ui(new Ui::TMainForm), ExePathOverride(exePath) {
    InitUiResources();
    ui->setupUi(this);
    Workplace = nullptr;
    // The Data menu's hint belongs to its title; left on the popup, it would show as the tool
    // tip of every item in it ("Read data from adapter" over Write).
    ui->MenuData->menuAction()->setToolTip(ui->MenuData->toolTip());
    ui->MenuData->setToolTip(QString());

    ui->Logo->setPixmap(LogoPixmap());

    MakeToolBar();
    Status = new TStatusBar(*ui->StatusBar);
    Page = new TParameterPage(*ui, this);
    ConnectorMonitor = new TConnectorMonitor(*Status, *Page, *ui->DataRead, *ui->DataWrite, this);
    Timer = ConnectorMonitor->Timer;
    FileDialogs = std::make_unique<TFileDialogs>(*this);
    FileCommands =
        new TFileCommands(*this, *Status, *FileDialogs, *ui->MenuFile, *ui->MenuFileExit);
    SheetCommands = new TSheetCommands(*this, *Status, *FileDialogs);
    Help = new THelp(this);
    QApplication::instance()->installEventFilter(Help);
    Placement = new TWindowPlacement(*this);
    ConnectorCommands = std::make_unique<TConnectorCommands>(
        *this, *Status, *Page, *ui->DataRead, *ui->DataWrite, *ui->ProgressBar, *Timer);

    // Files are dropped on the window as a whole.
    setAcceptDrops(true);
    ConnectActions();
    connect(Page, &TParameterPage::modified, this, Guard([] { Workplace->Modified = true; }));
    // Names for screen readers, from the texts of the window.
    accessibility::NameControls(this);
    Guarded([this] { FormCreate(); });
}

TMainForm::~TMainForm() {
    if (Workplace == OwnedWorkplace.get())
        Workplace = nullptr;
}

void TMainForm::MakeToolBar() {
    ToolNew = qobject_cast<QToolButton*>(ui->ToolBar->widgetForAction(ui->FileNew));
    ToolDataRead = qobject_cast<QToolButton*>(ui->ToolBar->widgetForAction(ui->DataRead));
    ToolDataWrite = qobject_cast<QToolButton*>(ui->ToolBar->widgetForAction(ui->DataWrite));
    ToolNew->setObjectName(QStringLiteral("ToolNew"));
    ToolDataRead->setObjectName(QStringLiteral("ToolDataRead"));
    ToolDataWrite->setObjectName(QStringLiteral("ToolDataWrite"));
    auto* separator = new QFrame(ui->ToolBar);
    separator->setObjectName(QStringLiteral("ToolSeparator"));
    separator->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    separator->setFixedWidth(54);
    ui->ToolBar->insertWidget(ui->DataRead, separator);
}

void TMainForm::ConnectActions() {
    connect(ui->FileNew, &QAction::triggered, this, Guard([this] { FileNewExecute(); }));
    connect(ui->FileOpen, &QAction::triggered, this, Guard([this] { FileOpenExecute(); }));
    connect(ui->FileSave, &QAction::triggered, this, Guard([this] { FileSaveExecute(); }));
    connect(ui->FileSaveAs, &QAction::triggered, this, Guard([this] { FileSaveAsExecute(); }));
    connect(ui->FilePrint, &QAction::triggered, this, Guard([this] { FilePrintExecute(); }));
    connect(ui->FileExportPdf, &QAction::triggered, this,
            Guard([this] { FileExportPdfExecute(); }));
    connect(ui->FileProperties, &QAction::triggered, this,
            Guard([this] { FilePropertiesExecute(); }));
    connect(ui->FileExit, &QAction::triggered, this, Guard([this] { FileExitExecute(); }));
    connect(ui->HelpAbout, &QAction::triggered, this, Guard([this] { HelpAboutExecute(); }));
    // F1 opens the guide where the keyboard is; the menu item at the guide's start.
    connect(ui->HelpContents, &QAction::triggered, this,
            Guard([this] { Help->ShowFor(QApplication::focusWidget()); }));
    connect(ui->DataRead, &QAction::triggered, this, Guard([this] { DataReadExecute(); }));
    connect(ui->DataWrite, &QAction::triggered, this, Guard([this] { DataWriteExecute(); }));
    connect(ui->DataHistory, &QAction::triggered, this, Guard([this] { DataHistoryExecute(); }));

    // Exit has the shortcut every other program on a Linux desktop has; Windows programs have
    // none for it (Alt+F4 closes their window).
#ifndef Q_OS_WIN
    ui->FileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
#endif

    // Shortcuts work wherever the focus is in the window.
    addActions({ui->FileNew, ui->FileOpen, ui->FileSave, ui->FileSaveAs, ui->FilePrint,
                ui->FileExportPdf, ui->FileProperties, ui->FileExit, ui->HelpAbout,
                ui->HelpContents, ui->DataRead, ui->DataWrite, ui->DataHistory});

    const std::vector<std::pair<QAction*, QAction*>> file = {
        {ui->MenuFileNew, ui->FileNew},
        {ui->MenuFileOpen, ui->FileOpen},
        {ui->MenuFileSave, ui->FileSave},
        {ui->MenuFileSaveAs, ui->FileSaveAs},
        {ui->MenuFilePrint, ui->FilePrint},
        {ui->MenuFileExportPdf, ui->FileExportPdf},
        {ui->MenuFileProperties, ui->FileProperties},
        {ui->MenuFileExit, ui->FileExit}};
    const std::vector<std::pair<QAction*, QAction*>> data = {
        {ui->MenuDataRead, ui->DataRead},
        {ui->MenuDataWrite1, ui->DataWrite},
        {ui->MenuDataHistory, ui->DataHistory}};
    const std::vector<std::pair<QAction*, QAction*>> help = {
        {ui->MenuHelpContents, ui->HelpContents}, {ui->MenuHelpAbout, ui->HelpAbout}};
    for (const auto& [menu, items] : {std::pair{ui->MenuFile, file}, std::pair{ui->MenuData, data},
                                      std::pair{ui->MenuHelp, help}}) {
        for (const auto& [item, action] : items)
            LinkMenuItem(item, action);
        ShowShortcutsWhileOpen(menu, items);
    }
    disconnect(ui->MenuHelpContents, &QAction::triggered, ui->HelpContents, &QAction::trigger);
    connect(ui->MenuHelpContents, &QAction::triggered, this, Guard([this] { Help->ShowStart(); }));
}

// ---- Window life -------------------------------------------------------------------------

void TMainForm::FormCreate() {
    OwnedWorkplace = std::make_unique<TWorkplace>();
    Workplace = OwnedWorkplace.get();
    // The first tick comes from the event loop, after the window is built; started here, the
    // adapter is watched even when the settings below cannot be read.
    Timer->start();
    if (!ExePathOverride.isEmpty())
        Workplace->ExePath = ExePathOverride;
    Workplace->MessageText = MessageText;
    Workplace->LoadSettings();
    FileCommands->ShowRecentFiles();
    Placement->Restore(*Workplace);
    // The connector status check enables them once a connector is found.
    ui->DataRead->setEnabled(false);
    ui->DataWrite->setEnabled(false);
}

void TMainForm::FormShow() {
    Page->ShowLogo();
    FileNewExecute();
}

bool TMainForm::FormCloseQuery() {
    return !Workplace->Modified || QuerySave();
}

void TMainForm::FormClose() {
    Placement->Store(*Workplace);
    Workplace->SaveSettings();
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        Guarded([this] { FormShow(); });
}

void TMainForm::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    Placement->Moved();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Placement->Moved();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (!TFileCommands::DroppedConfiguration(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
    const QString path = TFileCommands::DroppedConfiguration(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened once the drop is over: the save question must not hold up the program the file
    // came from.
    QTimer::singleShot(0, this, Guard([this, path] { OpenNamedFile(path); }));
}

void TMainForm::closeEvent(QCloseEvent* event) {
    bool allowed = false;
    Guarded([this, &allowed] { allowed = FormCloseQuery(); });
    if (!allowed) {
        event->ignore();
        return;
    }
    // A settings file that cannot be written is reported, but never keeps the window open.
    Guarded([this] { FormClose(); });
    event->accept();
}

// ---- File and help commands --------------------------------------------------------------

bool TMainForm::QuerySave(bool discards) {
    return FileCommands->QuerySave(discards);
}

void TMainForm::FileNewExecute() {
    if (!QuerySave())
        return;
    Workplace->NewDataSet();
    Page->ShowLogo();
    ConnectorMonitor->SetTimerInterval(1000);
    ShowStatus();
    ModelToPage();
}

void TMainForm::FileOpenExecute() {
    FileCommands->Open();
}

void TMainForm::OpenNamedFile(QString path) {
    FileCommands->OpenNamedFile(path);
}

void TMainForm::OpenRequested(QString path) {
    FileCommands->OpenRequested(path);
}

void TMainForm::FileRecentExecute(int index) {
    FileCommands->OpenRecent(index);
}

bool TMainForm::FileSaveExecute() {
    return FileCommands->Save();
}

bool TMainForm::FileSaveAsExecute() {
    return FileCommands->SaveAs();
}

void TMainForm::FilePropertiesExecute() {
    FileCommands->Properties();
}

void TMainForm::FileExitExecute() {
    close();
}

void TMainForm::HelpAboutExecute() {
    AboutBox->exec();
}

bool TMainForm::FilePrintExecute() {
    return SheetCommands->Print();
}

bool TMainForm::FileExportPdfExecute() {
    return SheetCommands->ExportPdf();
}

// ---- Connector commands ------------------------------------------------------------------

void TMainForm::TimerTimer() {
    ConnectorMonitor->TimerTimer();
}

void TMainForm::DataReadExecute() {
    ConnectorCommands->Read();
}

void TMainForm::DataWriteExecute() {
    ConnectorCommands->Write();
}

// An entry's parameters come onto the page as a new data set, not yet saved anywhere.
void TMainForm::DataHistoryExecute() {
    THistoryForm form(*SheetCommands, this);
    if (HistoryFormShown)
        HistoryFormShown(form);
    const std::optional<QByteArray> image = form.Execute(HistoryPath(Workplace->HistoryFile));
    if (!image || !QuerySave())
        return;
    if (!Workplace->OpenImage(*image))
        return;
    Page->Show();
    Page->ModelToPage(*Workplace->Model);
    ShowStatus();
}

// ---- Status ------------------------------------------------------------------------------

QString TMainForm::StatusText(int panel) const {
    return Status->Text(panel);
}

void TMainForm::SetStatusText(int panel, const QString& text) {
    Status->SetText(panel, text);
}

void TMainForm::ShowConfirmation(const QString& text) {
    Status->ShowConfirmation(text);
}

void TMainForm::ShowError(const QString& label, const QString& cause) {
    // The panel says so already while the box is open, never an earlier "OK".
    SetStatusText(0, MessageText(QStringLiteral("MsgError")));
    Application->MessageBox(MessageText(label) +
                                (cause.isEmpty() ? QString() : QStringLiteral("\n\n") + cause),
                            MessageText(QStringLiteral("MsgError")), MB_OK);
}

void TMainForm::ShowStatus(const QString& cause) {
    // Open and Save change the recent files; the File menu follows them here.
    FileCommands->ShowRecentFiles();
    // Named as the system names files: C:\Sites\river.brk on Windows.
    SetStatusText(1, Workplace->FileName.isEmpty() ? MessageText(QStringLiteral("MsgNoname"))
                                                   : QDir::toNativeSeparators(Workplace->FileName));
    switch (Workplace->Model->LastError) {
    case TQ47::NoError:
        SetStatusText(0, MessageText(QStringLiteral("MsgOK")));
        break;
    case TQ47::CommError:
        ShowError(QStringLiteral("MsgCommError"), cause);
        break;
    case TQ47::FileError:
        ShowError(QStringLiteral("MsgFileError"), cause);
        break;
    case TQ47::RangeError:
        ShowError(QStringLiteral("MsgParameterOut"), cause);
        break;
    default:
        throw Exception(ErrorSwitchFile());
    }
}

// ---- Parameter page ----------------------------------------------------------------------

void TMainForm::ModelToPage() {
    Page->ModelToPage(*Workplace->Model);
    Workplace->Modified = false;
}

bool TMainForm::PageToModel() {
    const TParameterPage::TRefusal refusal = Page->PageToModel(*Workplace->Model);
    if (!refusal)
        return true;
    // Under the fixed text: which field, and what it takes.
    const QString accepted =
        MessageText(QStringLiteral("MsgFieldAccepts")).arg(refusal.Caption, refusal.Accepted);
    if (refusal.Kind == TParameterPage::TRefusal::TKind::Format)
        Application->MessageBox(MessageText(QStringLiteral("MsgParameterFormat")) +
                                    QStringLiteral("\n\n") + accepted,
                                MessageText(QStringLiteral("MsgError")), MB_OK);
    else
        ShowStatus(accepted);
    Page->FocusField(refusal.Field);
    return false;
}
