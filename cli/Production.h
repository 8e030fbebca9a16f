// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/AdapterLink.h"
#include "cli/Console.h"
#include "cli/Recorder.h"
#include "cli/Transfer.h"

#include <QByteArray>
#include <QString>

class TQ47;

namespace cli {

// Production mode (read --wait, write --wait): wait for a connector, program it, report it on
// one line, wait until it is pulled or another one is in its place, and again, until a stop is
// requested; then one summary line. Each connector is one operation with its record; when a
// record cannot be written the run stops before the next connector.
class TProduction {
public:
    enum class TJob { Read, Write };

    TProduction(TAdapterLink& link, TConsole& console, TConnectorTransfer& transfer,
                TRecorder& recorder);

    // `source`: the loaded and checked file to write (TJob::Write). Read saves each connector
    // into the next free numbered file (NumberedName). The exit code of the first connector
    // that failed, 2 when a record could not be written, else 0.
    int Run(TJob job, const QString& file, const TQ47& source);

private:
    enum class TWaited { Pulled, Swapped, Stopped };
    // Until the session confirms a connector; false at a stop request.
    bool WaitForConnector();
    // Until the connector is pulled (the session confirms its absence, however short) or
    // another one is found in its place (its image is not `image`, the bytes it held).
    TWaited WaitUntilPulled(QByteArray image);
    // Programs one connector; `image` then holds the bytes it holds, when known.
    int ProgramOne(TJob job, const TQ47& source, const QString& name, QString& detail,
                   QByteArray& image);
    // The connector's image by a verified read without a word on the console; empty when the
    // read failed.
    QByteArray Peek();
    void Lost(bool silent); // notes an adapter that stopped or started answering again

    TAdapterLink& Link;
    TConsole& Console;
    TConnectorTransfer& Transfer;
    TRecorder& Recorder;
    bool Silent = false; // the adapter has stopped answering
};

} // namespace cli
