// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows words: FTDI's D2XX driver and Device Manager; an adapter is named by its serial
// number or by its device index, the number of its place in the driver's list that `list`
// shows as its port.
#include "app/AdapterWords.h"
#include "app/SystemWords.h"

// The index is the adapter's place in the D2XX driver's list.
const char PortOptionHelp[] = "use the adapter with this device index (0, 1, ...; see list)";
const char WaitForConnectorExample[] =
    "do { Start-Sleep 1; brookfetch-cli -q status >$null } while ($LASTEXITCODE -ne 0)";

namespace system_words {

QString NotFoundHints() {
    return QStringLiteral(
        "; check that the adapter is plugged in and that Device Manager lists it under "
        "\"Universal Serial Bus controllers\" as a USB Serial Converter without a warning sign; "
        "if it has one, or stands under \"Other devices\", install the adapter maker's D2XX "
        "driver package");
}

// FTDI's driver tells no reason when it cannot open a device; nothing produces this on Windows.
QString NoPermission(const QString& adapter, const QString&) {
    return QStringLiteral("Windows refused the adapter %1 to this user; ask whoever looks after "
                          "the computer")
        .arg(adapter);
}

QString NoPermissionLabel() {
    return QString();
}

QString NotAnswering() {
    return QStringLiteral("no adapter found: the adapter is attached but cannot be opened or "
                          "does not answer; another program may have it open (close it and try "
                          "again), or the adapter needs a restart: unplug it and plug it in "
                          "again");
}

QString AttachedAt(const QString& serial, const QString& index) {
    return QStringLiteral("%1 at device index %2").arg(serial, index);
}

} // namespace system_words
