#include "ui/About.h"

#include "ui_About.h"

#include "BrookfetchVersion.h"
#include "ui/Logo.h"

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent), ui(new Ui::TAboutBox) {
    ui->setupUi(this);
    ui->Logo->setPixmap(LogoPixmap());
    // The translated text carries the place of the number; the number is the build's own.
    ui->Version->setText(ui->Version->text().arg(QString::fromLatin1(BrookfetchVersion)));
    connect(ui->OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

TAboutBox::~TAboutBox() = default;
