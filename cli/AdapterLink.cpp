#include "cli/AdapterLink.h"

#include "platform/framework/Convert.h"

#include <QStringList>

namespace cli {

TAdapterLink::TAdapterLink(QString serialNumber)
    : SerialNumber(std::move(serialNumber)), DevicePtr(std::make_unique<TTarnDevice>()),
      SessionPtr(std::make_unique<TConnectorSession>(*DevicePtr)) {
    DevicePtr->SerialNumber = SerialNumber;
}

bool TAdapterLink::FindAdapter() {
    Found = SessionPtr->FindAdapter();
    return Found.Ok();
}

QString TAdapterLink::NoAdapterMessage() const {
    using TProblem = TAdapterOpen::TProblem;
    const QString adapter =
        EscapeControlCharacters(Found.SerialNumber.isEmpty() ? Found.Port : Found.SerialNumber);
    QStringList attached;
    for (const QString& serial : Found.Attached)
        attached << (serial.isEmpty() ? QStringLiteral("(none)") : EscapeControlCharacters(serial));
    const QString hints = QStringLiteral(
        "; check that the adapter is plugged in, that the ftdi_sio driver is loaded "
        "(lsmod | grep ftdi_sio) and that you are in the dialout group, or start the adapter "
        "simulator brookfetch-adapter-sim for a dry run");
    switch (Found.Problem) {
    case TProblem::None:
        break;
    // Never "unplug it" while another program may hold the adapter: it may be in the middle of
    // writing a connector.
    case TProblem::InUse:
        return QStringLiteral("adapter %1 is in use by another program (the window program "
                              "or another brookfetch-cli); let it finish, then try again")
            .arg(adapter);
    case TProblem::PortBusy:
        return QStringLiteral("adapter %1 is held: another program may have the port open (a "
                              "terminal program, for instance); close it, then try again")
            .arg(adapter);
    case TProblem::NoPermission:
        return QStringLiteral("no permission to open the adapter %1 (%2); install the Brookfetch "
                              "package (its udev rule gives access), or join the dialout group "
                              "(sudo adduser $USER dialout) and log in again")
            .arg(adapter, EscapeControlCharacters(Found.Port));
    case TProblem::DriverMissing:
        return QStringLiteral("no adapter found: the adapter's D2XX driver (FTD2XX.DLL) is not "
                              "installed; install FTDI's D2XX driver, then try again");
    case TProblem::NotFound:
        if (!SerialNumber.isEmpty() && !attached.isEmpty())
            return QStringLiteral("no adapter found with serial number %1 (attached: %2); pick "
                                  "one of those with --serial")
                .arg(EscapeControlCharacters(SerialNumber), attached.join(QStringLiteral(", ")));
        return QStringLiteral("no adapter found") + hints;
    case TProblem::Several:
        if (!SerialNumber.isEmpty())
            return QStringLiteral("no adapter found: %1 adapters have the serial number %2 and "
                                  "cannot be told apart; use them one at a time")
                .arg(Found.Attached.count(SerialNumber))
                .arg(EscapeControlCharacters(SerialNumber));
        return QStringLiteral("no adapter found: %1 adapters are attached (serial numbers %2); "
                              "pick one with --serial")
            .arg(attached.size())
            .arg(attached.join(QStringLiteral(", ")));
    case TProblem::OpenFailed:
    case TProblem::Silent:
        // A program that takes no lock may be reading the adapter's answers away; only when
        // none does is the adapter itself to blame.
        return QStringLiteral("no adapter found: the adapter is attached but does not answer; "
                              "another program may have the port open (close it and try "
                              "again), or the adapter needs a restart: reconnect it, or "
                              "restart the adapter simulator");
    }
    return QStringLiteral("no adapter found") + hints;
}

} // namespace cli
