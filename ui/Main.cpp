#include "ui/Main.h"

#include "ui_Main.h"

#include "adapter/TarnAdapter.h"
#include "app/AdapterWords.h"
#include "app/ConnectorSession.h"
#include "app/Workplace.h"
#include "model/Q47.h"
#include "platform/framework/Application.h"
#include "platform/framework/Convert.h"
#include "platform/framework/Exceptions.h"
#include "platform/process/Process.h"
#include "ui/About.h"
#include "ui/Logo.h"
#include "ui/Msg.h"
#include "ui/Placement.h"
#include "ui/Properties.h"
#include "ui/TextFit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QCompleter>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QProgressBar>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShowEvent>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <algorithm>
#include <exception>

TMainForm* MainForm = nullptr;

namespace {

// Runs an event handler of the window through the application's guard.
template <class Handler>
auto Guard(Handler handler) {
    return [handler] { Guarded(handler); };
}

// The exit code of a stop request (a hang-up, quit, interrupt or terminate signal) that came
// during a transfer, or 0. The program ends once the transfer is over, without further
// questions or boxes.
int StopCode = 0;

// A status bar panel of a set width. When the window is narrower than all the panels
// together, the file name gives way first, so that any stored window size can be restored and
// the short texts (result, adapter, connector) stay whole; a text longer than the set width
// (the adapter's name and version in a wide font) widens its panel rather than being cut off.
class TStatusPanel : public QLabel {
public:
    TStatusPanel(int width, bool keepText, QWidget* parent)
        : QLabel(parent), Width(width), KeepText(keepText) {}
    QSize sizeHint() const override {
        const QSize text = QLabel::sizeHint();
        return {std::max(Width, text.width()), text.height()};
    }
    QSize minimumSizeHint() const override {
        const QSize text = QLabel::minimumSizeHint();
        return {KeepText ? text.width() : 0, text.height()};
    }

private:
    int Width;
    bool KeepText;
};

// One connector transfer: the window is busy from construction to destruction, whichever
// way the transfer ends. A signal that would end the program waits until the transfer is
// over, so that no connector is left half written; the program then quits.
class TTransferScope {
public:
    explicit TTransferScope(TMainForm& form) : Form(form) {
        StopCode = 0;
        try {
            Form.BeginTransfer();
        } catch (...) {
            Form.EndTransfer();
            throw;
        }
    }
    ~TTransferScope() {
        Form.EndTransfer();
        if (const int code = StopRequests.Release(); code != 0) {
            StopCode = code;
            QCoreApplication::exit(code);
        }
    }
    TTransferScope(const TTransferScope&) = delete;
    TTransferScope& operator=(const TTransferScope&) = delete;

private:
    process::TStopHold StopRequests;
    TMainForm& Form;
};

// The keyboard focus as it was when a connector command began. The busy state takes it away
// (a disabled window keeps no focus); it goes back when the command is done, unless the
// command has put it on a refused field.
class TFocusReturn {
public:
    explicit TFocusReturn(QWidget& window) : Focused(window.focusWidget()) {}
    ~TFocusReturn() {
        if (Focused && Focused->isEnabled() && Focused->isVisible())
            Focused->setFocus(Qt::OtherFocusReason);
    }
    void Dismiss() { Focused = nullptr; }
    TFocusReturn(const TFocusReturn&) = delete;
    TFocusReturn& operator=(const TFocusReturn&) = delete;

private:
    QPointer<QWidget> Focused;
};

// The one configuration file a drag carries, or empty: several files, other files and
// anything that is not a local file are not taken.
QString DroppedConfiguration(const QMimeData* data) {
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    const QString path = urls.front().toLocalFile();
    return path.endsWith(QLatin1String(".brk"), Qt::CaseInsensitive) ? path : QString();
}

// The file name completion of a file dialog opens a popup of its own, which Enter does not
// close when it accepts the dialog: left open over the main window it would take the next key
// or click. It goes with the dialog.
void ClosePopupsWith(QFileDialog* dialog) {
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog] {
        for (QCompleter* completer : dialog->findChildren<QCompleter*>())
            if (QWidget* popup = completer->popup(); popup && popup->isVisible())
                popup->hide();
    });
}

QString RunModal(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

} // namespace

TMainForm::TMainForm(QWidget* parent, const QString& exePath)
    : QMainWindow(parent), RunFileDialog(RunModal), Timer(new QTimer(this)), LinkState(0),
      ui(new Ui::TMainForm), ExePathOverride(exePath) {
    InitUiResources();
    ui->setupUi(this);
    // The fields' labels and panels are drawn at least as wide as the English texts need;
    // a longer translation widens them.
    KeepContentsWhole(ui->Q47Page);
    Workplace = nullptr;
    // The Data menu's hint belongs to its title; left on the popup, it would show as the tool
    // tip of every item in it ("Read data from adapter" over Write).
    ui->MenuData->menuAction()->setToolTip(ui->MenuData->toolTip());
    ui->MenuData->setToolTip(QString());

    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(1000);
    ConfirmationTimer = new QTimer(this);
    ConfirmationTimer->setObjectName(QStringLiteral("ConfirmationTimer"));
    ConfirmationTimer->setSingleShot(true);
    ConfirmationTimer->setInterval(ConfirmationTime);
    connect(ConfirmationTimer, &QTimer::timeout, this, [this] { EndConfirmation(); });

    // The program alone switches pages: the tab row is never shown.
    ui->PageControl->tabBar()->hide();
    ui->PageControl->setVisible(false);
    ui->Logo->setPixmap(LogoPixmap());

    ui->Q47ModeButtons->setId(ui->Q47ModeSamples, 0);
    ui->Q47ModeButtons->setId(ui->Q47ModeContinuous, 1);

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

    static constexpr int Widths[4] = {100, 400, 150, 50};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new TStatusPanel(Widths[i], i != 1, ui->StatusBar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAlignment((i < 2 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
        panel->setTextFormat(Qt::PlainText);
        // The last panel takes the rest of the bar.
        ui->StatusBar->addWidget(panel, i < 3 ? 0 : 1);
        StatusPanels[i] = panel;
    }

    // The recent files go between Properties and Exit, shown when there are any.
    static_assert(std::size(decltype(MenuFileRecent){}) == TWorkplace::RecentFileCount);
    MenuFileRecentSeparator = ui->MenuFile->insertSeparator(ui->MenuFileExit);
    MenuFileRecentSeparator->setVisible(false);
    for (int i = 0; i < TWorkplace::RecentFileCount; ++i) {
        MenuFileRecent[i] = new QAction(this);
        MenuFileRecent[i]->setObjectName(QStringLiteral("MenuFileRecent%1").arg(i + 1));
        MenuFileRecent[i]->setVisible(false);
        ui->MenuFile->insertAction(MenuFileRecentSeparator, MenuFileRecent[i]);
    }

    // Files are dropped on the window as a whole; the fields take no drops of their own.
    setAcceptDrops(true);
    for (QLineEdit* field : ui->Q47Page->findChildren<QLineEdit*>())
        field->setAcceptDrops(false);

    ConnectActions();
    ConnectPage();
    Guarded([this] { FormCreate(); });
}

TMainForm::~TMainForm() {
    if (Workplace == OwnedWorkplace.get())
        Workplace = nullptr;
}

void TMainForm::ConnectActions() {
    connect(ui->FileNew, &QAction::triggered, this, Guard([this] { FileNewExecute(); }));
    connect(ui->FileOpen, &QAction::triggered, this, Guard([this] { FileOpenExecute(); }));
    connect(ui->FileSave, &QAction::triggered, this, Guard([this] { FileSaveExecute(); }));
    connect(ui->FileSaveAs, &QAction::triggered, this, Guard([this] { FileSaveAsExecute(); }));
    connect(ui->FileProperties, &QAction::triggered, this,
            Guard([this] { FilePropertiesExecute(); }));
    connect(ui->FileExit, &QAction::triggered, this, Guard([this] { FileExitExecute(); }));
    connect(ui->HelpAbout, &QAction::triggered, this, Guard([this] { HelpAboutExecute(); }));
    connect(ui->DataRead, &QAction::triggered, this, Guard([this] { DataReadExecute(); }));
    connect(ui->DataWrite, &QAction::triggered, this, Guard([this] { DataWriteExecute(); }));
    connect(Timer, &QTimer::timeout, this, [this] { TimerTick(); });
    for (int i = 0; i < TWorkplace::RecentFileCount; ++i)
        connect(MenuFileRecent[i], &QAction::triggered, this,
                Guard([this, i] { FileRecentExecute(i); }));

    // Exit has the shortcut every other program on the desktop has.
    ui->FileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    // Shortcuts work wherever the focus is in the window.
    addActions({ui->FileNew, ui->FileOpen, ui->FileSave, ui->FileSaveAs, ui->FileProperties,
                ui->FileExit, ui->HelpAbout, ui->DataRead, ui->DataWrite});

    LinkMenuItem(ui->MenuFileNew, ui->FileNew);
    LinkMenuItem(ui->MenuFileOpen, ui->FileOpen);
    LinkMenuItem(ui->MenuFileSave, ui->FileSave);
    LinkMenuItem(ui->MenuFileSaveAs, ui->FileSaveAs);
    LinkMenuItem(ui->MenuFileProperties, ui->FileProperties);
    LinkMenuItem(ui->MenuFileExit, ui->FileExit);
    LinkMenuItem(ui->MenuDataRead, ui->DataRead);
    LinkMenuItem(ui->MenuDataWrite1, ui->DataWrite);
    LinkMenuItem(ui->MenuHelpAbout, ui->HelpAbout);
}

// A menu item follows its action: caption, hint, shortcut text, icon and enabled state, and
// choosing it runs the action. The shortcut itself belongs to the action alone.
void TMainForm::LinkMenuItem(QAction* item, QAction* action) {
    const auto follow = [item, action] {
        QString text = action->text();
        if (!action->shortcut().isEmpty())
            text += QLatin1Char('\t') + action->shortcut().toString(QKeySequence::NativeText);
        item->setText(text);
        item->setToolTip(action->toolTip());
        item->setIcon(action->icon());
        item->setEnabled(action->isEnabled());
        item->setVisible(action->isVisible());
    };
    follow();
    connect(action, &QAction::changed, item, follow);
    connect(item, &QAction::triggered, action, &QAction::trigger);
}

void TMainForm::ConnectPage() {
    connect(ui->Q47ModeButtons, &QButtonGroup::idClicked, this, Guard([this] { Q47ModeClick(); }));
    const auto edit = [this](QLineEdit* field, void (TMainForm::*handler)()) {
        connect(field, &QLineEdit::textChanged, this,
                Guard([this, handler] { (this->*handler)(); }));
    };
    edit(ui->Q47SamplesCount, &TMainForm::Q47SamplesCountChange);
    edit(ui->Q47PrePurge, &TMainForm::Q47PrePurgeChange);
    edit(ui->Q47PostPurge, &TMainForm::Q47PostPurgeChange);
    edit(ui->Q47DeadTime, &TMainForm::Q47DeadTimeChange);
    edit(ui->Q47PurgesCount, &TMainForm::Q47PurgesCountChange);
    edit(ui->Q47SamplingInterval, &TMainForm::Q47SamplingIntervalChange);
    edit(ui->Q47Aeration, &TMainForm::Q47AerationChange);
    edit(ui->Q47MaxSuctionTime, &TMainForm::Q47MaxSuctionTimeChange);
    edit(ui->Q47AccuWarning, &TMainForm::Q47AccuWarningChange);
    edit(ui->Q47AccuOff, &TMainForm::Q47AccuOffChange);
    connect(ui->Q47VarMode, &QComboBox::currentIndexChanged, this,
            Guard([this] { Q47VarModeChange(); }));
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
    Workplace->MessageText = [](const QString& label) { return MessageText(label); };
    Workplace->LoadSettings();
    ShowRecentFiles();
    // A placement from another screen (a monitor since unplugged, a hand-edited file) is made
    // to fit the screens there are, so the window is always seen and never larger than they.
    QList<QRect> screens;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        screens.push_back(primary->availableGeometry());
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            screens.push_back(screen->availableGeometry());
    const TPlacement placement = FitToScreens(Workplace->MainLeft, Workplace->MainTop,
                                              Workplace->MainWidth, Workplace->MainHeight, screens);
    move(placement.Position);
    resize(placement.Size);
    NormalBounds = QRect(pos(), size());
    setWindowState(Workplace->MainState ? Qt::WindowMaximized : Qt::WindowNoState);
    // The connector status check enables them once a connector is found.
    ui->DataRead->setEnabled(false);
    ui->DataWrite->setEnabled(false);
}

void TMainForm::FormShow() {
    ui->PageControl->setCurrentWidget(ui->EmptyTab);
    ui->TabShield->raise();
    ui->PageControl->setVisible(true);
    FileNewExecute();
}

bool TMainForm::FormCloseQuery() {
    return !Workplace->Modified || QuerySave();
}

void TMainForm::FormClose() {
    // A maximized window keeps the place and size it goes back to, as Windows' window
    // placement does; the next start maximizes it over them.
    const bool maximized = isMaximized();
    const QRect bounds = maximized ? NormalBounds : QRect(pos(), size());
    Workplace->MainTop = bounds.y();
    Workplace->MainLeft = bounds.x();
    Workplace->MainHeight = bounds.height();
    Workplace->MainWidth = bounds.width();
    Workplace->MainState = maximized ? 1 : 0;
    Workplace->SaveSettings();
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        Guarded([this] { FormShow(); });
}

// The window manager's frame is known from the first move or resize after it framed the
// window.
void TMainForm::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (!FrameFitted && frameGeometry() != geometry())
        FitFrame();
    RememberNormalBounds();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!FrameFitted && frameGeometry() != geometry())
        FitFrame();
    RememberNormalBounds();
}

// The stored size is the inside of the window; the title bar and border of the window
// manager come on top, known only once the window is on the screen. When they make the
// window larger than the screen, the inside gives way, and a frame reaching over an edge of
// the screen is moved back inside; once.
void TMainForm::FitFrame() {
    FrameFitted = true;
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen) || !screen())
        return;
    const QRect available = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    const QSize margins = frame.size() - size();
    const int width = std::min(this->width(), available.width() - margins.width());
    const int height = std::min(this->height(), available.height() - margins.height());
    if (width != this->width() || height != this->height())
        resize(width, height);
    const QSize outside = size() + margins;
    const QPoint place(MoveInside(frame.x(), outside.width(), available.x(), available.width()),
                       MoveInside(frame.y(), outside.height(), available.y(), available.height()));
    if (place != frame.topLeft())
        move(place);
}

// What a maximized window goes back to, and what is stored for it: the place and size it had
// when it was last neither maximized nor minimized. The window manager's own move and resize
// for maximizing may come before it says the window is maximized; the bounds are taken once
// the events of the moment are all in.
void TMainForm::RememberNormalBounds() {
    QTimer::singleShot(0, this, [this] {
        if (!(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
            NormalBounds = QRect(pos(), size());
    });
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedConfiguration(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
    const QString path = DroppedConfiguration(event->mimeData());
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
    if (!Workplace->Modified)
        return true;
    switch (Application->MessageBox(MessageText(QStringLiteral("MsgFileModifiedQ")),
                                    MessageText(QStringLiteral("MsgConfirmation")),
                                    MB_YESNOCANCEL)) {
    case IDYES:
        // Only saved data may be dropped: a refused field, a cancelled Save As or a failed save
        // stop the command with the edits still on the page.
        return FileSaveExecute();
    case IDNO:
        // A command that may yet keep the data on the page must not forget they were changed.
        if (discards)
            Workplace->Modified = false;
        return true;
    default:
        return false;
    }
}

void TMainForm::FileNewExecute() {
    if (!QuerySave())
        return;
    Workplace->NewDataSet();
    ui->PageControl->setCurrentWidget(ui->EmptyTab);
    SetTimerInterval(1000);
    ShowStatus();
    ModelToPage();
}

void TMainForm::FileOpenExecute() {
    if (!QuerySave(false))
        return;
    QFileDialog& dialog = OpenDialog();
    StartInFolder(dialog);
    const QString path = ChosenFile(dialog);
    if (!path.isEmpty())
        LoadFile(path);
}

void TMainForm::OpenNamedFile(QString path) {
    if (QuerySave(false))
        LoadFile(path);
}

void TMainForm::OpenRequested(QString path) {
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
    if (!path.isEmpty())
        OpenWhenFree(path);
}

// Asked from the event loop, a request may find a question or dialog of this window open, or a
// transfer that let the events through: the file waits until they are done.
void TMainForm::OpenWhenFree(const QString& path) {
    if (QApplication::activeModalWidget() || !isEnabled()) {
        QTimer::singleShot(250, this, Guard([this, path] { OpenWhenFree(path); }));
        return;
    }
    OpenNamedFile(path);
}

// A file that cannot be loaded is reported, and the data on the page stay as they were:
// a technician must never take defaults for the file's parameters.
void TMainForm::LoadFile(const QString& path) {
    if (Workplace->OpenFile(path)) {
        ShowStatus();
        ModelToPage();
        return;
    }
    ShowRecentFiles(); // a file that is gone has left the list
    QString reason;
    switch (Workplace->LoadFailure) {
    case TWorkplace::TLoadFailure::Missing:
        reason = QStringLiteral("MsgOpenMissing");
        break;
    case TWorkplace::TLoadFailure::Unreadable:
        reason = QStringLiteral("MsgOpenUnreadable");
        break;
    case TWorkplace::TLoadFailure::TooShort:
        reason = QStringLiteral("MsgOpenTooShort");
        break;
    case TWorkplace::TLoadFailure::Damaged:
        reason = QStringLiteral("MsgOpenDamaged");
        break;
    case TWorkplace::TLoadFailure::None:
        throw Exception(ErrorSwitchFile("Main", __LINE__));
    }
    // The panel says so already while the box is open, instead of an earlier success.
    SetStatusText(0, MessageText(QStringLiteral("MsgError")));
    // Named as the system names files: C:\Sites\river.brk on Windows.
    const QString name = EscapeFileName(QDir::toNativeSeparators(path));
    Application->MessageBox(MessageText(reason).arg(name) + QStringLiteral("\n\n") +
                                MessageText(QStringLiteral("MsgOpenKept")),
                            MessageText(QStringLiteral("MsgError")), MB_OK);
}

// Open and Save As start in the folder of the current file, else in the last one chosen.
void TMainForm::StartInFolder(QFileDialog& dialog) const {
    const QString folder = Workplace->FileName.isEmpty()
                               ? Workplace->LastFolder
                               : QFileInfo(Workplace->FileName).absolutePath();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        dialog.setDirectory(folder);
}

QString TMainForm::ChosenFile(QFileDialog& dialog) {
    const QString path = RunFileDialog(dialog);
    if (!path.isEmpty())
        Workplace->LastFolder = QFileInfo(path).absolutePath();
    return path;
}

void TMainForm::FileRecentExecute(int index) {
    // Taken before the save question, which may put the current file at the head of the list.
    const QString path = Workplace->RecentFiles.value(index);
    if (!path.isEmpty())
        OpenNamedFile(path);
}

void TMainForm::ShowRecentFiles() {
    const QStringList& files = Workplace->RecentFiles;
    const QFontMetrics metrics(ui->MenuFile->font());
    for (int i = 0; i < TWorkplace::RecentFileCount; ++i) {
        QAction* item = MenuFileRecent[i];
        item->setVisible(i < files.size());
        if (i >= files.size())
            continue;
        // "&1 /folder/name.brk": the digit is the accelerator, an "&" of the path is shown.
        QString name = metrics.elidedText(QDir::toNativeSeparators(files[i]), Qt::ElideMiddle,
                                          metrics.averageCharWidth() * 60);
        item->setText(QLatin1Char('&') + QString::number(i + 1) + QLatin1Char(' ') +
                      name.replace(QLatin1Char('&'), QLatin1String("&&")));
    }
    MenuFileRecentSeparator->setVisible(!files.isEmpty());
}

// The keyboard focus goes back where it was, as after Read and Write, unless a refused field
// took it.
bool TMainForm::FileSaveExecute() {
    TFocusReturn focus(*this);
    ClearFocus();
    if (!PageToModel()) {
        focus.Dismiss();
        return false;
    }
    if (Workplace->FileName.isEmpty())
        return FileSaveAsExecute();
    const bool saved = Workplace->SaveFile(Workplace->FileName);
    ShowStatus();
    if (saved)
        ShowConfirmation(MessageText(QStringLiteral("MsgFileSaved")));
    return saved;
}

bool TMainForm::FileSaveAsExecute() {
    TFocusReturn focus(*this);
    ClearFocus();
    if (!PageToModel()) {
        focus.Dismiss();
        return false;
    }
    QFileDialog& dialog = SaveDialog();
    StartInFolder(dialog);
    dialog.selectFile(Workplace->FileName.isEmpty() ? MessageText(QStringLiteral("MsgNonameFile"))
                                                    : Workplace->FileName);
    const QString path = ChosenFile(dialog);
    if (path.isEmpty())
        return false;
    if (QFileInfo::exists(path) &&
        Application->MessageBox(MessageText(QStringLiteral("MsgFileExistsQ")),
                                MessageText(QStringLiteral("MsgConfirmation")),
                                MB_OKCANCEL) != IDOK)
        return false;
    const bool saved = Workplace->SaveFile(path);
    ShowStatus();
    if (saved)
        ShowConfirmation(MessageText(QStringLiteral("MsgFileSaved")));
    return saved;
}

void TMainForm::FilePropertiesExecute() {
    if (!QuerySave(false))
        return;
    const int previous = Workplace->LanguageId;
    if (PropertiesDialog->Execute() && Workplace->LanguageId != previous)
        Workplace->ApplyLanguage();
}

void TMainForm::FileExitExecute() {
    close();
}

void TMainForm::HelpAboutExecute() {
    AboutBox->exec();
}

QFileDialog& TMainForm::OpenDialog() {
    if (!FileOpenDialog) {
        FileOpenDialog = new QFileDialog(this, tr("Open File"));
        FileOpenDialog->setObjectName(QStringLiteral("FileOpenDialog"));
        FileOpenDialog->setAcceptMode(QFileDialog::AcceptOpen);
        FileOpenDialog->setFileMode(QFileDialog::AnyFile);
        FileOpenDialog->setNameFilter(tr("Brookfetch Configuration (*.brk)"));
        FileOpenDialog->setDefaultSuffix(QStringLiteral("brk"));
        ClosePopupsWith(FileOpenDialog);
    }
    return *FileOpenDialog;
}

QFileDialog& TMainForm::SaveDialog() {
    if (!FileSaveDialog) {
        FileSaveDialog = new QFileDialog(this, tr("Save file"));
        FileSaveDialog->setObjectName(QStringLiteral("FileSaveDialog"));
        FileSaveDialog->setAcceptMode(QFileDialog::AcceptSave);
        FileSaveDialog->setFileMode(QFileDialog::AnyFile);
        FileSaveDialog->setNameFilter(tr("Brookfetch Configuration (*.brk)"));
        FileSaveDialog->setDefaultSuffix(QStringLiteral("brk"));
        // The program asks about overwriting itself, with its own message texts.
        FileSaveDialog->setOption(QFileDialog::DontConfirmOverwrite);
        ClosePopupsWith(FileSaveDialog);
    }
    return *FileSaveDialog;
}

// ---- Connector commands and status timer ------------------------------------------------

// The timer's handler as the event loop runs it. An internal failure ends the tick with the
// error box; while that box is open the timer keeps running (the box has its own event loop)
// but its ticks do nothing, so a faulty adapter does not pile up one box per second.
void TMainForm::TimerTick() {
    // A tick can also come from the event loop of an error box shown while the windows are
    // still being built (a settings file that cannot be written); until the message texts
    // exist it has nothing to show and would only raise a second box.
    if (TickErrorOpen || !MsgTemplate)
        return;
    try {
        TimerTimer();
    } catch (const Exception& error) {
        const QScopedValueRollback<bool> open(TickErrorOpen, true);
        Application->ShowException(error);
    } catch (const std::exception& error) {
        // As every other handler: shown, not carried across the event loop.
        const QScopedValueRollback<bool> open(TickErrorOpen, true);
        Application->ShowException(Exception(QString::fromLocal8Bit(error.what())));
    }
}

// Setting the interval restarts the count, so only a change is made.
void TMainForm::SetTimerInterval(int milliseconds) {
    if (Timer->interval() != milliseconds)
        Timer->setInterval(milliseconds);
}

void TMainForm::TimerTimer() {
    // The logo page shown at start-up and after New gives way to the parameters.
    ui->PageControl->setCurrentWidget(ui->Q47Tab);
    TTarnDevice& adapter = *Workplace->Adapter;
    TConnectorSession& session = *Workplace->Connector;
    if (LinkState == 0) {
        SetTimerInterval(1000);
        if (const TAdapterOpen found = session.FindAdapter(); !found.Ok()) {
            LinkState = 0;
            SetStatusText(2, MessageText(QStringLiteral("MsgNoAdapter")));
            StatusPanels[2]->setToolTip(
                AdapterProblemWords(found, TAdapterReader::Window, {}, &TMainForm::MessageText));
            SetStatusText(3, QString());
            ui->DataRead->setEnabled(false);
            ui->DataWrite->setEnabled(false);
            return;
        }
        SetStatusText(
            2, QString::asprintf("%s %x.%02x\n",
                                 EscapeControlCharacters(adapter.Description).toUtf8().constData(),
                                 unsigned(adapter.Version >> 8), unsigned(adapter.Version & 255)));
        StatusPanels[2]->setToolTip(QString());
        LinkState = 1;
    }
    if (LinkState == 1) {
        const TConnectorAnswer answer = session.Ask();
        if (!answer.Answered) {
            // The panels and commands change at the next tick, when the version query fails.
            SetTimerInterval(1000);
            LinkState = 0;
            return;
        }
        // A garbled answer shows as no connector until the next tick asks again.
        if (answer.Presence == TPresence::Present && answer.SmallMemory) {
            SetStatusText(3, MessageText(QStringLiteral("MsgConnectorOk")));
            SetTimerInterval(5000);
            ui->DataRead->setEnabled(true);
            ui->DataWrite->setEnabled(true);
        } else {
            // A connector pulled after it was found leaves Read and Write as they were.
            SetStatusText(3, MessageText(QStringLiteral("MsgConnectorErr")));
        }
    }
}

void TMainForm::TransferProgress(int percent) {
    ui->ProgressBar->setValue(percent);
}

void TMainForm::BeginTransfer() {
    ui->ProgressBar->setValue(0);
    ui->ProgressBar->show();
    ui->ProgressBar->repaint();
    Timer->stop();
    setEnabled(false);
    // The window repaints in its busy state before the transfer blocks the thread.
    Application->ProcessMessages();
    Application->SetBusyCursor(true);
    Workplace->Adapter->OnProgress = [this](int percent) { TransferProgress(percent); };
}

void TMainForm::EndTransfer() {
    ui->ProgressBar->setValue(0);
    ui->ProgressBar->hide();
    Workplace->Adapter->OnProgress = nullptr;
    setEnabled(true);
    Timer->start();
    Application->SetBusyCursor(false);
}

void TMainForm::DataReadExecute() {
    const TFocusReturn focus(*this);
    if (!QuerySave())
        return;
    bool read = false;
    try {
        const TTransferScope transfer(*this);
        read = Workplace->ReadConnector();
    } catch (...) {
        if (StopCode != 0)
            return;
        // The read had begun a new data set: the page shows it, as after a failed read, so
        // that page, file name and workplace agree when the error box has been closed.
        SetStatusText(1, MessageText(QStringLiteral("MsgNoname")));
        ModelToPage();
        throw;
    }
    if (StopCode != 0)
        return;
    ShowStatus();
    if (read) {
        ModelToPage();
        ShowConfirmation(MessageText(QStringLiteral("MsgConnectorRead")));
        return;
    }
    // Nothing of a failed read remains: a new data set with the defaults.
    FileNewExecute();
}

void TMainForm::DataWriteExecute() {
    TFocusReturn focus(*this);
    ClearFocus();
    if (!PageToModel()) {
        focus.Dismiss();
        return;
    }
    if (Application->MessageBox(MessageText(QStringLiteral("MsgReallyWriteQ")),
                                MessageText(QStringLiteral("MsgConfirmation")),
                                MB_OKCANCEL) != IDOK)
        return;
    bool written = false;
    {
        // The outcome is in the model's LastError, which ShowStatus reports.
        const TTransferScope transfer(*this);
        written = Workplace->WriteConnector();
    }
    if (StopCode != 0)
        return;
    ShowStatus();
    if (written)
        ShowConfirmation(MessageText(QStringLiteral("MsgConnectorWritten")));
}

// ---- Status ------------------------------------------------------------------------------

QString TMainForm::MessageText(const QString& label) {
    if (MsgTemplate)
        return MsgTemplate->Text(label);
    // The settings are read while the main window is made, before the message texts: a
    // settings file that cannot be written is told from a copy of them, translated alike.
    return TMsgTemplate().Text(label);
}

QString TMainForm::StatusText(int panel) const {
    if (panel < 0 || panel > 3)
        throw Exception(ErrorOnFile("Main", __LINE__));
    return StatusTexts[panel];
}

void TMainForm::SetStatusText(int panel, const QString& text) {
    if (panel < 0 || panel > 3)
        throw Exception(ErrorOnFile("Main", __LINE__));
    StatusTexts[panel] = text;
    if (panel == 0 && ConfirmationTimer->isActive()) {
        // A newer result replaces the confirmation at once.
        EndConfirmation();
        return;
    }
    // The adapter's text ends in a line feed, which a one-line panel cannot show.
    QString shown = text;
    while (shown.endsWith(QLatin1Char('\n')) || shown.endsWith(QLatin1Char('\r')))
        shown.chop(1);
    StatusPanels[panel]->setText(shown.replace(QLatin1Char('\n'), QLatin1Char(' ')));
}

void TMainForm::ShowConfirmation(const QString& text) {
    QLabel* panel = StatusPanels[0];
    panel->setText(text);
    panel->setAutoFillBackground(true);
    panel->setBackgroundRole(QPalette::Highlight);
    panel->setForegroundRole(QPalette::HighlightedText);
    ConfirmationTimer->start();
}

void TMainForm::EndConfirmation() {
    ConfirmationTimer->stop();
    QLabel* panel = StatusPanels[0];
    panel->setAutoFillBackground(false);
    panel->setBackgroundRole(QPalette::Window);
    panel->setForegroundRole(QPalette::WindowText);
    SetStatusText(0, StatusTexts[0]);
}

void TMainForm::ShowError(const QString& label, const QString& more) {
    Application->MessageBox(MessageText(label) + (more.isEmpty()
                                                      ? QString()
                                                      : QStringLiteral("\n\n") + MessageText(more)),
                            MessageText(QStringLiteral("MsgError")), MB_OK);
    SetStatusText(0, MessageText(QStringLiteral("MsgError")));
}

void TMainForm::ShowStatus() {
    // Open and Save change the recent files; the File menu follows them here.
    ShowRecentFiles();
    // Named as the system names files: C:\Sites\river.brk on Windows.
    SetStatusText(1, Workplace->FileName.isEmpty() ? MessageText(QStringLiteral("MsgNoname"))
                                                   : QDir::toNativeSeparators(Workplace->FileName));
    switch (Workplace->Model->LastError) {
    case TQ47::NoError:
        SetStatusText(0, MessageText(QStringLiteral("MsgOK")));
        break;
    case TQ47::CommError:
        // What a cut transfer left on the connector follows the communication error.
        switch (Workplace->Model->Left) {
        case TQ47::TConnectorLeft::Mixed:
            ShowError(QStringLiteral("MsgCommError"), QStringLiteral("MsgConnectorMixed"));
            break;
        case TQ47::TConnectorLeft::BadChecksum:
            ShowError(QStringLiteral("MsgCommError"), QStringLiteral("MsgConnectorHalfWritten"));
            break;
        default:
            ShowError(QStringLiteral("MsgCommError"));
            break;
        }
        break;
    case TQ47::FileError:
        ShowError(QStringLiteral("MsgFileError"));
        break;
    case TQ47::RangeError:
        ShowError(QStringLiteral("MsgParameterOut"));
        break;
    default:
        throw Exception(ErrorSwitchFile("Main", __LINE__));
    }
}

// ---- Parameter page ----------------------------------------------------------------------

// Writing an unchanged text would still count as an edit; only real changes are made.
void TMainForm::SetText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

void TMainForm::ModelToPage() {
    const TQ47& model = *Workplace->Model;
    SetText(ui->Q47PumpPulses, QString::number(model.PumpPulses));
    SetText(ui->Q47DeadTime, SecondsToText(model.DeadTime));
    SetText(ui->Q47PrePurge, QString::number(model.PrePurge));
    SetText(ui->Q47Aeration, QString::number(model.Aeration));
    SetText(ui->Q47PostPurge, QString::number(model.PostPurge));
    SetText(ui->Q47SamplingInterval, SecondsToText(model.SamplingInterval));
    SetText(ui->Q47SamplesCount, QString::number(model.SamplesCount));
    if (model.Continuous)
        ui->Q47ModeContinuous->setChecked(true);
    else
        ui->Q47ModeSamples->setChecked(true);
    ui->Q47SamplesCount->setEnabled(!model.Continuous);
    ui->Q47SamplesCountLabel->setEnabled(!model.Continuous);
    SetText(ui->Q47AccuWarning, FloatToStrFixed(model.AccuWarning, 1));
    SetText(ui->Q47AccuOff, FloatToStrFixed(model.AccuOff, 1));
    SetText(ui->Q47MaxSuctionTime, QString::number(model.MaxSuctionTime));
    SetText(ui->Q47PurgesCount, QString::number(model.PurgesCount));
    // Code 2 passes the model's check but has no item of its own.
    const int item = model.VarMode == 1 ? 1 : model.VarMode == 3 ? 2 : 0;
    if (ui->Q47VarMode->currentIndex() != item)
        ui->Q47VarMode->setCurrentIndex(item);
    Workplace->Modified = false;
}

bool TMainForm::PageToModel() {
    TQ47& model = *Workplace->Model;
    QWidget* field = ui->Q47Mode;
    try {
        const int mode = ui->Q47ModeButtons->checkedId();
        field = mode == 1 ? ui->Q47ModeContinuous : ui->Q47ModeSamples;
        if (mode == 0) {
            model.Continuous = false;
            field = ui->Q47SamplesCount;
            model.SetSamplesCount(StrToInt(ui->Q47SamplesCount->text()));
        } else if (mode == 1) {
            // The samples count is not used in continuous mode and is left as it is.
            model.Continuous = true;
        }
        field = ui->Q47PrePurge;
        model.SetPrePurge(StrToInt(ui->Q47PrePurge->text()));
        field = ui->Q47PostPurge;
        model.SetPostPurge(StrToInt(ui->Q47PostPurge->text()));
        field = ui->Q47VarMode;
        switch (ui->Q47VarMode->currentIndex()) {
        case 0:
            model.SetVarMode(0);
            break;
        case 1:
            model.SetVarMode(1);
            break;
        case 2:
            model.SetVarMode(3);
            break;
        default:
            throw Exception(ErrorSwitchFile("Main", __LINE__));
        }
        int seconds = 0;
        field = ui->Q47DeadTime;
        if (!TimeTextToSeconds(ui->Q47DeadTime->text(), seconds))
            throw EConvertError(QString());
        model.SetDeadTime(seconds);
        SetText(ui->Q47DeadTime, SecondsToText(seconds));
        field = ui->Q47PurgesCount;
        model.SetPurgesCount(StrToInt(ui->Q47PurgesCount->text()));
        field = ui->Q47SamplingInterval;
        if (!TimeTextToSeconds(ui->Q47SamplingInterval->text(), seconds))
            throw EConvertError(QString());
        model.SetSamplingInterval(seconds);
        SetText(ui->Q47SamplingInterval, SecondsToText(seconds));
        field = ui->Q47Aeration;
        model.SetAeration(StrToInt(ui->Q47Aeration->text()));
        field = ui->Q47MaxSuctionTime;
        model.SetMaxSuctionTime(StrToInt(ui->Q47MaxSuctionTime->text()));
        field = ui->Q47AccuWarning;
        model.SetAccuWarning(StrToFloat(ui->Q47AccuWarning->text()));
        field = ui->Q47AccuOff;
        model.SetAccuOff(StrToFloat(ui->Q47AccuOff->text()));
        return true;
    } catch (const EConvertError&) {
        Application->MessageBox(MessageText(QStringLiteral("MsgParameterFormat")),
                                MessageText(QStringLiteral("MsgError")), MB_OK);
        FocusField(field);
        return false;
    } catch (const ERangeError&) {
        ShowStatus();
        FocusField(field);
        return false;
    }
}

// The refused field is brought into view and given the focus, its text selected for
// retyping.
void TMainForm::FocusField(QWidget* field) {
    ui->PageControl->setCurrentWidget(ui->Q47Tab);
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
}

void TMainForm::ClearFocus() {
    if (QWidget* focused = focusWidget())
        focused->clearFocus();
}

void TMainForm::Q47ModeClick() {
    const bool samples = ui->Q47ModeButtons->checkedId() == 0;
    ui->Q47SamplesCount->setEnabled(samples);
    ui->Q47SamplesCountLabel->setEnabled(samples);
    Workplace->Modified = true;
}

void TMainForm::Q47SamplesCountChange() {
    Workplace->Modified = true;
}
void TMainForm::Q47PrePurgeChange() {
    Workplace->Modified = true;
}
void TMainForm::Q47PostPurgeChange() {
    Workplace->Modified = true;
}
void TMainForm::Q47VarModeChange() {
    Workplace->Modified = true;
}
void TMainForm::Q47DeadTimeChange() {
    Workplace->Modified = true;
}
void TMainForm::Q47PurgesCountChange() {
    Workplace->Modified = true;
}
void TMainForm::Q47SamplingIntervalChange() {
    Workplace->Modified = true;
}
void TMainForm::Q47AerationChange() {
    Workplace->Modified = true;
}
void TMainForm::Q47MaxSuctionTimeChange() {
    Workplace->Modified = true;
}
void TMainForm::Q47AccuWarningChange() {
    Workplace->Modified = true;
}
void TMainForm::Q47AccuOffChange() {
    Workplace->Modified = true;
}
