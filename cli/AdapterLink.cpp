// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/AdapterLink.h"

#include "app/AdapterWords.h"

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
    return AdapterProblemWords(Found, TAdapterReader::CommandLine, {SerialNumber, Port});
}

} // namespace cli
