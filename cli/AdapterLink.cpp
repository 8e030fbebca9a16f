#include "cli/AdapterLink.h"

#include "platform/d2xx/DriverProblem.h"
#include "platform/d2xx/OpenFailure.h"
#include "platform/framework/Convert.h"

#include <QStringList>

namespace cli {

TAdapterLink::TAdapterLink(QString serialNumber, QString port)
    : SerialNumber(std::move(serialNumber)), Port(std::move(port)),
      DevicePtr(std::make_unique<TTarnDevice>()),
      SessionPtr(std::make_unique<TConnectorSession>(*DevicePtr)) {
    DevicePtr->SerialNumber = SerialNumber;
    DevicePtr->Port = Port;
    DevicePtr->NamesAttached = true; // NoAdapterMessage names them
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
    // "SN (/dev/ttyUSB0)" for each attached adapter whose serial number is `serial`, or for all.
    const auto ports = [this](const QString& serial, bool all) {
        QStringList named;
        for (qsizetype i = 0; i < Found.Attached.size(); ++i) {
            if (!all && Found.Attached[i] != serial)
                continue;
            const QString port = EscapeControlCharacters(Found.AttachedPorts.value(i));
            named << (all ? EscapeControlCharacters(Found.Attached[i]) +
                                (port.isEmpty() ? QString() : QStringLiteral(" at ") + port)
                          : (port.isEmpty() ? QStringLiteral("(unknown port)") : port));
        }
        return named.join(QStringLiteral(", "));
    };
    QString hints = QStringLiteral(
        "; check that the adapter is plugged in, that the ftdi_sio driver is loaded "
        "(lsmod | grep ftdi_sio) and that you are in the dialout group, or start the adapter "
        "simulator brookfetch-adapter-sim for a dry run");
    // Simulated adapters in a folder that is not to be trusted are not listed: say so.
    if (const std::string refused = d2xx::refusedPortFolder(); !refused.empty())
        hints = QStringLiteral("; the folder of simulated adapters was passed over: %1; it must be "
                               "a folder of yours that nobody else may write")
                    .arg(EscapeControlCharacters(QString::fromStdString(refused)));
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
        // The driver layer's own words: which DLL, and what is wrong with one that was found.
        return QStringLiteral(
                   "no adapter found: %1; install the adapter maker's D2XX driver package, "
                   "then try again")
            .arg(QString::fromStdString(d2xx::DriverProblem()));
    case TProblem::NotFound:
        if (!Port.isEmpty() && !attached.isEmpty())
            return QStringLiteral("no adapter found at %1 (attached: %2); pick one of those with "
                                  "--port")
                .arg(EscapeControlCharacters(Port), ports(QString(), true));
        if (!SerialNumber.isEmpty() && !attached.isEmpty())
            return QStringLiteral("no adapter found with serial number %1 (attached: %2); pick "
                                  "one of those with --serial")
                .arg(EscapeControlCharacters(SerialNumber), attached.join(QStringLiteral(", ")));
        return QStringLiteral("no adapter found") + hints;
    case TProblem::Several:
        // Clone chips often share one serial number: the port still tells them apart.
        if (!SerialNumber.isEmpty())
            return QStringLiteral("%1 adapters have the serial number %2 and cannot be told "
                                  "apart by it (at %3); choose one with --port")
                .arg(Found.Attached.count(SerialNumber))
                .arg(EscapeControlCharacters(SerialNumber), ports(SerialNumber, false));
        return QStringLiteral("no adapter found: %1 adapters are attached (%2); pick one with "
                              "--serial or --port")
            .arg(attached.size())
            .arg(ports(QString(), true));
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
