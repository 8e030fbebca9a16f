#include "ui/Properties.h"

#include "ui_Properties.h"

#include "app/Workplace.h"
#include "ui/TextFit.h"

#include <algorithm>

TPropertiesDialog* PropertiesDialog = nullptr;

TPropertiesDialog::TPropertiesDialog(QWidget* parent)
    : QDialog(parent), ui(new Ui::TPropertiesDialog) {
    ui->setupUi(this);
    FitTexts();
    connect(ui->OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TPropertiesDialog::~TPropertiesDialog() = default;

bool TPropertiesDialog::Execute() {
    // An index from a hand-edited settings file that names no language selects nothing.
    const int id = Workplace->LanguageId;
    ui->PropertiesLanguage->setCurrentIndex(id >= 0 && id < ui->PropertiesLanguage->count() ? id
                                                                                            : -1);
    if (exec() != QDialog::Accepted)
        return false;
    Workplace->LanguageId = ui->PropertiesLanguage->currentIndex();
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
