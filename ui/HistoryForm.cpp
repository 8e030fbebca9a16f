// SPDX-License-Identifier: GPL-3.0-or-later
// Data › History… (HistoryForm.h).
#include "ui/HistoryForm.h"

#include "BrookfetchVersion.h"
#include "app/HistoryCsv.h"
#include "model/Q47.h"
#include "platform/files/Files.h"
#include "platform/framework/Application.h"
#include "platform/framework/Convert.h"
#include "platform/framework/NativePath.h"
#include "sheet/ParameterSheet.h"
#include "ui/FileCommands.h"
#include "ui/FileDialogs.h"
#include "ui/HistoryTable.h"
#include "ui/Msg.h"
#include "ui/ProgramTranslation.h"
#include "ui/SheetCommands.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

namespace {

// The first day the date fields offer; shown as "any", it sets no limit.
const QDate NoLimit(2000, 1, 1);

bool HoldsParameters(const THistoryEntry& entry) {
    if (entry.Image.size() != TQ47::ImageSize)
        return false;
    TQ47 model;
    std::memcpy(model.Image, entry.Image.constData(), TQ47::ImageSize);
    return model.ImageValid();
}

// The connector's memory as the history stores it ("small", "large"), in the user's language.
QString ConnectorWords(const QString& memory) {
    if (memory == QLatin1String("small"))
        return THistoryForm::tr("small memory");
    if (memory == QLatin1String("large"))
        return THistoryForm::tr("large memory");
    return memory.isEmpty() ? QStringLiteral("-") : memory;
}

QDateEdit* MakeDateEdit(QWidget* parent, const QString& name) {
    auto* edit = new QDateEdit(parent);
    edit->setObjectName(name);
    edit->setCalendarPopup(true);
    edit->setMinimumDate(NoLimit);
    edit->setMaximumDate(QDate(2099, 12, 31));
    edit->setDate(NoLimit);
    edit->setSpecialValueText(THistoryForm::tr("any"));
    edit->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    return edit;
}

} // namespace

THistoryForm::THistoryForm(TSheetCommands& sheets, QWidget* window)
    : QDialog(window), Sheets(sheets), FileDialogs(std::make_unique<TFileDialogs>(*this)),
      Model(new THistoryTable(this)) {
    setObjectName(QStringLiteral("THistoryForm"));
    setWindowTitle(tr("Programming History"));
    setSizeGripEnabled(true);

    Search = new QLineEdit(this);
    Search->setObjectName(QStringLiteral("HistorySearch"));
    Search->setPlaceholderText(tr("File, adapter serial number, checksum, user..."));
    Search->setClearButtonEnabled(true);
    From = MakeDateEdit(this, QStringLiteral("HistoryFrom"));
    To = MakeDateEdit(this, QStringLiteral("HistoryTo"));
    Outcome = new QComboBox(this);
    Outcome->setObjectName(QStringLiteral("HistoryOutcome"));
    Outcome->addItems({tr("All"), tr("Succeeded"), tr("Failed")});

    auto* filters = new QGridLayout;
    const auto label = [this](const QString& text, QWidget* buddy) {
        auto* made = new QLabel(text, this);
        made->setBuddy(buddy);
        return made;
    };
    filters->addWidget(label(tr("&Search:"), Search), 0, 0);
    filters->addWidget(Search, 0, 1, 1, 5);
    filters->addWidget(label(tr("&From:"), From), 1, 0);
    filters->addWidget(From, 1, 1);
    filters->addWidget(label(tr("&To:"), To), 1, 2);
    filters->addWidget(To, 1, 3);
    filters->addWidget(label(tr("&Result:"), Outcome), 1, 4);
    filters->addWidget(Outcome, 1, 5);
    filters->setColumnStretch(1, 1);
    filters->setColumnStretch(3, 1);
    filters->setColumnStretch(5, 1);

    View = new QTableView(this);
    View->setObjectName(QStringLiteral("HistoryTable"));
    View->setAccessibleName(tr("Entries"));
    View->setModel(Model);
    View->setSelectionBehavior(QAbstractItemView::SelectRows);
    View->setSelectionMode(QAbstractItemView::SingleSelection);
    View->setEditTriggers(QAbstractItemView::NoEditTriggers);
    View->setTabKeyNavigation(false);
    View->setWordWrap(false);
    View->verticalHeader()->hide();
    // Rows of one height and columns sized by their texts' usual widths, not by every row: a
    // history of a hundred thousand entries opens at once.
    View->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    View->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    const auto width = [this](const QString& sample) {
        return fontMetrics().horizontalAdvance(sample) + 24;
    };
    View->setColumnWidth(THistoryTable::Time, width(QStringLiteral("2026-12-31 23:59:59")));
    View->setColumnWidth(THistoryTable::Operation, width(THistoryTable::tr("Verify")) + 12);
    View->setColumnWidth(THistoryTable::Result, width(THistoryTable::tr("Failed")) + 12);
    View->setColumnWidth(THistoryTable::Checksum, width(QStringLiteral("0xFFFF")) + 12);
    View->setColumnWidth(THistoryTable::Adapter, width(QStringLiteral("FT4XQ2B1")) + 12);
    View->setColumnWidth(THistoryTable::File, width(QStringLiteral("M")) * 10);
    // A translated heading may be wider than the column's values.
    for (int column = 0; column < THistoryTable::ColumnCount; ++column)
        View->setColumnWidth(
            column, std::max(View->columnWidth(column),
                             width(Model->headerData(column, Qt::Horizontal).toString()) + 12));
    View->horizontalHeader()->setStretchLastSection(true);

    Details = new QLabel(this);
    Details->setObjectName(QStringLiteral("HistoryDetails"));
    Details->setAccessibleName(tr("Entry"));
    Details->setTextFormat(Qt::PlainText);
    Details->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Details->setWordWrap(true);
    Details->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Details->setMinimumHeight(fontMetrics().lineSpacing() * 4);
    Details->setFocusPolicy(Qt::StrongFocus);
    Status = new QLabel(this);
    Status->setObjectName(QStringLiteral("HistoryStatus"));
    Status->setTextFormat(Qt::PlainText);

    OpenButton = new QPushButton(tr("&Open these parameters"), this);
    OpenButton->setObjectName(QStringLiteral("HistoryOpen"));
    PrintButton = new QPushButton(tr("&Print sheet..."), this);
    PrintButton->setObjectName(QStringLiteral("HistoryPrint"));
    ExportPdfButton = new QPushButton(tr("Export as P&DF..."), this);
    ExportPdfButton->setObjectName(QStringLiteral("HistoryExportPdf"));
    ExportButton = new QPushButton(tr("&Export..."), this);
    ExportButton->setObjectName(QStringLiteral("HistoryExport"));
    auto* closeButtons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    closeButtons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("HistoryClose"));
    // Enter in the search field or the table must not close the window.
    for (QPushButton* button : {OpenButton, PrintButton, ExportPdfButton, ExportButton,
                                closeButtons->button(QDialogButtonBox::Close)})
        button->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(OpenButton);
    buttons->addWidget(PrintButton);
    buttons->addWidget(ExportPdfButton);
    buttons->addStretch();
    buttons->addWidget(ExportButton);
    buttons->addWidget(closeButtons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(View, 1);
    layout->addWidget(Details);
    layout->addWidget(Status);
    layout->addLayout(buttons);
    // Wide enough for every column with a file name of some length, as far as the screen allows.
    int columns = width(QStringLiteral("root@computer")) + 48;
    for (int column = 0; column < THistoryTable::User; ++column)
        columns += View->columnWidth(column);
    const QRect screen = (window ? window->screen() : this->screen())->availableGeometry();
    resize(std::min(columns, screen.width() * 9 / 10),
           std::min(fontMetrics().lineSpacing() * 30, screen.height() * 9 / 10));

    // Typing is taken once it pauses, so that a long history is not filtered at every key.
    Typing = new QTimer(this);
    Typing->setSingleShot(true);
    Typing->setInterval(200);
    connect(Typing, &QTimer::timeout, this, [this] { ApplyFilter(); });
    connect(Search, &QLineEdit::textChanged, Typing, qOverload<>(&QTimer::start));
    connect(Search, &QLineEdit::returnPressed, this, [this] {
        Typing->stop();
        ApplyFilter();
    });
    connect(From, &QDateEdit::dateChanged, this, [this] { ApplyFilter(); });
    connect(To, &QDateEdit::dateChanged, this, [this] { ApplyFilter(); });
    connect(Outcome, &QComboBox::currentIndexChanged, this, [this] { ApplyFilter(); });
    connect(View->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { EntryChosen(); });
    connect(View, &QTableView::activated, this, [this] { OpenExecute(); });
    connect(OpenButton, &QPushButton::clicked, this, [this] { OpenExecute(); });
    connect(PrintButton, &QPushButton::clicked, this, [this] { PrintExecute(); });
    connect(ExportPdfButton, &QPushButton::clicked, this, [this] { ExportPdfExecute(); });
    connect(ExportButton, &QPushButton::clicked, this, [this] { ExportExecute(); });
    connect(closeButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const QList<QWidget*> order{Search,
                                From,
                                To,
                                Outcome,
                                View,
                                Details,
                                OpenButton,
                                PrintButton,
                                ExportPdfButton,
                                ExportButton,
                                closeButtons->button(QDialogButtonBox::Close)};
    for (qsizetype index = 1; index < order.size(); ++index)
        setTabOrder(order[index - 1], order[index]);
}

THistoryForm::~THistoryForm() = default;

std::optional<QByteArray> THistoryForm::Execute(const QString& path) {
    ToOpen.reset();
    Application->SetBusyCursor(true);
    THistoryLoad loaded = LoadHistory(path);
    Application->SetBusyCursor(false);
    if (!loaded.Failure.isEmpty()) {
        Application->MessageBox(MessageText(QStringLiteral("MsgHistoryNotRead")) +
                                    QStringLiteral("\n\n") + loaded.Failure,
                                MessageText(QStringLiteral("MsgError")), MB_OK);
        return std::nullopt;
    }
    Damaged = loaded.Damaged;
    Model->SetEntries(std::move(loaded.Entries));
    ApplyFilter();
    Search->setFocus();
    exec();
    return ToOpen;
}

void THistoryForm::ApplyFilter() {
    THistoryFilter filter;
    filter.Text = Search->text().trimmed();
    if (From->date() != NoLimit)
        filter.Since = From->date().startOfDay();
    if (To->date() != NoLimit)
        filter.Until = To->date().addDays(1).startOfDay();
    if (Outcome->currentIndex() > 0)
        filter.Ok = Outcome->currentIndex() == 1;
    Model->SetFilter(filter);
    if (Model->rowCount() > 0)
        View->setCurrentIndex(Model->index(0, 0));
    EntryChosen();
    ShowCount();
}

void THistoryForm::ShowCount() {
    QString text = tr("%1 of %2 entries shown").arg(Model->rowCount()).arg(Model->AllCount());
    if (Damaged > 0)
        text += QStringLiteral("; ") + tr("damaged lines of the history skipped: %1").arg(Damaged);
    Status->setText(text);
}

QString THistoryForm::StatusLine() const {
    return Status->text();
}

const THistoryEntry* THistoryForm::Chosen() const {
    const QModelIndex current = View->currentIndex();
    return current.isValid() ? &Model->Entry(current.row()) : nullptr;
}

void THistoryForm::EntryChosen() {
    const THistoryEntry* entry = Chosen();
    const bool parameters = entry && HoldsParameters(*entry);
    OpenButton->setEnabled(parameters);
    PrintButton->setEnabled(parameters);
    ExportPdfButton->setEnabled(parameters);
    ExportButton->setEnabled(Model->rowCount() > 0);
    if (!entry) {
        Details->clear();
        return;
    }
    QStringList lines;
    lines << HistoryLocalTime(entry->Time) + QStringLiteral("  ") +
                 THistoryTable::OperationText(entry->Operation) + QStringLiteral(": ") +
                 (entry->Ok ? THistoryTable::tr("OK") : THistoryTable::tr("Failed")) +
                 (entry->Message.isEmpty() ? QString() : QStringLiteral(" – ") + entry->Message);
    if (!entry->File.isEmpty())
        lines << tr("File: %1").arg(entry->File);
    if (!entry->AdapterSerial.isEmpty() || !entry->AdapterName.isEmpty())
        lines << tr("Adapter: %1 %2, serial number %3; connector with %4")
                     .arg(entry->AdapterName, entry->AdapterVersion, entry->AdapterSerial,
                          ConnectorWords(entry->Connector));
    if (!entry->Checksum.isEmpty())
        lines << tr("Checksum: %1").arg(entry->Checksum);
    lines << tr("By %1 on %2 with %3").arg(entry->User, entry->Computer, entry->Program);
    Details->setText(lines.join(QLatin1Char('\n')));
}

void THistoryForm::OpenExecute() {
    const THistoryEntry* entry = Chosen();
    if (!entry || !HoldsParameters(*entry))
        return;
    ToOpen = entry->Image;
    accept();
}

namespace {

// The sheet of an entry's image, named by the file and the connector of the entry, printed now.
TParameterSheet EntrySheet(const THistoryEntry& entry) {
    TParameterSheet::TImage image{};
    std::memcpy(image.data(), entry.Image.constData(), image.size());
    TParameterSheet sheet(image);
    sheet.FileName = entry.File;
    sheet.Program = QStringLiteral("Brookfetch ") + QString::fromLatin1(BrookfetchVersion);
    sheet.Locale = SheetLocale(TProgramTranslation::Language());
    if (!entry.AdapterName.isEmpty() && !entry.Connector.isEmpty())
        sheet.Connector =
            TSheetConnector{entry.Operation == QLatin1String("write"), entry.AdapterName,
                            entry.AdapterVersion, entry.Connector != QLatin1String("large")};
    return sheet;
}

// The name offered for an entry's sheet: the file's, else the checksum's and the day's.
QString SheetName(const THistoryEntry& entry) {
    if (!entry.File.isEmpty())
        return QFileInfo(entry.File).completeBaseName();
    return entry.Checksum + QLatin1Char(' ') +
           entry.Time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

bool THistoryForm::PrintExecute() {
    const THistoryEntry* entry = Chosen();
    return entry && HoldsParameters(*entry) &&
           Sheets.PrintSheet(EntrySheet(*entry), SheetName(*entry), *this);
}

bool THistoryForm::ExportPdfExecute() {
    const THistoryEntry* entry = Chosen();
    return entry && HoldsParameters(*entry) &&
           Sheets.ExportSheet(EntrySheet(*entry), SheetName(*entry), *FileDialogs);
}

bool THistoryForm::ExportExecute() {
    if (Model->rowCount() == 0)
        return false;
    const QString path =
        FileDialogs->Choose(TFileDialogs::TKind::ExportCsv, tr("history") + QStringLiteral(".csv"));
    if (path.isEmpty() || !TFileDialogs::MayReplace(path))
        return false;
    const QByteArray csv = HistoryCsv(Model->Shown(), HistoryCsvSeparator());
    TFileFailure failure;
    if (SaveWholeFile(NativePath(path),
                      std::string_view(csv.constData(), static_cast<std::size_t>(csv.size())),
                      TNewFile::Shared, &failure) != TSaveResult::Saved) {
        Application->MessageBox(MessageText(QStringLiteral("MsgFileError")) +
                                    QStringLiteral("\n\n") +
                                    TFileCommands::NotSavedText(path, failure),
                                MessageText(QStringLiteral("MsgError")), MB_OK);
        return false;
    }
    Status->setText(tr("The entries shown were exported into %1.")
                        .arg(EscapeFileName(QDir::toNativeSeparators(path))));
    return true;
}
