// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/AdapterLink.h"
#include "cli/Console.h"
#include "cli/Progress.h"

#include <QString>
#include <QStringList>
#include <cstdint>

class TQ47;

namespace cli {

// The connector transfers of the command line on one adapter link, run by the connector
// session's retry rule (TConnectorSession::Read, Write and Compare): each new attempt is one
// line on standard error and the progress bar runs over each attempt. Each returns the
// program's exit code: ExitOk, or a failure with `detail` saying what failed and what to do.
class TConnectorTransfer {
public:
    TConnectorTransfer(TAdapterLink& link, TConsole& console, bool progress);

    // The adapter answers and the session confirms a small-memory connector; else says why on
    // the console (and, `mayWait`, that --wait would wait for one) and returns 4.
    int FindConnector(bool mayWait);

    // Reads the connector into the model (a verified read, see TQ47::ReadConnector).
    // `tellAgain` false: a new attempt is not told, for a look before a write whose outcome is
    // said in a line of its own.
    int Read(TQ47& model, QString& detail, bool tellAgain = true);
    // Writes the model's image and reads it back; one more write when it read back other
    // bytes, 5 when it does so again.
    int Write(TQ47& model, QString& detail);
    // Compares the connector with `expected`; 5 with the connector's bytes in `connector` when
    // they differ (a difference counts only when two reads of it agree).
    int Compare(const std::uint8_t* expected, std::uint8_t* connector, QString& detail);

    // How many times the last transfer was started again.
    int Retries() const { return Restarts; }
    // What the last transfer met when it failed (a blank connector, the line, ...); None when
    // it was done.
    TTransferFailure Met() const { return Failure; }
    // What a failed write left on the connector, for the log: "mixed" (old and new parameters,
    // it must be written again), "unverified" (written, the read-back cut short), or empty.
    const QString& Outcome() const { return Left; }

private:
    // The bar over each attempt in its `phases`; before a new attempt, a line saying that
    // `doing` failed and `why` it may have.
    TTransferHooks Hooks(const QStringList& phases, const QString& doing, const QString& why,
                         bool tellAgain = true);
    // The exit code of a transfer that ended so, and `detail` for one that failed on the line
    // (`why`) or whose adapter or connector went away.
    int Finished(const TTransferResult& result, const QString& doing, const QString& why,
                 QString& detail);

    TAdapterLink& Link;
    TConsole& Console;
    TProgress Progress;
    int Restarts = 0;
    TTransferFailure Failure = TTransferFailure::None;
    QString Left;
};

} // namespace cli
