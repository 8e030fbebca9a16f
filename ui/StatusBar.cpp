// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/StatusBar.h"

#include "platform/framework/Exceptions.h"
#include "ui/Accessibility.h"

#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

namespace {

// A status bar panel of a set width. When the window is narrower than all the panels
// together, the file name gives way first, so that any stored window size can be restored and
// the short texts (result, adapter, connector) stay whole; a text longer than the set width
// (the adapter's name and version in a wide font) widens its panel rather than being cut off.
class TStatusPanel : public QLabel {
public:
    TStatusPanel(int width, bool keepText, QWidget* parent)
        : QLabel(parent), Width(width), KeepText(keepText) {}
    QSize sizeHint() const override {
        const QSize text = QLabel::sizeHint();
        return {std::max(Width, text.width()), text.height()};
    }
    QSize minimumSizeHint() const override {
        const QSize text = QLabel::minimumSizeHint();
        return {KeepText ? text.width() : 0, text.height()};
    }

private:
    int Width;
    bool KeepText;
};

} // namespace

TStatusBar::TStatusBar(QStatusBar& bar) : QObject(&bar) {
    static constexpr int Widths[4] = {100, 400, 150, 50};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new TStatusPanel(Widths[i], i != 1, &bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAlignment((i < 2 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
        panel->setTextFormat(Qt::PlainText);
        // The last panel takes the rest of the bar.
        bar.addWidget(panel, i < 3 ? 0 : 1);
        Panels[i] = panel;
    }
    ConfirmationTimer = new QTimer(this);
    ConfirmationTimer->setObjectName(QStringLiteral("ConfirmationTimer"));
    ConfirmationTimer->setSingleShot(true);
    ConfirmationTimer->setInterval(ConfirmationTime);
    connect(ConfirmationTimer, &QTimer::timeout, this, [this] { EndConfirmation(); });
}

QLabel& TStatusBar::Panel(int panel) const {
    if (panel < 0 || panel > 3)
        throw Exception(ErrorOnFile());
    return *Panels[panel];
}

QString TStatusBar::Text(int panel) const {
    Panel(panel);
    return Texts[panel];
}

void TStatusBar::SetText(int panel, const QString& text) {
    QLabel& label = Panel(panel);
    const bool changed = Texts[panel] != text;
    Texts[panel] = text;
    if (panel == 0 && ConfirmationTimer->isActive()) {
        // A newer result replaces the confirmation at once.
        EndConfirmation();
        if (changed)
            accessibility::Announce(&label, label.text());
        return;
    }
    // The adapter's text ends in a line feed, which a one-line panel cannot show.
    QString shown = text;
    while (shown.endsWith(QLatin1Char('\n')) || shown.endsWith(QLatin1Char('\r')))
        shown.chop(1);
    shown.replace(QLatin1Char('\n'), QLatin1Char(' '));
    // A screen reader hears a new result, adapter or connector state; not the file name.
    if (changed && panel != 1)
        accessibility::Announce(&label, shown);
    label.setText(shown);
}

void TStatusBar::SetToolTip(int panel, const QString& text) {
    Panel(panel).setToolTip(text);
}

void TStatusBar::ShowConfirmation(const QString& text) {
    QLabel* panel = Panels[0];
    panel->setText(text);
    accessibility::Announce(panel, text);
    panel->setAutoFillBackground(true);
    panel->setBackgroundRole(QPalette::Highlight);
    panel->setForegroundRole(QPalette::HighlightedText);
    ConfirmationTimer->start();
}

void TStatusBar::EndConfirmation() {
    ConfirmationTimer->stop();
    QLabel* panel = Panels[0];
    panel->setAutoFillBackground(false);
    panel->setBackgroundRole(QPalette::Window);
    panel->setForegroundRole(QPalette::WindowText);
    SetText(0, Texts[0]);
}
