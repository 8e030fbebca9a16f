// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/framework/Application.h"

TApplication* Application = nullptr;

QString TApplication::ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}
