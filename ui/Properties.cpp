#include "ui/Properties.h"

#include "ui_Properties.h"

#include "app/Workplace.h"
#include "platform/registry/Languages.h"
#include "platform/registry/Translation.h"
#include "ui/TextFit.h"

#include <QCollator>
#include <QCoreApplication>
#include <QFileInfo>
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

} // namespace

TPropertiesDialog::TPropertiesDialog(QWidget* parent)
    : QDialog(parent), ui(new Ui::TPropertiesDialog) {
    ui->setupUi(this);
    // The list is in the order of the names; each item carries its LanguageId, the index
    // of the settings file's table.
    QComboBox* list = ui->PropertiesLanguage;
    list->setItemData(0, 0);
    std::vector<std::pair<QString, int>> languages;
    for (int id = 1; id < TWorkplace::LanguageCount; ++id)
        languages.emplace_back(OwnNameOfCode(TWorkplace::LanguageCode(id)), id);
    QCollator collator{QLocale(QLocale::English)};
    std::sort(languages.begin(), languages.end(), [&collator](const auto& a, const auto& b) {
        return collator.compare(a.first, b.first) < 0;
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
    FitTexts();
    connect(ui->OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TPropertiesDialog::~TPropertiesDialog() = default;

bool TPropertiesDialog::Execute() {
    // An index from a hand-edited settings file that names no language selects nothing.
    QComboBox* list = ui->PropertiesLanguage;
    list->setCurrentIndex(list->findData(Workplace->LanguageId));
    if (exec() != QDialog::Accepted)
        return false;
    Workplace->LanguageId = list->currentIndex() >= 0 ? list->currentData().toInt() : -1;
    return true;
}

// The drawing holds the English texts. A longer label or language name widens what is to its
// right, the frame and the dialog; longer button texts widen both buttons alike, and the pair
// keeps its place about the dialog's middle.
void TPropertiesDialog::FitTexts() {
    QLabel* label = ui->Label1;
    QComboBox* list = ui->PropertiesLanguage;
    const int labelGrowth = std::max(0, label->sizeHint().width() - label->width());
    const int listGrowth = std::max(0, list->sizeHint().width() - list->width());
    label->resize(label->width() + labelGrowth, label->height());
    list->setGeometry(list->x() + labelGrowth, list->y(), list->width() + listGrowth,
                      list->height());
    ui->Bevel1->resize(ui->Bevel1->width() + labelGrowth + listGrowth, ui->Bevel1->height());

    const int buttonWidth =
        std::max(ButtonWidthForText(ui->OKBtn), ButtonWidthForText(ui->CancelBtn));
    const int gap = ui->CancelBtn->x() - ui->OKBtn->x() - ui->OKBtn->width();
    const int margin = ui->Bevel1->x();
    const int dialogWidth =
        std::max(width() + labelGrowth + listGrowth, 2 * buttonWidth + gap + 2 * margin);
    // Where the pair's middle lies against the dialog's in the drawing (a little right of it).
    const int offset = ui->OKBtn->x() + (2 * ui->OKBtn->width() + gap) / 2 - width() / 2;
    const int left = std::clamp(dialogWidth / 2 + offset - (2 * buttonWidth + gap) / 2, margin,
                                dialogWidth - margin - 2 * buttonWidth - gap);
    ui->OKBtn->setGeometry(left, ui->OKBtn->y(), buttonWidth, ui->OKBtn->height());
    ui->CancelBtn->setGeometry(left + buttonWidth + gap, ui->CancelBtn->y(), buttonWidth,
                               ui->CancelBtn->height());
    setFixedSize(dialogWidth, height());
}
