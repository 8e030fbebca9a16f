// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Msg.h"

#include "ui_Msg.h"

#include "platform/framework/Exceptions.h"

#include <QLabel>

TMsgTemplate* MsgTemplate = nullptr;

TMsgTemplate::TMsgTemplate(QWidget* parent) : QWidget(parent), ui(new Ui::TMsgTemplate) {
    ui->setupUi(this);
}

TMsgTemplate::~TMsgTemplate() = default;

QString TMsgTemplate::Text(const QString& label) const {
    const auto* found = findChild<QLabel*>(label);
    if (!found)
        throw Exception(ErrorOnFile());
    return found->text();
}

QString MessageText(const QString& label) {
    if (MsgTemplate)
        return MsgTemplate->Text(label);
    // The settings are read while the main window is made, before the message texts: a
    // settings file that cannot be written is told from a copy of them, translated alike.
    return TMsgTemplate().Text(label);
}
