#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TAboutBox;
}

// The About box: product line, version and the logo.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FitTexts();

    std::unique_ptr<Ui::TAboutBox> ui;
};

// The one About box, created last at start-up.
extern TAboutBox* AboutBox;
