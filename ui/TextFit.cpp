// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TextFit.h"

#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <algorithm>

namespace {

void RaiseMinimum(QWidget* widget) {
    for (QObject* child : widget->children())
        if (child->isWidgetType())
            RaiseMinimum(static_cast<QWidget*>(child));
    const QSize minimum = widget->minimumSize();
    if (!minimum.isNull())
        widget->setMinimumSize(minimum.expandedTo(widget->minimumSizeHint()));
}

} // namespace

void KeepContentsWhole(QWidget* root) {
    RaiseMinimum(root);
}

int ButtonWidthForText(const QPushButton* button, int drawnWidth) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect.setWidth(drawnWidth);
    const int room =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    const QFontMetrics metrics = button->fontMetrics();
    QString text = button->text();
    text.remove(QLatin1Char('&'));
    if (metrics.horizontalAdvance(text) + 2 * metrics.averageCharWidth() <= room)
        return drawnWidth;
    return std::max(drawnWidth, button->sizeHint().width());
}

int LineHeightForFont(const QWidget* widget, int drawnHeight) {
    // The drawing's controls hold the 8-point font with this much to spare.
    constexpr int Frame = 8;
    return std::max(drawnHeight, widget->fontMetrics().height() + Frame);
}
