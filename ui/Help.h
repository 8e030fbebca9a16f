// SPDX-License-Identifier: GPL-3.0-or-later
// The user guide, opened from the program: at its start (Help › Brookfetch Help) or at the
// section of the control or dialog that has the keyboard (F1).
#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

class THelp : public QObject {
    Q_OBJECT

public:
    explicit THelp(QObject* parent = nullptr);

    // Opens the guide's section of `widget` (the control with the keyboard; else its dialog,
    // else the window's page), in the windows' language. False when the guide is not there or
    // could not be opened; the user was told.
    bool ShowFor(const QWidget* widget);
    // Opens the guide at its start.
    bool ShowStart();

    // The section of a control, dialog or window by its object name ("samples-count"); the
    // guide's start for one it has none for.
    static QString SectionOf(const QWidget* widget);
    // The built guide: a folder with one folder per language ("en", "de", ...); the first of
    // BROOKFETCH_GUIDE, "guide" beside the program (Windows, a build tree's program one folder
    // up) and the system's documentation folder (share/doc/brookfetch/guide) that holds one.
    // Empty when none does.
    static QString GuideFolder();
    // The page that lands on `section` in the windows' language (English when the guide has
    // none in it): a page of its own per section, because a file address's #section is lost on
    // its way to some systems' browsers.
    static QUrl SectionUrl(const QString& folder, const QString& section);

    // Opens an address in the system's browser; tests replace it.
    std::function<bool(const QUrl&)> OpenUrl;

protected:
    // F1 in a dialog, where the main window's shortcut does not reach.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Show(const QString& section);
};
