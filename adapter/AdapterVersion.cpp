// SPDX-License-Identifier: GPL-3.0-or-later
#include "adapter/AdapterVersion.h"

QString AdapterVersionText(std::uint16_t version) {
    return QString::asprintf("%x.%02x", unsigned(version >> 8), unsigned(version & 0xFF));
}
