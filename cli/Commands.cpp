#include "cli/Commands.h"

#include "Library/Serial/USB/UsbUart.h"
#include "cli/ExitCode.h"
#include "cli/ImageFile.h"
#include "cli/NativeName.h"
#include "cli/ParameterText.h"
#include "model/Q47.h"
#include "platform/framework/Convert.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <chrono>
#include <csignal>
#include <thread>

namespace cli {
namespace {

volatile std::sig_atomic_t StopFlag = 0;
volatile std::sig_atomic_t CaughtSignal = 0;

void OnStopSignal(int signal) {
    StopFlag = 1;
    CaughtSignal = signal;
}

// SIGINT and SIGTERM end a production run between connectors instead of killing the
// program in the middle of a transfer.
// A signal ignored when the program started (SIGINT of a job started with & by a script) stays
// ignored, as the shell meant it to be.
void CatchSignal(int signal, struct sigaction* old) {
    struct sigaction previous = {};
    sigaction(signal, nullptr, &previous);
    if (old != nullptr)
        *old = previous;
    if (previous.sa_handler == SIG_IGN)
        return;
    struct sigaction action = {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
}

// Outside production mode a signal still must not cut a transfer short, which would leave a
// connector half written: it is held back until the transfer has ended and then takes its
// usual effect.
class TSignalDeferral {
public:
    explicit TSignalDeferral(bool active) : Active(active) {
        if (!Active)
            return;
        CatchSignal(SIGINT, &OldInt);
        CatchSignal(SIGTERM, &OldTerm);
    }
    ~TSignalDeferral() { Restore(); }
    TSignalDeferral(const TSignalDeferral&) = delete;
    TSignalDeferral& operator=(const TSignalDeferral&) = delete;

    void Restore() {
        if (!Active)
            return;
        Active = false;
        sigaction(SIGINT, &OldInt, nullptr);
        sigaction(SIGTERM, &OldTerm, nullptr);
    }
    // The signal that came during the transfer, or 0.
    static int Caught() { return CaughtSignal; }

private:
    bool Active;
    struct sigaction OldInt = {};
    struct sigaction OldTerm = {};
};

QString VersionText(std::uint16_t version) {
    return QString::asprintf("%x.%02x", version >> 8, version & 0xFF);
}

const QString ProgramName = QStringLiteral("brookfetch-cli");

const QString AdapterSilent =
    QStringLiteral("the adapter stopped answering; unplug it and plug it in again");
const QString AnswersDisagree =
    QStringLiteral("the adapter's answers about the connector disagree (a noisy line, or a "
                   "connector that is not pushed home); re-seat the connector and try again");

// A file operand as messages name it.
QString InputName(const QString& file) {
    return file == QLatin1String("-") ? QStringLiteral("standard input") : DisplayName(file);
}

// The first differing offset, both bytes, the parameter and how many bytes differ.
QString Difference(const std::uint8_t* connector, const std::uint8_t* file) {
    int first = -1;
    int differing = 0;
    for (int offset = 0; offset < TQ47::ImageSize; ++offset) {
        if (connector[offset] != file[offset]) {
            if (first < 0)
                first = offset;
            ++differing;
        }
    }
    return QString::asprintf("differs at offset %d (", first) + ImageOffsetName(first) +
           QString::asprintf("): connector 0x%02X, file 0x%02X; %d byte%s differ%s",
                             connector[first], file[first], differing, differing == 1 ? "" : "s",
                             differing == 1 ? "s" : "");
}

} // namespace

TCommands::TCommands(const TOptions& options, QTextStream& out, QTextStream& err)
    : Options(options), Out(out), Err(err), Link(options.Serial),
      Progress(err, options.Progress && !options.Quiet) {
    Link.Session().Retries = Options.Retries;
    if (Options.Trace) {
        Trace = std::make_unique<THexTrace>(Err);
        Link.Device().Monitor = Trace.get();
    }
}

TCommands::~TCommands() {
    Link.Device().Monitor = nullptr;
}

void TCommands::RequestStop() {
    StopFlag = 1;
}

bool TCommands::StopRequested() {
    return StopFlag != 0;
}

void TCommands::CatchStopSignals() {
    CatchSignal(SIGINT, nullptr);
    CatchSignal(SIGTERM, nullptr);
}

int TCommands::CaughtStopSignal() {
    return CaughtSignal;
}

int TCommands::Fail(int code, const QString& message) {
    Record.Message = message;
    Progress.End();
    Out.flush();
    Err << ProgramName << ": " << message << '\n';
    Err.flush();
    return code;
}

void TCommands::Warn(const QString& text) {
    Err << ProgramName << ": warning: " << text << '\n';
    Err.flush();
}

void TCommands::Note(const QString& text) {
    if (Options.Quiet)
        return;
    Err << text << '\n';
    Err.flush();
}

bool TCommands::Pause(int milliseconds) {
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (StopRequested())
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return !StopRequested();
}

int TCommands::FindConnector(bool mayWait) {
    TTarnDevice& device = Link.Device();
    if (!Link.FindAdapter())
        return Fail(ExitNoDevice, Link.NoAdapterMessage());
    NoteAdapter();
    // By the session's rule, so that a reply damaged on the way turns no connector away.
    const TConnectorVerdict verdict = Link.Session().Confirm();
    if (verdict == TConnectorVerdict::NoAnswer)
        return Fail(ExitNoDevice, AdapterSilent);
    if (verdict == TConnectorVerdict::Undecided)
        return Fail(ExitNoDevice, AnswersDisagree);
    if (verdict == TConnectorVerdict::Absent)
        return Fail(ExitNoDevice,
                    mayWait ? QStringLiteral("no connector found; plug a connector into the "
                                             "adapter (or use --wait to wait for one)")
                            : QStringLiteral("no connector found; plug a connector into the "
                                             "adapter and try again"));
    if (!device.SmallMemory)
        return Fail(ExitNoDevice,
                    QStringLiteral("the connector has a large memory and is not a sampler's "
                                   "configuration connector; plug in a sampler connector"));
    return ExitOk;
}

bool TCommands::Transfer(const QStringList& phases, const std::function<bool()>& transfer) {
    TTarnDevice& device = Link.Device();
    // A production run catches the signals for its whole length.
    TSignalDeferral deferral(!Options.Wait);
    Progress.Begin(phases);
    device.OnProgress = [this](int percent) { Progress.Report(percent); };
    bool ok = false;
    try {
        ok = transfer();
    } catch (...) {
        device.OnProgress = nullptr;
        Progress.End();
        throw;
    }
    device.OnProgress = nullptr;
    Progress.End();
    if (!Options.Wait && TSignalDeferral::Caught() != 0) {
        deferral.Restore();
        Fail(ExitCommunicationError,
             QStringLiteral("interrupted; the connector transfer was %1 first")
                 .arg(ok ? QStringLiteral("completed") : QStringLiteral("ended")));
        std::raise(TSignalDeferral::Caught());
    }
    return ok;
}

int TCommands::Retrying(const QString& doing, const QString& why, bool againOnDifference,
                        const std::function<Attempt()>& once, QString& detail) {
    bool differedBefore = false;
    for (int attempt = 0;; ++attempt) {
        const Attempt result = once();
        if (result == Attempt::Done)
            return ExitOk;
        // A pulled connector reads as 0xFF from there on, which is neither a link failure to
        // try again nor a difference to replace the connector for.
        if (const QString gone = WhatWentAway(); !gone.isEmpty()) {
            detail = QStringLiteral("%1 failed: %2; plug it in again and retry").arg(doing, gone);
            return ExitCommunicationError;
        }
        const int retries = Link.Session().Retries;
        const bool mayRetry = attempt < retries;
        QString failure = QStringLiteral("%1 failed (%2)").arg(doing, why);
        if (result == Attempt::Differs) {
            if (!againOnDifference || differedBefore || !mayRetry)
                return ExitContentDiffers;
            differedBefore = true;
            failure = QStringLiteral("the connector read back other bytes than were written");
        } else if (!mayRetry) {
            detail = failure + QStringLiteral("; re-seat the connector and try again");
            return ExitCommunicationError;
        }
        ++Record.Retries;
        if (!Options.Quiet)
            Err << ProgramName << ": " << failure
                << QStringLiteral("; trying again (%1 of %2)").arg(attempt + 1).arg(retries)
                << '\n';
        Err.flush();
    }
}

int TCommands::ReadConnector(TQ47& model, QString& detail) {
    model.Device = &Link.Device();
    const int read = Retrying(
        QStringLiteral("reading the connector"), QStringLiteral("no answer or a wrong checksum"),
        false,
        [&] {
            return Transfer({QStringLiteral("reading")}, [&] { return model.ReadConnector(); })
                       ? Attempt::Done
                       : Attempt::LinkFailed;
        },
        detail);
    if (read == ExitOk)
        Record.Image = QByteArray(reinterpret_cast<const char*>(model.Image), TQ47::ImageSize);
    return read;
}

int TCommands::WriteConnector(TQ47& model, QString& detail) {
    model.Device = &Link.Device();
    Record.Image = QByteArray(reinterpret_cast<const char*>(model.Image), TQ47::ImageSize);
    const int written = Retrying(
        QStringLiteral("writing the connector"),
        QStringLiteral("a block write refused or unanswered, or a read-back cut short"), true,
        [&] {
            bool differs = false;
            if (Transfer({QStringLiteral("writing"), QStringLiteral("verifying")},
                         [&] { return model.WriteImageToConnector(differs); }))
                return Attempt::Done;
            // A difference has been read twice alike: no damaged reply.
            return differs ? Attempt::Differs : Attempt::LinkFailed;
        },
        detail);
    if (written == ExitContentDiffers)
        detail = QStringLiteral("the connector does not keep what is written into it: it read "
                                "back other bytes again after a second write; replace the "
                                "connector");
    return written;
}

TCommands::Attempt TCommands::Compare(const std::uint8_t* expected, std::uint8_t* connector,
                                      const QString& phase) {
    // A block differs only when two of its reads agree: a reply damaged on the way is a link
    // failure to try again, not a connector to replace.
    auto compared = TTarnDevice::TComparison::Failed;
    Transfer({phase}, [&] {
        compared = Link.Device().CompareMemory(0, expected, connector, TQ47::ImageSize);
        return compared != TTarnDevice::TComparison::Failed;
    });
    switch (compared) {
    case TTarnDevice::TComparison::Same:
        return Attempt::Done;
    case TTarnDevice::TComparison::Differs:
        return Attempt::Differs;
    case TTarnDevice::TComparison::Failed:
        break;
    }
    return Attempt::LinkFailed;
}

QString TCommands::WhatWentAway() {
    switch (Link.Session().WhatWentAway()) {
    case TConnectorSession::TLoss::Adapter:
        return QStringLiteral("the adapter stopped answering");
    case TConnectorSession::TLoss::Connector:
        return QStringLiteral("the connector was pulled");
    case TConnectorSession::TLoss::None:
        break;
    }
    return QString();
}

int TCommands::Status() {
    TTarnDevice& device = Link.Device();
    if (!Link.FindAdapter())
        return Fail(ExitNoDevice, Link.NoAdapterMessage());
    const QString serial = device.Uart ? device.Uart->SerialNumber : QString();
    const TConnectorVerdict verdict = Link.Session().Confirm();
    const bool answered = verdict != TConnectorVerdict::NoAnswer;
    const bool decided = answered && verdict != TConnectorVerdict::Undecided;
    const bool present = verdict == TConnectorVerdict::Present;
    const QString memory = device.SmallMemory ? QStringLiteral("small") : QStringLiteral("large");

    if (Options.Json) {
        const QJsonObject json{
            {QStringLiteral("adapter"), Link.Description()},
            {QStringLiteral("serial"), serial},
            {QStringLiteral("version"), VersionText(device.Version)},
            {QStringLiteral("connector"), present},
            {QStringLiteral("memory"), present ? QJsonValue(memory) : QJsonValue()},
        };
        Out << QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact)) << '\n';
    } else {
        Out << "adapter: " << Link.Description() << ' ' << VersionText(device.Version);
        if (!serial.isEmpty())
            Out << " (serial number " << EscapeControlCharacters(serial) << ')';
        Out << '\n';
        if (!answered)
            Out << "connector: unknown (the adapter did not answer)\n";
        else if (!decided)
            Out << "connector: unknown (the adapter's answers disagree)\n";
        else if (!present)
            Out << "connector: none\n";
        else
            Out << "connector: present, " << memory << " memory"
                << (device.SmallMemory ? "" : " (not a sampler connector)") << '\n';
    }
    Out.flush();
    if (!answered)
        return Fail(ExitNoDevice, AdapterSilent);
    if (!decided)
        return Fail(ExitNoDevice, AnswersDisagree);
    return present && device.SmallMemory ? ExitOk : ExitNoDevice;
}

void TCommands::NoteAdapter() {
    const TTarnDevice& device = Link.Device();
    if (device.Uart)
        Adapter = device.Uart->SerialNumber;
    AdapterVersion = VersionText(device.Version);
}

int TCommands::Logged(const QString& operation, const QString& file, int connector,
                      const std::function<int()>& run) {
    Record = TLogRecord();
    Record.Operation = operation;
    Record.File = file;
    Record.Connector = connector;
    int code = run();
    if (Log == nullptr)
        return code;
    Record.Adapter = Adapter;
    Record.AdapterVersion = AdapterVersion;
    Record.Exit = code;
    if (!Log->Append(Record)) {
        // A bench that keeps a record must not go on without one.
        Fail(ExitFileError, QStringLiteral("cannot write to the log; the disk may be full"));
        if (code == ExitOk)
            code = ExitFileError;
    }
    return code;
}

int TCommands::Read(const QString& file) {
    return Logged(QStringLiteral("read"), file, 0, [&] { return ReadOne(file); });
}

int TCommands::Write(const QString& file) {
    return Logged(QStringLiteral("write"), file, 0, [&] { return WriteOne(file); });
}

int TCommands::Verify(const QString& file) {
    return Logged(QStringLiteral("verify"), file, 0, [&] { return VerifyOne(file); });
}

// Says what went well: on standard output unless quiet, and in the log.
void TCommands::Succeeded(const QString& message) {
    Record.Message = message;
    if (!Options.Quiet)
        Out << message << '\n';
}

int TCommands::ReadOne(const QString& file) {
    if (const int found = FindConnector(true); found != ExitOk)
        return found;
    TQ47 model;
    QString error;
    if (const int read = ReadConnector(model, error); read != ExitOk)
        return Fail(read, error);
    if (QString problem; !ValidateParameters(model, problem))
        Warn(QStringLiteral("%1; a write of this file will be refused").arg(problem));
    // The bytes as the connector holds them, not re-encoded: a copy written into another
    // connector is the same to the last reserved byte and voltage code.
    if (const int saved = SaveImage(model, file, error); saved != ExitOk)
        return Fail(saved, error);
    if (file == QLatin1String("-"))
        Record.Message = QStringLiteral("read the connector to standard output");
    else
        Succeeded(QStringLiteral("read the connector into ") + DisplayName(file));
    return ExitOk;
}

int TCommands::LoadForWriting(TQ47& model, const QString& file) {
    QString error;
    if (const int loaded = LoadImage(model, file, error); loaded != ExitOk)
        return Fail(loaded, error);
    // Nothing reaches the connector that the parameter page would refuse.
    if (!ValidateParameters(model, error))
        return Fail(ExitParameterError, error + QStringLiteral("; nothing was written"));
    return ExitOk;
}

int TCommands::WriteOne(const QString& file) {
    TQ47 model;
    if (const int loaded = LoadForWriting(model, file); loaded != ExitOk)
        return loaded;
    if (const int found = FindConnector(true); found != ExitOk)
        return found;
    QString error;
    if (const int written = WriteConnector(model, error); written != ExitOk)
        return Fail(written, error);
    Succeeded(QStringLiteral("wrote %1 into the connector and verified it").arg(InputName(file)));
    return ExitOk;
}

int TCommands::VerifyOne(const QString& file) {
    TQ47 model;
    QString error;
    if (const int loaded = LoadImage(model, file, error); loaded != ExitOk)
        return Fail(loaded, error);
    if (const int found = FindConnector(false); found != ExitOk)
        return found;
    std::uint8_t connector[TQ47::ImageSize] = {};
    const int compared = Retrying(
        QStringLiteral("reading the connector"),
        QStringLiteral("no answer or a reply corrupted on the way"), false,
        [&] { return Compare(model.Image, connector, QStringLiteral("reading")); }, error);
    if (compared != ExitContentDiffers && compared != ExitOk)
        return Fail(compared, error);
    Record.Image = QByteArray(reinterpret_cast<const char*>(connector), TQ47::ImageSize);
    if (compared == ExitOk) {
        Succeeded(QStringLiteral("the connector matches ") + InputName(file));
        return ExitOk;
    }
    const QString difference = Difference(connector, model.Image);
    Out << difference << '\n';
    Out.flush();
    Fail(ExitContentDiffers,
         QStringLiteral("the connector does not match %1; write it again").arg(InputName(file)));
    Record.Message = difference + QStringLiteral("; ") + Record.Message;
    return ExitContentDiffers;
}

int TCommands::Show(const QString& file) {
    TQ47 model;
    if (file.isEmpty()) {
        if (const int found = FindConnector(false); found != ExitOk)
            return found;
        if (QString error; ReadConnector(model, error) != ExitOk)
            return Fail(ExitCommunicationError, error);
    } else {
        QString error;
        if (const int loaded = LoadImage(model, file, error); loaded != ExitOk)
            return Fail(loaded, error);
    }
    if (Options.Json)
        Out << ShowJson(model) << '\n';
    else
        Out << ShowText(model);
    Out.flush();
    return ExitOk;
}

int TCommands::New(const QString& file, const QStringList& assignments) {
    TQ47 model;
    QString error;
    if (!ApplyAssignments(model, assignments, error))
        return Fail(ExitParameterError, error + QStringLiteral("; no file was written"));
    model.Encode();
    if (const int saved = SaveImage(model, file, error); saved != ExitOk)
        return Fail(saved, error);
    if (!Options.Quiet && file != QLatin1String("-"))
        Out << "created " << DisplayName(file) << '\n';
    return ExitOk;
}

int TCommands::Set(const QString& file, const QStringList& assignments) {
    // The whole file: bytes after the image stay as they are. A pipe or a device is refused
    // unopened: replacing one is no change of a file, and a pipe nobody writes would never end.
    TQ47 model;
    QString error;
    QByteArray tail;
    if (const int loaded = LoadImage(model, file, error, &tail); loaded != ExitOk)
        return Fail(loaded, error);
    const TQ47 before = model;
    if (!ApplyAssignments(model, assignments, error))
        return Fail(ExitParameterError,
                    error + QStringLiteral("; %1 is unchanged").arg(DisplayName(file)));
    // Only the bytes of the parameters whose value changed are rewritten, then the checksum:
    // everything else (the constant, the reserved bytes, a voltage code off the 0.1 V grid)
    // stays as the file had it.
    model.EncodeChanges(before);
    if (const int saved = SaveImage(model, file, error, tail); saved != ExitOk)
        return Fail(saved, error);
    if (!Options.Quiet)
        Out << "changed " << DisplayName(file) << '\n';
    return ExitOk;
}

int TCommands::ReadEach(const QString& file) {
    return Production(Job::Read, file);
}

int TCommands::WriteEach(const QString& file) {
    return Production(Job::Write, file);
}

int TCommands::ProgramOne(Job job, TQ47& source, const QString& file, int number, QString& detail) {
    if (!Link.Device().SmallMemory) {
        detail = QStringLiteral("large-memory connector, not a sampler connector");
        return ExitNoDevice;
    }
    if (job == Job::Write) {
        TQ47 model = source;
        if (const int written = WriteConnector(model, detail); written != ExitOk)
            return written;
        detail = QStringLiteral("written and verified");
        return ExitOk;
    }

    TQ47 model;
    if (const int read = ReadConnector(model, detail); read != ExitOk)
        return read;
    const QString name = NumberedName(file, number);
    if (const int saved = SaveImage(model, name, detail); saved != ExitOk)
        return saved;
    detail = QStringLiteral("read into ") + DisplayName(name);
    if (QString problem; !ValidateParameters(model, problem))
        detail += QStringLiteral("; warning: %1").arg(problem);
    return ExitOk;
}

void TCommands::WaitUntilPulled() {
    // The next connector is the one plugged in after this one is pulled. An adapter that
    // stops answering meanwhile may come back with the same connector in it: only the adapter
    // itself saying "no connector" counts as pulled, by the session's rule (the same answer
    // three times in a row, 0.4 s), which no garbled reply passes.
    TConnectorSession& session = Link.Session();
    Note(QStringLiteral("pull the connector"));
    bool silent = false;
    session.Restart();
    while (Pause(200)) {
        const TConnectorVerdict verdict = session.Observe(session.Ask());
        if (verdict == TConnectorVerdict::NoAnswer) {
            if (!silent)
                Note(QStringLiteral("the adapter does not answer; waiting for it"));
            silent = true;
            continue;
        }
        if (verdict == TConnectorVerdict::Absent) {
            Note(QStringLiteral("connector pulled; waiting for the next one"));
            return;
        }
    }
}

int TCommands::Production(Job job, const QString& file) {
    TQ47 source;
    if (job == Job::Write) {
        if (const int loaded = LoadForWriting(source, file); loaded != ExitOk)
            return loaded;
    } else if (const QString folder = FolderOf(file); KindOf(folder) != TFileKind::Folder) {
        // Found now, not after the first connector has been read for nothing.
        return Fail(ExitFileError,
                    QStringLiteral("cannot save %1: the folder %2 does not exist; create it first")
                        .arg(DisplayName(file), DisplayName(folder)));
    }
    if (!Link.FindAdapter())
        return Fail(ExitNoDevice, Link.NoAdapterMessage());
    NoteAdapter();

    CatchStopSignals();
    Note(QStringLiteral("waiting for connectors; press Ctrl+C to stop"));
    int connectors = 0;
    int succeeded = 0;
    int result = ExitOk;
    int nextFile = 1;
    bool adapterLost = false;
    TConnectorSession& session = Link.Session();
    session.Restart();
    while (!StopRequested()) {
        const TConnectorVerdict verdict = session.Observe(session.Ask());
        if (verdict == TConnectorVerdict::NoAnswer) {
            if (!adapterLost)
                Note(QStringLiteral("the adapter does not answer; waiting for it"));
            adapterLost = true;
            Pause(500);
            continue;
        }
        if (adapterLost)
            Note(QStringLiteral("the adapter answers again"));
        adapterLost = false;
        // A connector that is still being pushed home may make contact and lose it again: it
        // counts once the session's rule confirms it.
        if (verdict != TConnectorVerdict::Present) {
            Pause(200);
            continue;
        }
        session.Restart();

        ++connectors;
        if (job == Job::Read) {
            while (KindOf(NumberedName(file, nextFile)) != TFileKind::Missing)
                ++nextFile; // never overwrite the files of an earlier run
        }
        QString detail;
        int programmed = ExitOk;
        const int outcome =
            Logged(job == Job::Read ? QStringLiteral("read") : QStringLiteral("write"),
                   job == Job::Read ? NumberedName(file, nextFile) : file, connectors, [&] {
                       programmed = ProgramOne(job, source, file, nextFile, detail);
                       Record.Message = detail;
                       return programmed;
                   });
        if (programmed == ExitOk) {
            ++succeeded;
            if (job == Job::Read)
                ++nextFile;
        }
        if (result == ExitOk)
            result = outcome;
        Out << "connector " << connectors << (programmed == ExitOk ? " OK " : " FAILED ") << detail
            << '\n';
        Out.flush();

        WaitUntilPulled();
    }
    Out << "summary: " << connectors << " connector" << (connectors == 1 ? "" : "s") << ", "
        << succeeded << " OK, " << connectors - succeeded << " failed\n";
    Out.flush();
    return result;
}

} // namespace cli
