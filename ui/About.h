// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>

namespace Ui {
class TAboutBox;
}
class TLicencesBox;

// The About box: product line, version and the logo, and the way to the licences.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    // Shown, it stands over `window`, the main window, whose child it is not: it is made once
    // at start-up and kept for the whole run.
    explicit TAboutBox(QWidget* window = nullptr);
    ~TAboutBox() override;

    // Shows the licences over the box (the Licences button).
    void ShowLicences();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FitTexts();

    std::unique_ptr<Ui::TAboutBox> ui;
    QPointer<QWidget> Window;
    // Made when first asked for, then kept as the user left it (tab, place, size).
    std::unique_ptr<TLicencesBox> Licences;
};

// The one About box, created last at start-up.
extern TAboutBox* AboutBox;
