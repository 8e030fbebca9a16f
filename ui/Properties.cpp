#include "ui/Properties.h"

#include "ui_Properties.h"

#include "app/Workplace.h"

TPropertiesDialog* PropertiesDialog = nullptr;

TPropertiesDialog::TPropertiesDialog(QWidget* parent)
    : QDialog(parent), ui(new Ui::TPropertiesDialog) {
    ui->setupUi(this);
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
