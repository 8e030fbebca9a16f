// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QDialog;
class QFileDialog;
class QWidget;

// Gives the keyboard back to the window a closed system's file or print dialog belonged to.
void TakeKeyboardBack(QDialog& dialog);

// The file dialogs of the window's commands: Open and Save As of configuration files, Export as
// PDF of the parameter sheet, Export of the programming history for a spreadsheet. Each is made at
// its first use, then kept as the user left it.
class TFileDialogs {
public:
    enum class TKind { Open, Save, ExportPdf, ExportCsv };

    explicit TFileDialogs(QWidget& window);

    // Runs the dialog in the folder of the current file, else in the last one chosen, with
    // `proposed` (when given) as the file offered; returns the chosen path, empty when cancelled.
    QString Choose(TKind kind, const QString& proposed = QString());

    // Before a save over a chosen name: true when no file is there, or the user agreed that it
    // is replaced. The programming history is never replaced: the user is told and it is false. The
    // dialogs leave that question to the program, which asks it in its own words.
    static bool MayReplace(const QString& path);

    // Runs a file dialog modally and returns the chosen path, empty when cancelled. Tests
    // replace it so that no dialog ever waits for a person.
    std::function<QString(QFileDialog& dialog)> RunFileDialog;

private:
    QFileDialog& Dialog(TKind kind);

    QWidget& Window;
    QFileDialog* Made[4] = {};
};
