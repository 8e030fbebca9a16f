#pragma once

#include "adapter/TarnAdapter.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace cli {

// An adapter as the D2XX layer lists it.
struct TListedDevice {
    int Index = -1;
    QString Description;
    QString SerialNumber;
};

// Every attached device, in list order. Devices whose listing fails are left out.
QList<TListedDevice> ListDevices();

// The one adapter device of a run, with the choice of adapter that the window program does
// not have: when --serial is given, the link is opened here, on the device with that serial
// number, before the adapter's own lookup by description (which refuses two adapters of the
// same description) would run. The adapter keeps an open link, so its lookup is then skipped;
// when a failed send closes the link, Prepare() opens it again on the same adapter. The
// device's own Description is then changed to one that no adapter carries, so that its
// retries after a failed send can never fall back to another adapter in the middle of a
// transfer.
class TAdapterLink {
public:
    explicit TAdapterLink(QString serialNumber = QString());

    TTarnDevice& Device() { return *DevicePtr; }

    // Opens the link on the chosen adapter when a serial number is given and the link is
    // down; without a serial number the adapter finds itself. False when the chosen adapter
    // is not attached or cannot be opened.
    bool Prepare();

    // Why no adapter answered, as one line with what to do about it.
    QString NoAdapterMessage() const;

    // The USB description the adapter is found by ("USB FETCHer Adapter").
    const QString& Description() const { return WantedDescription; }

private:
    QString SerialNumber;
    QString WantedDescription;
    std::unique_ptr<TTarnDevice> DevicePtr;
};

} // namespace cli
