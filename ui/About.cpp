#include "ui/About.h"

#include "ui_About.h"

#include "BrookfetchVersion.h"
#include "ui/Accessibility.h"
#include "ui/Logo.h"
#include "ui/TextFit.h"

#include <algorithm>

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent), ui(new Ui::TAboutBox) {
    ui->setupUi(this);
    ui->Logo->setPixmap(LogoPixmap());
    // The translated text carries the place of the number; the number is the build's own.
    ui->Version->setText(ui->Version->text().arg(QString::fromLatin1(BrookfetchVersion)));
    accessibility::NameControls(this);
    FitTexts();
    connect(ui->OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

TAboutBox::~TAboutBox() = default;

// The drawing holds the English texts. A product line that needs more lines pushes what lies
// below it down and makes the box taller; a longer button text widens the button, which stays
// in the middle.
void TAboutBox::FitTexts() {
    QLabel* product = ui->ProductName;
    const int growth = std::max(0, product->heightForWidth(product->width()) - product->height());
    product->resize(product->width(), product->height() + growth);
    for (QWidget* below : {static_cast<QWidget*>(ui->Version), static_cast<QWidget*>(ui->Logo)})
        below->move(below->x(), below->y() + growth);
    ui->Version->resize(std::max(ui->Version->width(), ui->Version->sizeHint().width()),
                        ui->Version->height());
    ui->Panel1->resize(ui->Panel1->width(), ui->Panel1->height() + growth);

    const int buttonWidth = ButtonWidthForText(ui->OKButton);
    const int dialogWidth = std::max(width(), buttonWidth + 2 * ui->Panel1->x());
    ui->OKButton->setGeometry(ui->OKButton->x() + (dialogWidth - width()) / 2 -
                                  (buttonWidth - ui->OKButton->width()) / 2,
                              ui->OKButton->y() + growth, buttonWidth, ui->OKButton->height());
    setFixedSize(dialogWidth, height() + growth);
}
