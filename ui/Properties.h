// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>

namespace Ui {
class TPropertiesDialog;
}

// The program properties: the user-interface language for the next start, and where the
// programming history is kept. The list shows each language in its own name, in the order of
// the names, "<Default>" first; each item carries the workplace's LanguageId.
class TPropertiesDialog : public QDialog {
    Q_OBJECT

public:
    // Shown, it stands over `window`, the main window, whose child it is not: it is made once
    // at start-up and kept for the whole run.
    explicit TPropertiesDialog(QWidget* window = nullptr);
    ~TPropertiesDialog() override;

    // Shows the dialog with the current language selected and the history's place; on OK
    // stores the selected item's LanguageId (-1 when nothing is selected) in the workplace's
    // LanguageId, the place (a folder or file; empty: the user's own) in its HistoryFile, and
    // returns true.
    bool Execute();

    // Browse: the folder chosen, starting in `start`; empty when cancelled. Tests replace it.
    std::function<QString(const QString& start)> ChooseFolder;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FitTexts();

    std::unique_ptr<Ui::TPropertiesDialog> ui;
    QPointer<QWidget> Window;
};

// The one properties dialog, created at start-up after the message texts.
extern TPropertiesDialog* PropertiesDialog;
