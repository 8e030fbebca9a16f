// SPDX-License-Identifier: GPL-3.0-or-later
// The Linux words: the kernel's ftdi_sio driver, the dialout group and the udev rule, ports
// named by their device node, the adapter simulator for a dry run.
#include "app/AdapterWords.h"
#include "app/SystemWords.h"

#include "platform/d2xx/OpenFailure.h"
#include "platform/framework/Convert.h"

const char PortOptionHelp[] = "use the adapter at this port (/dev/ttyUSB0; see list)";
const char WaitForConnectorExample[] =
    "until brookfetch-cli -q status >/dev/null; do sleep 1; done";

namespace system_words {

QString NotFoundHints() {
    // Simulated adapters in a folder that is not to be trusted are not listed: say so.
    if (const std::string refused = d2xx::refusedPortFolder(); !refused.empty())
        return QStringLiteral("; the folder of simulated adapters was passed over: %1; it must "
                              "be a folder of yours that nobody else may write")
            .arg(EscapeControlCharacters(QString::fromStdString(refused)));
    return QStringLiteral(
        "; check that the adapter is plugged in, that the ftdi_sio driver is loaded "
        "(lsmod | grep ftdi_sio) and that you are in the dialout group, or start the adapter "
        "simulator brookfetch-adapter-sim for a dry run");
}

QString NoPermission(const QString& adapter, const QString& port) {
    return QStringLiteral("no permission to open the adapter %1 (%2); install the Brookfetch "
                          "package (its udev rule gives access), or join the dialout group "
                          "(sudo adduser $USER dialout) and log in again")
        .arg(adapter, port);
}

QString NoPermissionLabel() {
    return QStringLiteral("MsgAdapterDenied");
}

QString NotAnswering() {
    // A program that takes no lock may be reading the adapter's answers away; only when none
    // does is the adapter itself to blame.
    return QStringLiteral("no adapter found: the adapter is attached but does not answer; "
                          "another program may have the port open (close it and try again), "
                          "or the adapter needs a restart: reconnect it, or restart the adapter "
                          "simulator");
}

QString AttachedAt(const QString& serial, const QString& port) {
    return QStringLiteral("%1 at %2").arg(serial, port);
}

} // namespace system_words
