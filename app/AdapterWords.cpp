// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AdapterWords.h"

#include "app/SystemWords.h"
#include "platform/d2xx/DriverProblem.h"
#include "platform/framework/Convert.h"

#include <QStringList>
#include <algorithm>

namespace {

using TProblem = TAdapterOpen::TProblem;

QString WindowWords(const TAdapterOpen& found,
                    const std::function<QString(const QString&)>& label) {
    if (!label)
        return QString();
    switch (found.Problem) {
    case TProblem::InUse:
    case TProblem::PortBusy:
        return label(QStringLiteral("MsgAdapterBusy"))
            .arg(EscapeControlCharacters(found.SerialNumber.isEmpty() ? found.Port
                                                                      : found.SerialNumber));
    case TProblem::NoPermission:
        if (const QString name = system_words::NoPermissionLabel(); !name.isEmpty())
            return label(name).arg(EscapeControlCharacters(found.Port));
        break;
    case TProblem::DriverMissing:
        return label(QStringLiteral("MsgDriverMissing"));
    case TProblem::NotFound:
        return label(QStringLiteral("MsgAdapterNotFound"));
    case TProblem::Several:
        // The window takes the one adapter there is: it does not choose among several.
        return label(QStringLiteral("MsgAdapterSeveral"))
            .arg(std::max<qsizetype>(2, found.Attached.size()));
    case TProblem::OpenFailed:
    case TProblem::Silent:
        return label(QStringLiteral("MsgAdapterSilent"));
    case TProblem::None:
        break;
    }
    return QString();
}

QString ListWords(const TAdapterOpen& opened) {
    switch (opened.Problem) {
    case TProblem::InUse:
        return QStringLiteral("in use by another program");
    case TProblem::PortBusy:
        return QStringLiteral("held: another program may have the port open");
    case TProblem::NoPermission:
        return QStringLiteral("no permission to open it");
    case TProblem::None:
        return QString();
    case TProblem::DriverMissing:
    case TProblem::NotFound:
    case TProblem::Several:
    case TProblem::OpenFailed:
    case TProblem::Silent:
        break;
    }
    return QStringLiteral("cannot be opened");
}

QString CommandLineWords(const TAdapterOpen& found, const TAdapterChoice& choice) {
    const QString adapter =
        EscapeControlCharacters(found.SerialNumber.isEmpty() ? found.Port : found.SerialNumber);
    QStringList attached;
    for (const QString& serial : found.Attached)
        attached << (serial.isEmpty() ? QStringLiteral("(none)") : EscapeControlCharacters(serial));
    // Each attached adapter whose serial number is `serial` by its port, or all of them by
    // serial number and port.
    const auto ports = [&found](const QString& serial, bool all) {
        QStringList named;
        for (qsizetype i = 0; i < found.Attached.size(); ++i) {
            if (!all && found.Attached[i] != serial)
                continue;
            const QString port = EscapeControlCharacters(found.AttachedPorts.value(i));
            named << (all ? (port.isEmpty() ? EscapeControlCharacters(found.Attached[i])
                                            : system_words::AttachedAt(
                                                  EscapeControlCharacters(found.Attached[i]), port))
                          : (port.isEmpty() ? QStringLiteral("(unknown port)") : port));
        }
        return named.join(QStringLiteral(", "));
    };
    switch (found.Problem) {
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
        return system_words::NoPermission(adapter, EscapeControlCharacters(found.Port));
    case TProblem::DriverMissing:
        // The driver layer's own words: which DLL, and what is wrong with one that was found.
        return QStringLiteral(
                   "no adapter found: %1; install the adapter maker's D2XX driver package, "
                   "then try again")
            .arg(QString::fromStdString(d2xx::DriverProblem()));
    case TProblem::NotFound:
        if (!choice.Port.isEmpty() && !attached.isEmpty())
            return QStringLiteral("no adapter found at %1 (attached: %2); pick one of those with "
                                  "--port")
                .arg(EscapeControlCharacters(choice.Port), ports(QString(), true));
        if (!choice.SerialNumber.isEmpty() && !attached.isEmpty())
            return QStringLiteral("no adapter found with serial number %1 (attached: %2); pick "
                                  "one of those with --serial")
                .arg(EscapeControlCharacters(choice.SerialNumber),
                     attached.join(QStringLiteral(", ")));
        break;
    case TProblem::Several:
        // Clone chips often share one serial number: the port still tells them apart.
        if (!choice.SerialNumber.isEmpty())
            return QStringLiteral("%1 adapters have the serial number %2 and cannot be told "
                                  "apart by it (at %3); choose one with --port")
                .arg(found.Attached.count(choice.SerialNumber))
                .arg(EscapeControlCharacters(choice.SerialNumber),
                     ports(choice.SerialNumber, false));
        return QStringLiteral("no adapter found: %1 adapters are attached (%2); pick one with "
                              "--serial or --port")
            .arg(attached.size())
            .arg(ports(QString(), true));
    case TProblem::OpenFailed:
    case TProblem::Silent:
        return system_words::NotAnswering();
    }
    return QStringLiteral("no adapter found") + system_words::NotFoundHints();
}

} // namespace

QString AdapterProblemWords(const TAdapterOpen& found, TAdapterReader reader,
                            const TAdapterChoice& choice,
                            const std::function<QString(const QString&)>& label) {
    switch (reader) {
    case TAdapterReader::Window:
        return WindowWords(found, label);
    case TAdapterReader::List:
        return ListWords(found);
    case TAdapterReader::CommandLine:
        break;
    }
    return CommandLineWords(found, choice);
}

QString ConnectorRefusalWords(TConnectorRefusal refusal, TAdapterReader reader, bool mayWait,
                              const std::function<QString(const QString&)>& label) {
    if (reader == TAdapterReader::Window) {
        switch (refusal) {
        case TConnectorRefusal::None:
            return QString();
        case TConnectorRefusal::NoAnswer:
            return label(QStringLiteral("MsgAdapterGone"));
        case TConnectorRefusal::Undecided:
            return label(QStringLiteral("MsgLineNoisy"));
        case TConnectorRefusal::Absent:
            return label(QStringLiteral("MsgConnectorNone"));
        case TConnectorRefusal::LargeMemory:
            return label(QStringLiteral("MsgConnectorLarge"));
        }
        return QString();
    }
    switch (refusal) {
    case TConnectorRefusal::None:
        break;
    case TConnectorRefusal::NoAnswer:
        return QStringLiteral("the adapter stopped answering; unplug it and plug it in again");
    case TConnectorRefusal::Undecided:
        return QStringLiteral("the adapter's answers about the connector disagree (a noisy line, "
                              "or a connector that is not pushed home); re-seat the connector and "
                              "try again");
    case TConnectorRefusal::Absent:
        return mayWait ? QStringLiteral("no connector found; plug a connector into the adapter (or "
                                        "use --wait to wait for one)")
                       : QStringLiteral("no connector found; plug a connector into the adapter "
                                        "and try again");
    case TConnectorRefusal::LargeMemory:
        return QStringLiteral("the connector has a large memory and is not a sampler's "
                              "configuration connector; plug in a sampler connector");
    }
    return QString();
}

QString ConnectorLossWords(TConnectorSession::TLoss loss) {
    switch (loss) {
    case TConnectorSession::TLoss::Adapter:
        return QStringLiteral("the adapter stopped answering");
    case TConnectorSession::TLoss::Connector:
        return QStringLiteral("the connector was pulled");
    case TConnectorSession::TLoss::None:
        break;
    }
    return QString();
}

QString TransferFailureWords(TTransferFailure failure,
                             const std::function<QString(const QString&)>& label) {
    switch (failure) {
    case TTransferFailure::None:
        break;
    case TTransferFailure::AdapterGone:
        return label(QStringLiteral("MsgAdapterGone"));
    case TTransferFailure::ConnectorPulled:
        return label(QStringLiteral("MsgConnectorPulled"));
    case TTransferFailure::Line:
        return label(QStringLiteral("MsgLineNoisy"));
    case TTransferFailure::Differs:
        return label(QStringLiteral("MsgConnectorDiffers"));
    case TTransferFailure::Blank:
        return label(QStringLiteral("MsgConnectorBlank"));
    // Read alike twice with a wrong checksum: what a write cut short leaves.
    case TTransferFailure::BadChecksum:
        return label(QStringLiteral("MsgConnectorHalfWritten"));
    }
    return QString();
}

QString ConnectorLeftWords(TQ47::TConnectorLeft left,
                           const std::function<QString(const QString&)>& label) {
    switch (left) {
    case TQ47::TConnectorLeft::Mixed:
        return label(QStringLiteral("MsgConnectorMixed"));
    case TQ47::TConnectorLeft::Unverified:
        return label(QStringLiteral("MsgConnectorUnverified"));
    case TQ47::TConnectorLeft::Unchanged:
    case TQ47::TConnectorLeft::Differs:
    case TQ47::TConnectorLeft::BadChecksum:
        break;
    }
    return QString();
}
