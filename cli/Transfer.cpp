#include "cli/Transfer.h"

#include "app/AdapterWords.h"
#include "cli/ExitCode.h"
#include "model/Q47.h"
#include "platform/process/Process.h"

namespace cli {

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

TConnectorTransfer::TAttempt
TConnectorTransfer::Attempt(const QStringList& phases, const std::function<TAttempt()>& transfer) {
    TTarnDevice& device = Link.Device();
    // Cleared on every way out, an internal failure of the link included.
    struct TShown {
        TTarnDevice& Device;
        TProgress& Bar;
        ~TShown() {
            Device.OnProgress = nullptr;
            Bar.End();
        }
    } shown{device, Progress};
    Progress.Begin(phases);
    device.OnProgress = [this](int percent) { Progress.Report(percent); };
    return transfer();
}

int TConnectorTransfer::Retrying(const QString& doing, const QString& why, bool againOnDifference,
                                 const std::function<TAttempt()>& once, QString& detail) {
    Restarts = 0;
    Loss = TConnectorSession::TLoss::None;
    bool differedBefore = false;
    for (int attempt = 0;; ++attempt) {
        const TAttempt result = once();
        if (result == TAttempt::Done)
            return ExitOk;
        // A pulled connector reads as 0xFF from there on, which is neither a link failure to
        // try again nor a difference to replace the connector for.
        Loss = Link.Session().WhatWentAway();
        if (const QString gone = ConnectorLossWords(Loss); !gone.isEmpty()) {
            detail = QStringLiteral("%1 failed: %2; plug it in again and retry").arg(doing, gone);
            return ExitCommunicationError;
        }
        const int retries = Link.Session().Retries;
        const bool mayRetry = attempt < retries;
        QString failure = QStringLiteral("%1 failed (%2)").arg(doing, why);
        if (result == TAttempt::Differs) {
            if (!againOnDifference || differedBefore || !mayRetry)
                return ExitContentDiffers;
            differedBefore = true;
            failure = QStringLiteral("the connector read back other bytes than were written");
        } else if (!mayRetry) {
            detail = failure + QStringLiteral("; re-seat the connector and try again");
            return ExitCommunicationError;
        }
        ++Restarts;
        if (!Console.Quiet)
            Console.Fail(
                0, failure +
                       QStringLiteral("; trying again (%1 of %2)").arg(attempt + 1).arg(retries));
    }
}

int TConnectorTransfer::Read(TQ47& model, QString& detail) {
    model.Device = &Link.Device();
    Left.clear();
    const int read = Retrying(
        QStringLiteral("reading the connector"), QStringLiteral("no answer or a wrong checksum"),
        false,
        [&] {
            return Attempt({QStringLiteral("reading")}, [&] {
                return model.ReadConnector() ? TAttempt::Done : TAttempt::LinkFailed;
            });
        },
        detail);
    // Every read gave the same bytes: the connector holds them, and a write cut short is the
    // likely cause, which only writing it again mends.
    if (read == ExitCommunicationError && Loss == TConnectorSession::TLoss::None &&
        model.Left == TQ47::TConnectorLeft::BadChecksum)
        detail = QStringLiteral("reading the connector failed: its checksum is wrong, though "
                                "every read gave the same bytes; the connector may have been "
                                "left half-written by a write that was cut short: write it "
                                "again, or re-seat it and try again");
    return read;
}

int TConnectorTransfer::Write(TQ47& model, QString& detail) {
    model.Device = &Link.Device();
    Left.clear();
    // What the attempts left on the connector: an attempt that wrote nothing does not mend the
    // mix that an earlier one left.
    TQ47::TConnectorLeft left = TQ47::TConnectorLeft::Unchanged;
    const int written = Retrying(
        QStringLiteral("writing the connector"),
        QStringLiteral("a block write refused or unanswered, or a read-back cut short"), true,
        [&] {
            return Attempt({QStringLiteral("writing"), QStringLiteral("verifying")}, [&] {
                bool differs = false;
                if (model.WriteImageToConnector(differs))
                    return TAttempt::Done;
                if (model.Left == TQ47::TConnectorLeft::Mixed ||
                    model.Left == TQ47::TConnectorLeft::Unverified)
                    left = model.Left;
                // A difference has been read twice alike: no damaged reply.
                return differs ? TAttempt::Differs : TAttempt::LinkFailed;
            });
        },
        detail);
    if (written == ExitContentDiffers) {
        detail = QStringLiteral("the connector does not keep what is written into it: it read "
                                "back other bytes again after a second write; replace the "
                                "connector");
        return written;
    }
    if (written == ExitOk ||
        (left != TQ47::TConnectorLeft::Mixed && left != TQ47::TConnectorLeft::Unverified))
        return written;
    const bool mixed = left == TQ47::TConnectorLeft::Mixed;
    Left = mixed ? QStringLiteral("mixed") : QStringLiteral("unverified");
    const QString why = Loss != TConnectorSession::TLoss::None
                            ? QStringLiteral(": ") + ConnectorLossWords(Loss)
                        : mixed ? QStringLiteral(" (a block write refused or unanswered)")
                                : QStringLiteral(" (no answer or a damaged reply)");
    const QString todo = Loss == TConnectorSession::TLoss::Adapter
                             ? QStringLiteral("plug the adapter in again")
                         : Loss == TConnectorSession::TLoss::Connector
                             ? QStringLiteral("plug the connector in again")
                             : QStringLiteral("re-seat the connector");
    detail = (mixed ? QStringLiteral("writing the connector failed%1; the connector may now hold a "
                                     "mix of old and new parameters and must be written again "
                                     "before use: %2 and write it again")
                    : QStringLiteral("every block was written into the connector, but the "
                                     "read-back that checks them was cut short%1; the connector "
                                     "holds the new parameters unchecked: %2 and verify it, or "
                                     "write it again"))
                 .arg(why, todo);
    return written;
}

int TConnectorTransfer::Compare(const std::uint8_t* expected, std::uint8_t* connector,
                                QString& detail) {
    return Retrying(
        QStringLiteral("reading the connector"),
        QStringLiteral("no answer or a reply corrupted on the way"), false,
        [&] {
            return Attempt({QStringLiteral("reading")}, [&] {
                // A block differs only when two of its reads agree: a reply damaged on the way
                // is a link failure to try again, not a connector to replace.
                switch (Link.Device().CompareMemory(0, expected, connector, TQ47::ImageSize)) {
                case TTarnDevice::TComparison::Same:
                    return TAttempt::Done;
                case TTarnDevice::TComparison::Differs:
                    return TAttempt::Differs;
                case TTarnDevice::TComparison::Failed:
                    break;
                }
                return TAttempt::LinkFailed;
            });
        },
        detail);
}

} // namespace cli
