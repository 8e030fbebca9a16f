#include "ui/About.h"

#include "ui_About.h"

#include "ui/Logo.h"

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent), ui(new Ui::TAboutBox) {
    ui->setupUi(this);
    ui->Logo->setPixmap(LogoPixmap());
    connect(ui->OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

TAboutBox::~TAboutBox() = default;
