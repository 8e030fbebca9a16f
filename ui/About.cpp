// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/About.h"

#include "ui_About.h"

#include "BrookfetchVersion.h"
#include "app/Workplace.h"
#include "ui/AccessibleNames.h"
#include "ui/DialogFrame.h"
#include "ui/Licences.h"
#include "ui/Logo.h"
#include "ui/TextFit.h"

#include <QGridLayout>
#include <algorithm>

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget* window) : ui(new Ui::TAboutBox), Window(window) {
    ui->setupUi(this);
    GiveDialogFrame(*this);
    // The translated text carries the place of the number; the number is the build's own.
    ui->Version->setText(ui->Version->text().arg(QString::fromLatin1(BrookfetchVersion)));
    accessibility::NameControls(this);
    connect(ui->OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->LicencesButton, &QPushButton::clicked, this, &TAboutBox::ShowLicences);
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::ShowLicences() {
    if (!Licences)
        Licences = std::make_unique<TLicencesBox>(this, Workplace ? Workplace->ExePath : QString());
    Licences->exec();
}

void TAboutBox::showEvent(QShowEvent* event) {
    // The logo is decoded when the box is first shown, not while the program starts.
    if (ui->Logo->pixmap().isNull())
        ui->Logo->setPixmap(LogoPixmap());
    FitTexts();
    PlaceDialog(*this, Window);
    QDialog::showEvent(event);
}

// The layout holds the drawing's places for the English texts. A product line that needs more
// lines makes the box taller; a longer button text widens the button, and OK stays in the
// middle: the column on its right is kept as wide as the Licences button's on its left. Done as
// the box is shown, in the font it is shown in.
void TAboutBox::FitTexts() {
    ui->OKButton->setFixedSize(ButtonWidthForText(ui->OKButton, 75),
                               LineHeightForFont(ui->OKButton, 25));
    ui->LicencesButton->setFixedSize(ButtonWidthForText(ui->LicencesButton, 75),
                                     LineHeightForFont(ui->LicencesButton, 25));
    ui->ButtonLayout->setColumnMinimumWidth(2, ui->LicencesButton->width());
    layout()->activate();
    QLabel* product = ui->ProductName;
    product->setMinimumHeight(std::max(36, product->heightForWidth(product->width())));
    layout()->activate();
}
