// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a virtual port's file: no crash, a file taken has a description, a path and a
// latency file name of one line each, and what the program writes for it reads back as the same
// port.

#include "platform/d2xx/Ports.h"

#include "fuzz/ScratchFile.h"

#include <QFile>
#include <cstdint>
#include <cstdlib>

namespace {

std::string Scratch(const char* name) {
    return QFile::encodeName(ScratchFile(QString::fromLatin1(name))).toStdString();
}

bool OneLine(const std::string& value) {
    return value.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string file = Scratch("in.port");
    static const std::string again = Scratch("again.port");
    FillScratchFile(QString::fromStdString(file), reinterpret_cast<const char*>(data),
                    static_cast<qsizetype>(size));
    // A port file is believed only when nobody else may write it.
    QFile::setPermissions(QString::fromStdString(file), QFile::ReadOwner | QFile::WriteOwner);
    const std::optional<d2xx::PortFile> port = d2xx::readPortFile(file);
    if (!port)
        return 0;
    if (port->path.empty() || port->path.find('\n') != std::string::npos ||
        port->description.find('\n') != std::string::npos ||
        port->serial.find('\n') != std::string::npos ||
        port->latency.find('\n') != std::string::npos)
        std::abort();
    if (!OneLine(port->description) || !OneLine(port->serial) || !OneLine(port->path) ||
        !OneLine(port->latency))
        return 0; // the writer refuses such values, rightly
    if (!d2xx::writePortFile(again, *port))
        std::abort();
    const std::optional<d2xx::PortFile> back = d2xx::readPortFile(again);
    if (!back || back->description != port->description || back->serial != port->serial ||
        back->path != port->path || back->latency != port->latency ||
        back->pid != (port->pid > 0 ? port->pid : 0))
        std::abort();
    return 0;
}
