#include "cli/AdapterLink.h"

#include "Library/Serial/USB/UsbUart.h"
#include "platform/d2xx/ftd2xx.h"

#include <cstdint>

namespace cli {

QList<TListedDevice> ListDevices() {
    QList<TListedDevice> devices;
    DWORD count = 0;
    if (FT_ListDevices(&count, nullptr, FT_LIST_NUMBER_ONLY) != FT_OK)
        return devices;
    for (DWORD index = 0; index < count; ++index) {
        // The D2XX convention: the index travels in place of the first pointer.
        PVOID byIndex = reinterpret_cast<PVOID>(static_cast<std::uintptr_t>(index));
        char description[256] = {};
        char serial[32] = {};
        if (FT_ListDevices(byIndex, description, FT_LIST_BY_INDEX | FT_OPEN_BY_DESCRIPTION) !=
            FT_OK)
            continue;
        if (FT_ListDevices(byIndex, serial, FT_LIST_BY_INDEX | FT_OPEN_BY_SERIAL_NUMBER) != FT_OK)
            continue;
        description[sizeof description - 1] = '\0';
        serial[sizeof serial - 1] = '\0';
        devices.append({static_cast<int>(index), QString::fromLatin1(description),
                        QString::fromLatin1(serial)});
    }
    return devices;
}

TAdapterLink::TAdapterLink(QString serialNumber)
    : SerialNumber(std::move(serialNumber)), DevicePtr(std::make_unique<TTarnDevice>()) {
    WantedDescription = DevicePtr->Description;
    if (!SerialNumber.isEmpty())
        DevicePtr->Description =
            WantedDescription + QStringLiteral("\n(only the adapter %1)").arg(SerialNumber);
}

bool TAdapterLink::Prepare() {
    if (SerialNumber.isEmpty())
        return true;
    TTarnDevice& device = *DevicePtr;
    if (device.Uart && device.Uart->IsOpen())
        return true;
    device.Uart.reset();

    int index = -1;
    for (const TListedDevice& listed : ListDevices()) {
        if (listed.Description == WantedDescription && listed.SerialNumber == SerialNumber) {
            index = listed.Index;
            break;
        }
    }
    if (index < 0)
        return false;

    return device.OpenUart(index);
}

QString TAdapterLink::NoAdapterMessage() const {
    const QString hints = QStringLiteral(
        "; check that the adapter is plugged in, that the ftdi_sio driver is loaded "
        "(lsmod | grep ftdi_sio) and that you are in the dialout group, or start the adapter "
        "simulator brookfetch-adapter-sim for a dry run");
    QStringList same;
    for (const TListedDevice& listed : ListDevices()) {
        if (listed.Description == WantedDescription)
            same << (listed.SerialNumber.isEmpty() ? QStringLiteral("(none)")
                                                   : listed.SerialNumber);
    }
    if (!SerialNumber.isEmpty()) {
        if (same.isEmpty())
            return QStringLiteral("no adapter found") + hints;
        return QStringLiteral("no adapter found with serial number %1 (attached: %2); pick one "
                              "of those with --serial")
            .arg(SerialNumber, same.join(QStringLiteral(", ")));
    }
    if (same.size() > 1)
        return QStringLiteral("no adapter found: %1 adapters are attached (serial numbers %2); "
                              "pick one with --serial")
            .arg(same.size())
            .arg(same.join(QStringLiteral(", ")));
    if (same.size() == 1)
        return QStringLiteral("no adapter found: the adapter is attached but does not answer; "
                              "unplug it and plug it in again, or restart the adapter simulator");
    return QStringLiteral("no adapter found") + hints;
}

} // namespace cli
