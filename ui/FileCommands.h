#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QDialog;
class QFileDialog;
class QMenu;
class QMimeData;
class TMainForm;
struct TFileFailure;

// Gives the keyboard back to the window a closed dialog belonged to.
void TakeKeyboardBack(QDialog& dialog);

// The file commands of the main window (Open, Save, Save As, the recent files, Properties)
// and the question whether unsaved changes are to be saved first.
class TFileCommands : public QObject {
    Q_OBJECT

public:
    // The recent files go into `menu` before `before`.
    TFileCommands(TMainForm& form, QMenu& menu, QAction& before);

    bool QuerySave(bool discards);
    void Open();
    bool Save();
    bool SaveAs();
    void Properties();
    void OpenRecent(int index);
    void OpenNamedFile(const QString& path);
    void OpenRequested(const QString& path);
    // The File menu's recent files as the workplace has them.
    void ShowRecentFiles();

    // The one configuration file a drag carries, or empty: several files, other files and
    // anything that is not a local file are not taken.
    static QString DroppedConfiguration(const QMimeData* data);

    // "The file <name> was not saved." and the system's reason, for any save of the window.
    static QString NotSavedText(const QString& path, const TFileFailure& failure);

    // Runs a file dialog modally and returns the chosen path, empty when cancelled. Tests
    // replace it so that no dialog ever waits for a person.
    std::function<QString(QFileDialog& dialog)> RunFileDialog;

private:
    void LoadFile(const QString& path);
    void OpenWhenFree(const QString& path);
    void StartInFolder(QFileDialog& dialog) const;
    QString ChosenFile(QFileDialog& dialog);
    bool Saved(bool saved, const QString& path);
    void ClearFocus();
    QFileDialog& OpenDialog();
    QFileDialog& SaveDialog();

    TMainForm& Form;
    QMenu& Menu;
    QAction* Recent[4];
    QAction* RecentSeparator;
    QFileDialog* FileOpenDialog = nullptr; // made at first use, then kept as the user left it
    QFileDialog* FileSaveDialog = nullptr;
};
