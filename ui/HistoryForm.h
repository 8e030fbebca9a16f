// SPDX-License-Identifier: GPL-3.0-or-later
// Data › History…: the programming history in a window of its own.
#pragma once

#include <QByteArray>
#include <QDialog>
#include <memory>
#include <optional>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;
class TFileDialogs;
class THistoryTable;
class TSheetCommands;
struct THistoryEntry;

// Every read, write and verify kept in the history, the newest first, filtered by a text (file,
// adapter serial, checksum, user...), a span of days and the outcome. The chosen entry's image
// can be printed as a parameter sheet, exported as PDF, or taken onto the page; the shown
// entries can be exported for a spreadsheet.
class THistoryForm : public QDialog {
    Q_OBJECT

public:
    THistoryForm(TSheetCommands& sheets, QWidget* window);
    ~THistoryForm() override;

    // Reads the history at `path` and shows it until it is closed. The image of the entry
    // whose parameters the user chose to open, if any; nothing when the history could not be
    // read (the user was told why) or was closed.
    std::optional<QByteArray> Execute(const QString& path);

    // The file dialogs of its exports; tests replace their RunFileDialog.
    TFileDialogs& Dialogs() const { return *FileDialogs; }
    THistoryTable& Table() const { return *Model; }

    // What the status line under the table says: how many entries are shown, or what an
    // export did.
    QString StatusLine() const;

    // The commands of the buttons, for the chosen entry or the shown ones.
    void OpenExecute();
    bool PrintExecute();
    bool ExportPdfExecute();
    bool ExportExecute();

private:
    void ApplyFilter();
    void EntryChosen();
    const THistoryEntry* Chosen() const;
    void ShowCount();

    TSheetCommands& Sheets;
    std::unique_ptr<TFileDialogs> FileDialogs;
    THistoryTable* Model;
    QLineEdit* Search;
    QDateEdit* From;
    QDateEdit* To;
    QComboBox* Outcome;
    QTableView* View;
    QLabel* Details;
    QLabel* Status;
    QPushButton* OpenButton;
    QPushButton* PrintButton;
    QPushButton* ExportPdfButton;
    QPushButton* ExportButton;
    QTimer* Typing;
    int Damaged = 0;
    std::optional<QByteArray> ToOpen;
};
