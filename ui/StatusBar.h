// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QStatusBar;
class QTimer;

// The main window's four status panels (result, file name, adapter, connector) and the short
// highlighted confirmation of panel 0.
class TStatusBar : public QObject {
    Q_OBJECT

public:
    explicit TStatusBar(QStatusBar& bar);

    // The text is kept as set; the panel shows it without line ends.
    QString Text(int panel) const;
    void SetText(int panel, const QString& text);
    void SetToolTip(int panel, const QString& text);
    // Panel 0 shows `text` highlighted for ConfirmationTime ms, then its usual text again.
    void ShowConfirmation(const QString& text);
    static constexpr int ConfirmationTime = 5000;

private:
    void EndConfirmation();
    QLabel& Panel(int panel) const;

    QLabel* Panels[4];
    QString Texts[4];
    QTimer* ConfirmationTimer;
};
