// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/FileDialogs.h"

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QMimeData;
class TCommandHost;
class TStatusBar;
struct TFileFailure;

// The file commands of the main window (Open, Save, Save As, the recent files, Properties)
// and the question whether unsaved changes are to be saved first.
class TFileCommands : public QObject {
    Q_OBJECT

public:
    // The recent files go into `menu` before `before`.
    TFileCommands(TCommandHost& host, TStatusBar& status, TFileDialogs& dialogs, QMenu& menu,
                  QAction& before);

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

private:
    void LoadFile(const QString& path);
    void OpenWhenFree(const QString& path);
    QString ChosenFile(TFileDialogs::TKind kind, const QString& proposed = QString());
    bool SaveUnderChosenName();
    bool Saved(bool saved, const QString& path);

    TCommandHost& Host;
    TStatusBar& Status;
    TFileDialogs& Dialogs;
    QMenu& Menu;
    QAction* Recent[4];
    QAction* RecentSeparator;
};
