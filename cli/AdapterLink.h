// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "adapter/TarnAdapter.h"
#include "app/ConnectorSession.h"

#include <QString>
#include <memory>

namespace cli {

// The one adapter device of a run with its connector session, the choice of adapter that the
// window program does not have (--serial and --port: only the adapter with that serial number,
// or at that port, also when the link comes up again in the middle of a transfer), and the
// words for why no adapter answered.
class TAdapterLink {
public:
    explicit TAdapterLink(QString serialNumber = QString(), QString port = QString());

    TTarnDevice& Device() { return *DevicePtr; }
    TConnectorSession& Session() { return *SessionPtr; }

    // The adapter found and its version asked; false when it did not answer, with the reason
    // kept for NoAdapterMessage.
    bool FindAdapter();

    // Why no adapter answered at the last FindAdapter, as one line with what to do about it.
    QString NoAdapterMessage() const;

    // The USB description the adapter is found by ("USB FETCHer Adapter").
    const QString& Description() const { return DevicePtr->Description; }

private:
    QString SerialNumber;
    QString Port;
    std::unique_ptr<TTarnDevice> DevicePtr;
    std::unique_ptr<TConnectorSession> SessionPtr;
    TAdapterOpen Found;
};

} // namespace cli
