// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Transfer.h"

#include "app/AdapterWords.h"
#include "cli/ExitCode.h"
#include "model/Q47.h"
#include "platform/process/Process.h"

namespace cli {
namespace {

TConnectorSession::TLoss LossOf(TTransferFailure failure) {
    switch (failure) {
    case TTransferFailure::AdapterGone:
        return TConnectorSession::TLoss::Adapter;
    case TTransferFailure::ConnectorPulled:
        return TConnectorSession::TLoss::Connector;
    default:
        return TConnectorSession::TLoss::None;
    }
}

} // namespace

TConnectorTransfer::TConnectorTransfer(TAdapterLink& link, TConsole& console, bool progress)
    : Link(link), Console(console),
      Progress(console.Err, progress, process::TerminalColumns(process::TStream::Error)) {}

int TConnectorTransfer::FindConnector(bool mayWait) {
    if (!Link.FindAdapter())
        return Console.Fail(ExitNoDevice, Link.NoAdapterMessage());
    // By the session's rule, as the window has it, so that a reply damaged on the way turns no
    // connector away.
    const TConnectorRefusal refusal = Link.Session().Refusal();
    if (refusal != TConnectorRefusal::None)
        return Console.Fail(ExitNoDevice,
                            ConnectorRefusalWords(refusal, TAdapterReader::CommandLine, mayWait));
    return ExitOk;
}

TTransferHooks TConnectorTransfer::Hooks(const QStringList& phases, const QString& doing,
                                         const QString& why, bool tellAgain) {
    Restarts = 0;
    Failure = TTransferFailure::None;
    Left.clear();
    TTransferHooks hooks;
    hooks.Begin = [this, phases] {
        Progress.Begin(phases);
        Link.Device().OnProgress = [this](int percent) { Progress.Report(percent); };
    };
    hooks.End = [this] {
        Link.Device().OnProgress = nullptr;
        Progress.End();
    };
    if (!tellAgain)
        return hooks;
    hooks.Again = [this, doing, why](TTransferFailure met, int restart, int retries) {
        const QString failure =
            met == TTransferFailure::Differs
                ? QStringLiteral("the connector read back other bytes than were written")
                : QStringLiteral("%1 failed (%2)").arg(doing, why);
        if (!Console.Quiet)
            Console.Fail(
                0, failure + QStringLiteral("; trying again (%1 of %2)").arg(restart).arg(retries));
    };
    return hooks;
}

int TConnectorTransfer::Finished(const TTransferResult& result, const QString& doing,
                                 const QString& why, QString& detail) {
    Restarts = result.Restarts;
    Failure = result.Failure;
    if (result.Ok())
        return ExitOk;
    if (result.Failure == TTransferFailure::Differs)
        return ExitContentDiffers;
    if (const QString gone = ConnectorLossWords(LossOf(result.Failure)); !gone.isEmpty())
        detail = QStringLiteral("%1 failed: %2; plug it in again and retry").arg(doing, gone);
    else
        detail =
            QStringLiteral("%1 failed (%2); re-seat the connector and try again").arg(doing, why);
    return ExitCommunicationError;
}

int TConnectorTransfer::Read(TQ47& model, QString& detail, bool tellAgain) {
    const QString doing = QStringLiteral("reading the connector");
    const QString why = QStringLiteral("no answer or a wrong checksum");
    const TTransferResult result =
        Link.Session().Read(model, Hooks({QStringLiteral("reading")}, doing, why, tellAgain));
    const int read = Finished(result, doing, why, detail);
    // Every read gave the same bytes: the connector holds them.
    if (result.Failure == TTransferFailure::Blank)
        detail = QStringLiteral("reading the connector failed: the connector is blank, its "
                                "memory holds no parameters; write a parameter set into it");
    // A write cut short is the likely cause, which only writing it again mends.
    else if (result.Failure == TTransferFailure::BadChecksum)
        detail = QStringLiteral("reading the connector failed: its checksum is wrong, though "
                                "every read gave the same bytes; the connector may have been "
                                "left half-written by a write that was cut short: write it "
                                "again, or re-seat it and try again");
    return read;
}

int TConnectorTransfer::Write(TQ47& model, QString& detail) {
    const QString doing = QStringLiteral("writing the connector");
    const QString why =
        QStringLiteral("a block write refused or unanswered, or a read-back cut short");
    const TTransferResult result = Link.Session().Write(
        model, Hooks({QStringLiteral("writing"), QStringLiteral("verifying")}, doing, why));
    const int written = Finished(result, doing, why, detail);
    if (written == ExitContentDiffers) {
        detail = QStringLiteral("the connector does not keep what is written into it: it read "
                                "back other bytes again after a second write; replace the "
                                "connector");
        return written;
    }
    const TQ47::TConnectorLeft left = model.Left;
    if (written == ExitOk ||
        (left != TQ47::TConnectorLeft::Mixed && left != TQ47::TConnectorLeft::Unverified))
        return written;
    const bool mixed = left == TQ47::TConnectorLeft::Mixed;
    Left = mixed ? QStringLiteral("mixed") : QStringLiteral("unverified");
    const TConnectorSession::TLoss loss = LossOf(result.Failure);
    const QString cause = loss != TConnectorSession::TLoss::None
                              ? QStringLiteral(": ") + ConnectorLossWords(loss)
                          : mixed ? QStringLiteral(" (a block write refused or unanswered)")
                                  : QStringLiteral(" (no answer or a damaged reply)");
    const QString todo = loss == TConnectorSession::TLoss::Adapter
                             ? QStringLiteral("plug the adapter in again")
                         : loss == TConnectorSession::TLoss::Connector
                             ? QStringLiteral("plug the connector in again")
                             : QStringLiteral("re-seat the connector");
    detail = (mixed ? QStringLiteral("writing the connector failed%1; the connector may now hold a "
                                     "mix of old and new parameters and must be written again "
                                     "before use: %2 and write it again")
                    : QStringLiteral("every block was written into the connector, but the "
                                     "read-back that checks them was cut short%1; the connector "
                                     "holds the new parameters unchecked: %2 and verify it, or "
                                     "write it again"))
                 .arg(cause, todo);
    return written;
}

int TConnectorTransfer::Compare(const std::uint8_t* expected, std::uint8_t* connector,
                                QString& detail) {
    const QString doing = QStringLiteral("reading the connector");
    const QString why = QStringLiteral("no answer or a reply corrupted on the way");
    const TTransferResult result =
        Link.Session().Compare(expected, connector, Hooks({QStringLiteral("reading")}, doing, why));
    return Finished(result, doing, why, detail);
}

} // namespace cli
