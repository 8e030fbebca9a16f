#include "ui/About.h"

#include "ui_About.h"

#include "BrookfetchVersion.h"
#include "ui/AccessibleNames.h"
#include "ui/DialogFrame.h"
#include "ui/Logo.h"
#include "ui/TextFit.h"

#include <QLayout>
#include <algorithm>

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent), ui(new Ui::TAboutBox) {
    ui->setupUi(this);
    GiveDialogFrame(*this);
    // The translated text carries the place of the number; the number is the build's own.
    ui->Version->setText(ui->Version->text().arg(QString::fromLatin1(BrookfetchVersion)));
    accessibility::NameControls(this);
    connect(ui->OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::showEvent(QShowEvent* event) {
    // The logo is decoded when the box is first shown, not while the program starts.
    if (ui->Logo->pixmap().isNull())
        ui->Logo->setPixmap(LogoPixmap());
    FitTexts();
    PlaceDialog(*this);
    QDialog::showEvent(event);
}

// The layout holds the drawing's places for the English texts. A product line that needs more
// lines makes the box taller; a longer button text widens the button, which stays in the
// middle. Done as the box is shown, in the font it is shown in.
void TAboutBox::FitTexts() {
    ui->OKButton->setFixedSize(ButtonWidthForText(ui->OKButton, 75),
                               LineHeightForFont(ui->OKButton, 25));
    layout()->activate();
    QLabel* product = ui->ProductName;
    product->setMinimumHeight(std::max(36, product->heightForWidth(product->width())));
    layout()->activate();
}
