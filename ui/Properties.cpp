// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Properties.h"

#include "ui_Properties.h"

#include "app/History.h"
#include "app/Workplace.h"
#include "platform/registry/Languages.h"
#include "platform/registry/Translation.h"
#include "ui/AccessibleNames.h"
#include "ui/DialogFrame.h"
#include "ui/TextFit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLayout>
#include <algorithm>
#include <vector>

TPropertiesDialog* PropertiesDialog = nullptr;

namespace {

// The name of the language of a code ("deu" -> "Deutsch"), as its speakers write it: someone
// who chose a language they cannot read finds their own in the list. Empty for a code of none
// of ours.
QString OwnNameOfCode(const QString& code) {
    const QLocale::Language language = LanguageOfCode(code);
    for (const TLanguage& entry : Languages)
        if (entry.Language == language)
            return QString::fromUtf8(entry.Name);
    return QString();
}

// Where a name stands in the list: its letters without their accents, as an alphabetical list
// of names in Latin and Cyrillic letters takes them (Čeština beside Czech names, the Cyrillic
// names after the Latin ones). Qt's own Unicode tables suffice; a collator would load the
// whole ICU collation data at start-up for fourteen names.
QString AlphabetKey(const QString& name) {
    QString key;
    for (const QChar c : name.normalized(QString::NormalizationForm_D))
        if (!c.isMark())
            key += c.toCaseFolded();
    return key;
}

} // namespace

TPropertiesDialog::TPropertiesDialog(QWidget* window)
    : ui(new Ui::TPropertiesDialog), Window(window) {
    ui->setupUi(this);
    GiveDialogFrame(*this);
    // The list is in the order of the names; each item carries its LanguageId, the index
    // of the settings file's table.
    QComboBox* list = ui->PropertiesLanguage;
    list->setItemData(0, 0);
    std::vector<std::pair<QString, int>> languages;
    for (int id = 1; id < TWorkplace::LanguageCount; ++id)
        languages.emplace_back(OwnNameOfCode(TWorkplace::LanguageCode(id)), id);
    std::sort(languages.begin(), languages.end(), [](const auto& a, const auto& b) {
        return AlphabetKey(a.first) < AlphabetKey(b.first);
    });
    for (const auto& [name, id] : languages)
        list->addItem(name, id);
    // What <Default> stands for: the language the user's locale finds a translation for.
    const QString exePath =
        Workplace ? Workplace->ExePath : QCoreApplication::applicationFilePath();
    QString resolved = OwnNameOfCode(QFileInfo(LocaleTranslationFile(exePath)).suffix());
    if (resolved.isEmpty())
        resolved = OwnNameOfCode(QStringLiteral("enu"));
    list->setItemText(0, QStringLiteral("%1 (%2)").arg(list->itemText(0), resolved));
    // Empty keeps the history in the user's own data folder, which the field shows greyed.
    ui->PropertiesHistory->setPlaceholderText(QDir::toNativeSeparators(HistoryPath()));
    ui->PropertiesHistory->setClearButtonEnabled(true);
    ChooseFolder = [this](const QString& start) {
        return QFileDialog::getExistingDirectory(
            this, ui->HistoryLabel->text().remove(QLatin1Char('&')), start);
    };
    connect(ui->PropertiesHistoryBrowse, &QPushButton::clicked, this, [this] {
        const QString current = ui->PropertiesHistory->text().trimmed();
        const QString start = current.isEmpty()            ? QFileInfo(HistoryPath()).absolutePath()
                              : QFileInfo(current).isDir() ? current
                                                           : QFileInfo(current).absolutePath();
        const QString chosen = ChooseFolder(start);
        if (!chosen.isEmpty())
            ui->PropertiesHistory->setText(QDir::toNativeSeparators(chosen));
    });
    accessibility::NameControls(this);
    connect(ui->OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TPropertiesDialog::~TPropertiesDialog() = default;

bool TPropertiesDialog::Execute() {
    // An index from a hand-edited settings file that names no language selects nothing; OK
    // without a choice then leaves the language as it is (the file keeps its index).
    QComboBox* list = ui->PropertiesLanguage;
    list->setCurrentIndex(list->findData(Workplace->LanguageId));
    ui->PropertiesHistory->setText(QDir::toNativeSeparators(Workplace->HistoryFile));
    if (exec() != QDialog::Accepted)
        return false;
    if (list->currentIndex() >= 0)
        Workplace->LanguageId = list->currentData().toInt();
    // A name without its folders would name another file wherever the program was started
    // from: it is taken in the user's home folder, and kept as the full path.
    const QString place = QDir::fromNativeSeparators(ui->PropertiesHistory->text().trimmed());
    Workplace->HistoryFile = place.isEmpty() ? place : QDir::home().absoluteFilePath(place);
    return true;
}

void TPropertiesDialog::showEvent(QShowEvent* event) {
    FitTexts();
    PlaceDialog(*this, Window);
    QDialog::showEvent(event);
}

// The layout holds the drawing's places for the English texts; a longer label or language name
// widens what is to its right, the frame and the dialog. Longer button texts widen both
// buttons alike. Done as the dialog is shown, in the font it is shown in.
void TPropertiesDialog::FitTexts() {
    const int buttonWidth =
        std::max(ButtonWidthForText(ui->OKBtn, 75), ButtonWidthForText(ui->CancelBtn, 75));
    for (QPushButton* button : {ui->OKBtn, ui->CancelBtn})
        button->setFixedSize(buttonWidth, LineHeightForFont(button, 25));
    ui->Label1->setFixedHeight(LineHeightForFont(ui->Label1, 22));
    ui->PropertiesLanguage->setFixedHeight(LineHeightForFont(ui->PropertiesLanguage, 22));
    // A font changed while the dialog was hidden has left the layout's sizes behind.
    layout()->invalidate();
    layout()->activate();
}
