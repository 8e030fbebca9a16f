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
