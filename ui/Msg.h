// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>
#include <memory>

namespace Ui {
class TMsgTemplate;
}

// The program's table of message texts: a hidden window with one label per message, so the
// texts are translated with the rest of the windows. Texts are read at the moment they are
// shown and never cached.
class TMsgTemplate : public QWidget {
    Q_OBJECT

public:
    explicit TMsgTemplate(QWidget* parent = nullptr);
    ~TMsgTemplate() override;

    // The current text of the label with this name ("MsgError", ...); raises Exception for a
    // name that has no label.
    QString Text(const QString& label) const;

private:
    std::unique_ptr<Ui::TMsgTemplate> ui;
};

// The one message-text window, created at start-up after the main window.
extern TMsgTemplate* MsgTemplate;

// The current text of the message label `label` ("MsgError", ...) of MsgTemplate; before that
// window is made, of a copy of it, translated alike.
QString MessageText(const QString& label);
