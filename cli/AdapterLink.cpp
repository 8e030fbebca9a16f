#include "cli/AdapterLink.h"

#include "Library/Serial/USB/UsbUart.h"
#include "platform/d2xx/OpenFailure.h"
#include "platform/d2xx/ftd2xx.h"
#include "platform/framework/Convert.h"

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
        // Decoded as the USB UART decodes them, so that --serial matches what status shows.
        devices.append(
            {static_cast<int>(index), QString::fromUtf8(description), QString::fromUtf8(serial)});
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
    // Asked first: listing the devices below starts a new search, which forgets the refusal.
    const d2xx::OpenFailure refused = d2xx::lastOpenFailure();
    if (refused.reason != d2xx::OpenRefusal::None) {
        const QString adapter = EscapeControlCharacters(
            QString::fromStdString(refused.serial.empty() ? refused.path : refused.serial));
        // Never "unplug it" here: the other program may be in the middle of writing a connector.
        if (refused.reason == d2xx::OpenRefusal::InUse)
            return QStringLiteral("adapter %1 is in use by another program (the window program "
                                  "or another brookfetch-cli); let it finish, then try again")
                .arg(adapter);
        return QStringLiteral("no permission to open the adapter %1 (%2); install the Brookfetch "
                              "package (its udev rule gives access), or join the dialout group "
                              "(sudo adduser $USER dialout) and log in again")
            .arg(adapter, EscapeControlCharacters(QString::fromStdString(refused.path)));
    }
    const QString hints = QStringLiteral(
        "; check that the adapter is plugged in, that the ftdi_sio driver is loaded "
        "(lsmod | grep ftdi_sio) and that you are in the dialout group, or start the adapter "
        "simulator brookfetch-adapter-sim for a dry run");
    QStringList same;
    for (const TListedDevice& listed : ListDevices()) {
        if (listed.Description == WantedDescription)
            same << (listed.SerialNumber.isEmpty() ? QStringLiteral("(none)")
                                                   : EscapeControlCharacters(listed.SerialNumber));
    }
    if (!SerialNumber.isEmpty()) {
        if (same.isEmpty())
            return QStringLiteral("no adapter found") + hints;
        return QStringLiteral("no adapter found with serial number %1 (attached: %2); pick one "
                              "of those with --serial")
            .arg(EscapeControlCharacters(SerialNumber), same.join(QStringLiteral(", ")));
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
