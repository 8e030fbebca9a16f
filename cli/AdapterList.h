// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Library/Serial/USB/UsbUart.h"
#include "app/ConnectorSession.h"

#include <QList>
#include <QString>

namespace cli {

// A device of the USB driver's list and, for an adapter, what it said when asked.
struct TListedAdapter {
    TUsbDevice Device;
    bool Adapter = false; // it has the adapter's description
    QString Version;      // "1.05"; empty when it was not asked or did not answer
    QString Problem;      // why it could not be asked: "in use by another program", ...
    TConnectorVerdict Verdict = TConnectorVerdict::NoAnswer;
    bool SmallMemory = true;
};

// Every device the driver lists. Each adapter is opened on a link of its own, held to it by its
// port and serial number, asked its version and, by the session's rule, its connector; a
// device of another kind is never opened.
QList<TListedAdapter> ListAdapters(const QString& description);

// The connector as status and list tell it: "none", "present, small memory", ...
QString ConnectorText(TConnectorVerdict verdict, bool smallMemory);

// The list as a table with a heading, one line a device, and as one JSON array.
QStringList ListText(const QList<TListedAdapter>& adapters);
QByteArray ListJson(const QList<TListedAdapter>& adapters);

} // namespace cli
