// SPDX-License-Identifier: GPL-3.0-or-later
// Every adapter at once. Each lane is a process of its own: this program started again for one
// adapter, its output relayed here line by line behind the adapter's name. Lanes then share no
// state at all: the D2XX layer, the adapter objects, the stop requests and the log stay
// exactly as a single run has them (the D2XX layer is not made for threads), a lane that fails
// or crashes cannot take the others with it, and the time of one lane is the time of a single
// run, so two adapters take no longer than one.

#include "cli/Lanes.h"

#include "Library/Serial/USB/UsbUart.h"
#include "cli/AdapterLink.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "cli/ImageFile.h"
#include "cli/Log.h"
#include "platform/framework/Convert.h"
#include "platform/framework/NativePath.h"
#include "platform/process/Process.h"

#include <QHash>
#include <cstdio>
#include <vector>

namespace cli {
namespace {

// An adapter that gets a lane, and how the lane finds it again.
struct TLane {
    QString Name;          // its serial number, or its port
    bool ByPort = false;   // chosen by --port
    QByteArray Prefix;     // "FT5XK2QA: "
    QByteArray Pending[2]; // the start of a line still to come, of output and error
};

void Relay(TLane& lane, process::TStream stream, std::string_view bytes) {
    const int which = stream == process::TStream::Output ? 0 : 1;
    QByteArray& pending = lane.Pending[which];
    pending.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (bytes.empty() && !pending.isEmpty() && !pending.endsWith('\n'))
        pending += '\n'; // the stream's end ends its last line
    const qsizetype end = pending.lastIndexOf('\n');
    if (end < 0)
        return;
    QByteArray lines;
    for (const QByteArray& line : pending.left(end).split('\n'))
        lines += lane.Prefix + line + '\n';
    pending.remove(0, end + 1);
    // A closed stream here (a pipe whose reader went) loses these lines, not the lanes' work.
    FILE* to = which == 0 ? stdout : stderr;
    std::fwrite(lines.constData(), 1, static_cast<size_t>(lines.size()), to);
    std::fflush(to);
}

// The port as a name in a file: "/dev/ttyUSB0" gives "ttyUSB0", "/dev/pts/3" "pts-3".
QString PortTag(const QString& port) {
    QString tag = port.startsWith(QLatin1String("/dev/")) ? port.mid(5) : port;
    return tag.replace(QLatin1Char('/'), QLatin1Char('-'));
}

} // namespace

QString LaneFileName(const QString& name, const QString& tag) {
    QString suffix = QStringLiteral("-") + tag;
    for (qsizetype i = 1; i < suffix.size(); ++i) {
        const QChar c = suffix[i];
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != QLatin1Char('-') &&
            c != QLatin1Char('_') && c != QLatin1Char('.'))
            suffix[i] = QLatin1Char('_');
    }
    return TaggedName(name, suffix);
}

int RunLanes(const TInvocation& call, QTextStream& out, QTextStream& err) {
    TConsole console(out, err, call.Options.Quiet);
    if (!call.Options.Log.isEmpty()) {
        // Checked here, before any lane begins, as a single run checks it.
        TLog log;
        if (QString error; !log.Open(call.Options.Log, out, error))
            return console.Fail(ExitFileError, error);
    }

    // An adapter with a serial number of its own is its lane's name; another one is named and
    // found by its port, when the system tells it.
    const QString wanted = TTarnDevice().Description;
    QList<TUsbDevice> adapters;
    QHash<QString, int> bySerial;
    for (const TUsbDevice& device : TUsbUart::ListDevices(TUsbUart::TListing::WithSerialNumbers)) {
        if (device.Description != wanted)
            continue;
        adapters << device;
        ++bySerial[device.SerialNumber];
    }
    std::vector<TLane> lanes;
    QStringList unnamed;
    for (const TUsbDevice& adapter : adapters) {
        const bool own = !adapter.SerialNumber.isEmpty() && bySerial[adapter.SerialNumber] == 1;
        if (!own && adapter.Port.isEmpty()) {
            unnamed << (adapter.SerialNumber.isEmpty()
                            ? QStringLiteral("one without a serial number")
                            : EscapeControlCharacters(adapter.SerialNumber));
            continue;
        }
        TLane& lane = lanes.emplace_back();
        lane.ByPort = !own;
        lane.Name = own ? adapter.SerialNumber : adapter.Port;
        lane.Prefix = EscapeControlCharacters(lane.Name).toUtf8() + ": ";
    }
    int result = ExitOk;
    if (!unnamed.isEmpty())
        result = console.Fail(ExitNoDevice,
                              QStringLiteral("adapters that can be told apart neither by serial "
                                             "number nor by port get no lane (%1); use them one "
                                             "at a time")
                                  .arg(unnamed.join(QStringLiteral(", "))));
    if (lanes.empty()) {
        if (result != ExitOk)
            return result;
        TAdapterLink none;
        none.FindAdapter();
        return console.Fail(ExitNoDevice, none.NoAdapterMessage());
    }

    out.flush();
    process::TChildren children;
    std::vector<std::size_t> started; // the lane of each child
    for (std::size_t i = 0; i < lanes.size(); ++i) {
        const TLane& lane = lanes[i];
        const QString tag = lane.ByPort ? PortTag(lane.Name) : lane.Name;
        const QString file = call.Command->ImageOut ? LaneFileName(call.File(), tag) : call.File();
        // Each lane traces into a file of its own; on standard error its lines are relayed.
        TInvocation laneCall = call;
        const QString& trace = call.Options.Trace;
        if (!trace.isEmpty() && trace != QLatin1String("-"))
            laneCall.Options.Trace = LaneFileName(trace, tag);
        std::vector<process::TNativeString> arguments;
        for (const QString& argument : LaneArguments(laneCall, lane.ByPort, lane.Name, file))
            arguments.push_back(NativeNameOf(argument));
        if (children.Start(arguments)) {
            started.push_back(i);
        } else if (result == ExitOk) {
            result = console.Fail(ExitCommunicationError,
                                  QStringLiteral("cannot start the lane of adapter %1")
                                      .arg(EscapeControlCharacters(lane.Name)));
        }
    }
    std::vector<int> codes;
    std::string why;
    const bool relayed = children.RelayUntilEnd(
        [&](std::size_t child, process::TStream stream, std::string_view bytes) {
            Relay(lanes[started[child]], stream, bytes);
        },
        codes, why);
    if (!relayed && result == ExitOk)
        result = console.Fail(ExitCommunicationError, QString::fromLocal8Bit(why));
    for (const int code : codes) {
        if (result == ExitOk)
            result = code;
    }
    return result;
}

} // namespace cli
