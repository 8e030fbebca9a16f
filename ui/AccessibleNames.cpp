// SPDX-License-Identifier: GPL-3.0-or-later
// The names and descriptions a screen reader hears for the controls of a window, taken from the
// texts the user sees there: captions, headings, units and ranges.
#include "ui/AccessibleNames.h"

#include "ui/Accessibility.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>

namespace accessibility {

// "&&" is a shown "&".
QString CaptionText(const QString& text) {
    QString clean;
    const QString shown = text.left(text.indexOf(QLatin1Char('\t')));
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown[i] == QLatin1Char('&')) {
            if (i + 1 < shown.size() && shown[i + 1] == QLatin1Char('&'))
                clean += shown[++i];
            continue;
        }
        clean += shown[i];
    }
    clean = clean.simplified();
    while (clean.endsWith(QLatin1Char(':'))) {
        clean.chop(1);
        clean = clean.trimmed();
    }
    return clean;
}

namespace {

// "[hh:mm:ss]" -> "hh:mm:ss".
QString UnitText(const QString& text) {
    QString unit = CaptionText(text);
    if (unit.startsWith(QLatin1Char('[')) && unit.endsWith(QLatin1Char(']')))
        unit = unit.mid(1, unit.size() - 2).trimmed();
    return unit;
}

// A text that shows as it is keeps Qt's own name, which follows the text when it changes.
void NameAfterText(QWidget* widget, const QString& text) {
    const QString clean = CaptionText(text);
    if (widget->accessibleName().isEmpty() && !clean.isEmpty() && clean != text)
        widget->setAccessibleName(clean);
}

QLabel* CaptionOf(QWidget* root, const QList<QLabel*>& labels, QWidget* field) {
    for (QLabel* label : labels)
        if (label->buddy() == field)
            return label;
    if (field->objectName().isEmpty())
        return nullptr;
    return root->findChild<QLabel*>(field->objectName() + QLatin1String("Label"));
}

void NameField(QWidget* root, const QList<QLabel*>& labels, QWidget* field) {
    if (field->accessibleName().isEmpty())
        if (const QLabel* caption = CaptionOf(root, labels, field))
            field->setAccessibleName(CaptionText(caption->text()));
    if (!field->accessibleDescription().isEmpty() || field->objectName().isEmpty())
        return;
    QString unit;
    if (const QLabel* label = root->findChild<QLabel*>(field->objectName() + QLatin1String("Unit")))
        unit = UnitText(label->text());
    const QString range = field->toolTip();
    QString description = range;
    if (!unit.isEmpty() && !range.endsWith(QLatin1Char(' ') + unit))
        description = range.isEmpty() ? unit : unit + QLatin1String(", ") + range;
    if (!description.isEmpty())
        field->setAccessibleDescription(description);
}

} // namespace

QString ToolBarName() {
    //: Name of the main window's tool bar (New, Read, Write) for screen readers; not shown.
    return QCoreApplication::translate("Accessibility", "Tool bar");
}

QString LogoName() {
    //: Name of the logo picture of the main window and the About box for screen readers; not
    //: shown.
    return QCoreApplication::translate("Accessibility", "Logo");
}

void NameControls(QWidget* root) {
    Install();
    const QList<QLabel*> labels = root->findChildren<QLabel*>();
    for (QLabel* label : labels) {
        if (label->objectName() == QLatin1String("Logo") && label->text().isEmpty())
            label->setAccessibleName(LogoName());
        else
            NameAfterText(label, label->text());
    }
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractSpinBox*>(widget) ||
            (qobject_cast<QLineEdit*>(widget) &&
             !qobject_cast<QComboBox*>(widget->parentWidget()) &&
             !qobject_cast<QAbstractSpinBox*>(widget->parentWidget())))
            NameField(root, labels, widget);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            NameAfterText(button, button->text());
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            NameAfterText(group, group->title());
        else if (auto* bar = qobject_cast<QToolBar*>(widget))
            bar->setAccessibleName(ToolBarName());
        else if (widget->metaObject() == &QFrame::staticMetaObject)
            for (const QLabel* heading :
                 widget->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
                if (heading->objectName().endsWith(QLatin1String("Heading")))
                    widget->setAccessibleName(CaptionText(heading->text()));
    }
}

} // namespace accessibility
