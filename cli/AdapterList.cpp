// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/AdapterList.h"

#include "adapter/AdapterVersion.h"
#include "app/AdapterWords.h"
#include "cli/Json.h"
#include "platform/framework/Convert.h"

#include <algorithm>

namespace cli {
namespace {

bool Known(const TListedAdapter& listed) {
    return listed.Adapter && listed.Problem.isEmpty() &&
           (listed.Verdict == TConnectorVerdict::Present ||
            listed.Verdict == TConnectorVerdict::Absent);
}

} // namespace

QString ConnectorText(TConnectorVerdict verdict, bool smallMemory) {
    switch (verdict) {
    case TConnectorVerdict::NoAnswer:
        return QStringLiteral("unknown (the adapter did not answer)");
    case TConnectorVerdict::Undecided:
        return QStringLiteral("unknown (the adapter's answers disagree)");
    case TConnectorVerdict::Absent:
        return QStringLiteral("none");
    case TConnectorVerdict::Present:
        break;
    }
    return smallMemory ? QStringLiteral("present, small memory")
                       : QStringLiteral("present, large memory (not a sampler connector)");
}

QList<TListedAdapter> ListAdapters(const QString& description) {
    QList<TListedAdapter> listed;
    for (const TUsbDevice& device : TUsbUart::ListDevices(TUsbUart::TListing::WithSerialNumbers)) {
        TListedAdapter entry;
        entry.Device = device;
        entry.Adapter = device.Description == description;
        listed << entry;
    }
    // Opened only after the listing: opening a device starts no new one, so the indexes hold.
    for (TListedAdapter& entry : listed) {
        if (!entry.Adapter)
            continue;
        TTarnDevice probe;
        probe.SerialNumber = entry.Device.SerialNumber;
        probe.Port = entry.Device.Port;
        TAdapterOpen opened;
        if (!probe.OpenUart(entry.Device.Index, opened)) {
            entry.Problem = AdapterProblemWords(opened, TAdapterReader::List);
            continue;
        }
        if (!probe.ReadVersion()) {
            entry.Problem = QStringLiteral("does not answer");
            continue;
        }
        entry.Version = AdapterVersionText(probe.Version);
        TConnectorSession session(probe);
        entry.Verdict = session.Confirm();
        entry.SmallMemory = probe.SmallMemory;
    }
    return listed;
}

QStringList ListText(const QList<TListedAdapter>& adapters) {
    QList<QStringList> rows{{QStringLiteral("serial"), QStringLiteral("port"),
                             QStringLiteral("device"), QStringLiteral("connector")}};
    for (const TListedAdapter& listed : adapters) {
        QString device = EscapeControlCharacters(listed.Device.Description);
        if (!listed.Version.isEmpty())
            device += QLatin1Char(' ') + listed.Version;
        QString connector = listed.Problem;
        if (!listed.Adapter)
            connector = QStringLiteral("(not an adapter)");
        else if (listed.Problem.isEmpty())
            connector = ConnectorText(listed.Verdict, listed.SmallMemory);
        rows << QStringList{listed.Device.SerialNumber.isEmpty()
                                ? QStringLiteral("(none)")
                                : EscapeControlCharacters(listed.Device.SerialNumber),
                            listed.Device.Port.isEmpty()
                                ? QStringLiteral("-")
                                : EscapeControlCharacters(listed.Device.Port),
                            device, connector};
    }
    qsizetype widths[3] = {0, 0, 0};
    for (const QStringList& row : rows) {
        for (int column = 0; column < 3; ++column)
            widths[column] = std::max(widths[column], row[column].size());
    }
    QStringList lines;
    for (const QStringList& row : rows)
        lines << QStringLiteral("%1  %2  %3  %4")
                     .arg(row[0], -int(widths[0]))
                     .arg(row[1], -int(widths[1]))
                     .arg(row[2], -int(widths[2]))
                     .arg(row[3]);
    return lines;
}

QByteArray ListJson(const QList<TListedAdapter>& adapters) {
    QByteArray array = "[";
    for (const TListedAdapter& listed : adapters) {
        if (array.size() > 1)
            array += ',';
        const bool known = Known(listed);
        const bool present = known && listed.Verdict == TConnectorVerdict::Present;
        array += JsonObject({
            {"serial", JsonString(listed.Device.SerialNumber)},
            {"description", JsonString(listed.Device.Description)},
            {"port", JsonStringOrNull(listed.Device.Port)},
            {"adapter", listed.Adapter ? "true" : "false"},
            {"version", JsonStringOrNull(listed.Version)},
            {"connector", !known    ? "null"
                          : present ? "true"
                                    : "false"},
            {"memory", present ? (listed.SmallMemory ? "\"small\"" : "\"large\"") : "null"},
            {"problem", JsonStringOrNull(listed.Problem)},
        });
    }
    return array + ']';
}

} // namespace cli
