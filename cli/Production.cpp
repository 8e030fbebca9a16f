// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Production.h"

#include "cli/ExitCode.h"
#include "cli/ImageFile.h"
#include "cli/NativeName.h"
#include "cli/ParameterText.h"
#include "model/Q47.h"
#include "platform/process/Process.h"

namespace cli {
namespace {

constexpr int PollMs = 200;     // between the questions about the connector
constexpr int LostPollMs = 500; // while the adapter does not answer
// How often, in polls, a connector waiting to be pulled has its image looked at: a swap that is
// quicker than the questions about the connector still changes the image.
constexpr int ImageCheckPolls = 10;

QByteArray Bytes(const std::uint8_t* image) {
    return QByteArray(reinterpret_cast<const char*>(image), TQ47::ImageSize);
}

} // namespace

TProduction::TProduction(TAdapterLink& link, TConsole& console, TConnectorTransfer& transfer,
                         TRecorder& recorder)
    : Link(link), Console(console), Transfer(transfer), Recorder(recorder) {}

void TProduction::Lost(bool silent) {
    if (silent && !Silent)
        Console.Note(QStringLiteral("the adapter does not answer; waiting for it"));
    else if (!silent && Silent)
        Console.Note(QStringLiteral("the adapter answers again"));
    Silent = silent;
}

bool TProduction::WaitForConnector() {
    TConnectorSession& session = Link.Session();
    session.Restart();
    while (!process::StopRequested()) {
        const TConnectorVerdict verdict = session.Observe(session.Ask());
        Lost(verdict == TConnectorVerdict::NoAnswer);
        // A connector that is still being pushed home may make contact and lose it again: it
        // counts once the session's rule confirms it.
        if (verdict == TConnectorVerdict::Present)
            return true;
        process::Pause(Silent ? LostPollMs : PollMs);
    }
    return false;
}

QByteArray TProduction::Peek() {
    TQ47 model;
    model.Device = &Link.Device();
    return model.ReadConnector() ? Bytes(model.Image) : QByteArray();
}

TProduction::TWaited TProduction::WaitUntilPulled(QByteArray image) {
    // The next connector is the one plugged in after this one is pulled, or found in its place.
    // An adapter that stops answering meanwhile may come back with the same connector in it:
    // only the adapter confirming "no connector" by the session's rule counts as pulled, and
    // only an image other than this connector's counts as another connector.
    Console.Note(QStringLiteral("pull the connector"));
    TConnectorSession& session = Link.Session();
    session.Restart();
    bool doubt = false; // the connector may have been out meanwhile: its image tells
    for (int polls = 1; process::Pause(Silent ? LostPollMs : PollMs); ++polls) {
        const TConnectorAnswer answer = session.Ask();
        TConnectorVerdict verdict = session.Observe(answer);
        Lost(verdict == TConnectorVerdict::NoAnswer);
        if (Silent) {
            doubt = true;
            continue;
        }
        // One "no connector" is asked again at once: a pull of any length counts once the
        // session confirms it, however quickly the next connector follows.
        if (verdict == TConnectorVerdict::Undecided && answer.Presence == TPresence::Absent) {
            verdict = session.Confirm();
            doubt = true;
        }
        if (verdict == TConnectorVerdict::Absent) {
            Console.Note(QStringLiteral("connector pulled; waiting for the next one"));
            return TWaited::Pulled;
        }
        if (verdict != TConnectorVerdict::Present || (!doubt && polls % ImageCheckPolls != 0))
            continue;
        const QByteArray now = Peek();
        session.Restart();
        if (now.isEmpty())
            continue; // being pulled, or a noisy line: the next answers tell
        if (image.isEmpty()) {
            image = now; // what a connector that failed holds
        } else if (now != image) {
            Console.Note(QStringLiteral("another connector is in the adapter"));
            return TWaited::Swapped;
        } else if (doubt) {
            Console.Note(QStringLiteral("the same connector is still in place; pull it"));
        }
        doubt = false;
    }
    return TWaited::Stopped;
}

int TProduction::ProgramOne(TJob job, const TQ47& source, const QString& name, QString& detail,
                            QByteArray& image) {
    image.clear();
    if (!Link.Device().SmallMemory) {
        detail = QStringLiteral("large-memory connector, not a sampler connector");
        return ExitNoDevice;
    }
    if (job == TJob::Write) {
        TQ47 model = source;
        Recorder.Record.Image = Bytes(model.Image);
        const int written = Transfer.Write(model, detail);
        Recorder.Record.Retries = Transfer.Retries();
        Recorder.Record.Outcome = Transfer.Outcome();
        if (written != ExitOk)
            return written;
        image = Bytes(model.Image);
        detail = QStringLiteral("written and verified");
        return ExitOk;
    }
    TQ47 model;
    const int read = Transfer.Read(model, detail);
    Recorder.Record.Retries = Transfer.Retries();
    if (read != ExitOk)
        return read;
    image = Bytes(model.Image);
    Recorder.Record.Image = image;
    if (const int saved = SaveImage(model, name, detail); saved != ExitOk)
        return saved;
    detail = QStringLiteral("read into ") + DisplayName(name);
    if (QString problem; !ValidateParameters(model, problem))
        detail += QStringLiteral("; warning: %1").arg(problem);
    return ExitOk;
}

int TProduction::Run(TJob job, const QString& file, const TQ47& source) {
    if (!Link.FindAdapter())
        return Console.Fail(ExitNoDevice, Link.NoAdapterMessage());
    Recorder.NoteAdapter(Link.Device());
    Console.Note(QStringLiteral("waiting for connectors; press Ctrl+C to stop"));
    int connectors = 0;
    int succeeded = 0;
    int result = ExitOk;
    int nextFile = 1;
    bool swapped = false; // the next connector is in the adapter already
    while (!process::StopRequested()) {
        if (!swapped && !WaitForConnector())
            break;
        ++connectors;
        if (job == TJob::Read) {
            while (KindOf(NumberedName(file, nextFile)) != TFileKind::Missing)
                ++nextFile; // never overwrite the files of an earlier run
        }
        const QString name = job == TJob::Read ? NumberedName(file, nextFile) : file;
        QString detail;
        QByteArray image;
        int programmed = ExitOk;
        // The result line first, then the record.
        const int outcome = Recorder.Run(
            job == TJob::Read ? QStringLiteral("read") : QStringLiteral("write"), name, connectors,
            [&] {
                Recorder.NoteConnector(Link.Device());
                programmed = ProgramOne(job, source, name, detail, image);
                Recorder.Record.Message = detail;
                Console.Result(
                    QStringLiteral("connector %1 %2 %3")
                        .arg(connectors)
                        .arg(programmed == ExitOk ? QStringLiteral("OK") : QStringLiteral("FAILED"),
                             detail));
                return programmed;
            });
        if (programmed == ExitOk) {
            ++succeeded;
            if (job == TJob::Read)
                ++nextFile;
        }
        if (result == ExitOk)
            result = outcome;
        // A bench that keeps a record goes on only with one.
        if (Recorder.LogFailed()) {
            result = ExitFileError;
            Console.Fail(ExitFileError, QStringLiteral("the run stops before the next connector"));
            break;
        }
        const TWaited waited = WaitUntilPulled(image);
        swapped = waited == TWaited::Swapped;
        if (swapped)
            Recorder.NoteAdapter(Link.Device());
    }
    Console.Result(QStringLiteral("summary: %1 connector%2, %3 OK, %4 failed")
                       .arg(connectors)
                       .arg(connectors == 1 ? QString() : QStringLiteral("s"))
                       .arg(succeeded)
                       .arg(connectors - succeeded));
    return result;
}

} // namespace cli
