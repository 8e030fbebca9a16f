// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "Library/Serial/USB/UsbUart.h"
#include "adapter/AdapterVersion.h"
#include "app/AdapterWords.h"
#include "app/History.h"
#include "cli/AdapterList.h"
#include "cli/ExitCode.h"
#include "cli/HistoryText.h"
#include "cli/ImageFile.h"
#include "cli/Json.h"
#include "cli/NativeName.h"
#include "cli/ParameterText.h"
#include "cli/Production.h"
#include "model/Q47.h"
#include "platform/framework/Convert.h"
#include "platform/process/Process.h"
#include "sheet/ParameterSheet.h"
#include "sheet/SheetLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace cli {
namespace {

// A file operand as messages name it.
QString InputName(const QString& file) {
    return file == QLatin1String("-") ? QStringLiteral("standard input") : DisplayName(file);
}

QByteArray Bytes(const std::uint8_t* image) {
    return QByteArray(reinterpret_cast<const char*>(image), TQ47::ImageSize);
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

// What a write of `written` changes on the connector, one line each, from what a read of it
// met and, when it was read, what it holds.
QStringList Changes(TTransferFailure met, const TQ47& held, const TQ47& written) {
    switch (met) {
    case TTransferFailure::None:
        break;
    case TTransferFailure::Blank:
        return {QStringLiteral("the connector holds no valid parameter set: it is blank")};
    case TTransferFailure::BadChecksum:
        return {QStringLiteral("the connector holds no valid parameter set: its checksum is "
                               "wrong")};
    case TTransferFailure::AdapterGone:
        return {QStringLiteral("what the connector holds could not be read: ") +
                ConnectorLossWords(TConnectorSession::TLoss::Adapter)};
    case TTransferFailure::ConnectorPulled:
        return {QStringLiteral("what the connector holds could not be read: ") +
                ConnectorLossWords(TConnectorSession::TLoss::Connector)};
    default:
        return {QStringLiteral("what the connector holds could not be read (no answer or a "
                               "damaged reply)")};
    }
    QStringList lines = ChangeLines(held, written);
    if (lines.isEmpty())
        return {QStringLiteral("the connector holds these parameters already")};
    lines.prepend(QStringLiteral("the connector holds other parameters; the write changes:"));
    return lines;
}

} // namespace

TCommands::TCommands(const TOptions& options, QTextStream& out, QTextStream& err)
    : Options(options), Console(out, err, options.Quiet), Link(options.Serial, options.Port),
      Recorder(Console), Transfer(Link, Console, options.Progress && !options.Quiet) {
    Link.Session().Retries = Options.Retries;
    Recorder.HistoryTo(HistoryPath(HistoryChoice(Options)));
}

TCommands::~TCommands() = default;

QString TCommands::Interrupted() const {
    if (!Completed.isEmpty())
        return QStringLiteral("interrupted; %1 first").arg(Completed);
    return Undone.isEmpty() ? QStringLiteral("interrupted")
                            : QStringLiteral("interrupted; %1").arg(Undone);
}

int TCommands::Status() {
    TTarnDevice& device = Link.Device();
    if (!Link.FindAdapter())
        return Fail(ExitNoDevice, Link.NoAdapterMessage());
    const QString serial = device.Uart ? device.Uart->SerialNumber : QString();
    const TConnectorVerdict verdict = Link.Session().Confirm();
    const bool present = verdict == TConnectorVerdict::Present;

    if (Options.Json) {
        Console.Result(QString::fromUtf8(JsonObject({
            {"adapter", JsonString(Link.Description())},
            // As list --json has it: null when the adapter's answers never settled.
            {"connector", present                                ? "true"
                          : verdict == TConnectorVerdict::Absent ? "false"
                                                                 : "null"},
            {"memory", present ? (device.SmallMemory ? "\"small\"" : "\"large\"") : "null"},
            {"serial", JsonString(serial)},
            {"version", JsonString(AdapterVersionText(device.Version))},
        })));
    } else {
        QString adapter = QStringLiteral("adapter: %1 %2")
                              .arg(EscapeControlCharacters(Link.Description()),
                                   AdapterVersionText(device.Version));
        if (!serial.isEmpty())
            adapter += QStringLiteral(" (serial number %1)").arg(EscapeControlCharacters(serial));
        Console.Result(adapter);
        Console.Result(QStringLiteral("connector: ") + ConnectorText(verdict, device.SmallMemory));
    }
    if (verdict == TConnectorVerdict::NoAnswer || verdict == TConnectorVerdict::Undecided)
        return Fail(ExitNoDevice, ConnectorRefusalWords(verdict == TConnectorVerdict::NoAnswer
                                                            ? TConnectorRefusal::NoAnswer
                                                            : TConnectorRefusal::Undecided,
                                                        TAdapterReader::CommandLine));
    return present && device.SmallMemory ? ExitOk : ExitNoDevice;
}

int TCommands::List() {
    const QList<TListedAdapter> listed = ListAdapters(Link.Description());
    if (Options.Json)
        Console.Result(QString::fromUtf8(ListJson(listed)));
    else if (!listed.isEmpty())
        Console.Result(ListText(listed).join(QLatin1Char('\n')));
    if (std::any_of(listed.begin(), listed.end(),
                    [](const TListedAdapter& one) { return one.Adapter; }))
        return ExitOk;
    Link.FindAdapter(); // for the reason no adapter is there
    return Fail(ExitNoDevice, Link.NoAdapterMessage());
}

int TCommands::Read(const QString& file) {
    Undone = QStringLiteral("nothing was saved");
    return Recorder.Run(QStringLiteral("read"), file, 0, [&] {
        const int found = Transfer.FindConnector(true);
        Recorder.NoteAdapter(Link.Device());
        if (found != ExitOk)
            return found;
        Recorder.NoteConnector(Link.Device());
        TQ47 model;
        QString error;
        const int read = Transfer.Read(model, error);
        Recorder.Record.Retries = Transfer.Retries();
        if (read != ExitOk)
            return Fail(read, error + QStringLiteral("; nothing was saved"));
        Recorder.Record.Image = Bytes(model.Image);
        if (QString problem; !ValidateParameters(model, problem))
            Console.Warn(QStringLiteral("%1; a write of this file will be refused").arg(problem));
        // The bytes as the connector holds them, not re-encoded: a copy written into another
        // connector is the same to the last reserved byte and voltage code.
        if (const int saved = SaveImage(model, file, error); saved != ExitOk)
            return Fail(saved, error + QStringLiteral("; nothing was saved"));
        if (file == QLatin1String("-")) {
            Recorder.Record.Message = QStringLiteral("read the connector to standard output");
            Done(QStringLiteral("the connector was read to standard output"));
        } else {
            Recorder.Succeeded(QStringLiteral("read the connector into ") + DisplayName(file));
            Done(QStringLiteral("the connector was read into ") + DisplayName(file));
        }
        return int(ExitOk);
    });
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

int TCommands::ReadBeforeWrite(const TQ47& model, TQ47& held, bool always, QString& detail) {
    const int read = Transfer.Read(held, detail, false);
    for (const QString& line : Changes(Transfer.Met(), held, model)) {
        if (always)
            Console.Result(line);
        else
            Console.Success(line);
    }
    return read;
}

int TCommands::Write(const QString& file) {
    if (Options.DryRun)
        return DryRun(file);
    Undone = QStringLiteral("the write did not complete");
    return Recorder.Run(QStringLiteral("write"), file, 0, [&] {
        TQ47 model;
        if (const int loaded = LoadForWriting(model, file); loaded != ExitOk)
            return loaded;
        const int found = Transfer.FindConnector(true);
        Recorder.NoteAdapter(Link.Device());
        if (found != ExitOk)
            return found;
        Recorder.NoteConnector(Link.Device());
        // A connector that cannot be read is written all the same: the write replaces whatever
        // it holds, and the read-back checks what went in.
        TQ47 held;
        QString error;
        ReadBeforeWrite(model, held, false, error);
        // A stop asked for during that read comes before anything was written.
        if (process::StopRequested()) {
            Undone = QStringLiteral("nothing was written");
            Recorder.Record.Message = QStringLiteral("interrupted before the write; nothing was "
                                                     "written");
            return int(ExitCommunicationError);
        }
        // Asked for again right before the write, as the window asks: the read took a moment,
        // and parameters written into any other connector would destroy what it holds.
        if (const int again = Transfer.FindConnector(true); again != ExitOk)
            return again;
        Recorder.NoteConnector(Link.Device());
        Recorder.Record.Image = Bytes(model.Image);
        error.clear();
        const int written = Transfer.Write(model, error);
        Recorder.Record.Retries = Transfer.Retries();
        Recorder.Record.Outcome = Transfer.Outcome();
        if (written != ExitOk)
            return Fail(written, error);
        Recorder.Succeeded(
            QStringLiteral("wrote %1 into the connector and verified it").arg(InputName(file)));
        Done(QStringLiteral("the connector was written and verified"));
        return int(ExitOk);
    });
}

int TCommands::DryRun(const QString& file) {
    Undone = QStringLiteral("nothing was written");
    // A file the write would refuse is refused as the write refuses it, before the connector.
    TQ47 model;
    if (const int loaded = LoadForWriting(model, file); loaded != ExitOk)
        return loaded;
    // What happened is a read of the connector, into no file, as show has it.
    return Recorder.Run(QStringLiteral("read"), QString(), 0, [&] {
        const int found = Transfer.FindConnector(false);
        Recorder.NoteAdapter(Link.Device());
        if (found != ExitOk)
            return found;
        Recorder.NoteConnector(Link.Device());
        TQ47 held;
        QString error;
        const int read = ReadBeforeWrite(model, held, true, error);
        Recorder.Record.Retries = Transfer.Retries();
        if (read != ExitOk)
            return Fail(read, error);
        Recorder.Record.Image = Bytes(held.Image);
        Recorder.Succeeded(
            QStringLiteral("dry run of %1: nothing was written").arg(InputName(file)));
        return int(ExitOk);
    });
}

int TCommands::Verify(const QString& file) {
    Undone = QStringLiteral("the connector was not compared");
    return Recorder.Run(QStringLiteral("verify"), file, 0, [&] {
        TQ47 model;
        QString error;
        if (const int loaded = LoadImage(model, file, error); loaded != ExitOk)
            return Fail(loaded, error);
        const int found = Transfer.FindConnector(false);
        Recorder.NoteAdapter(Link.Device());
        if (found != ExitOk)
            return found;
        Recorder.NoteConnector(Link.Device());
        std::uint8_t connector[TQ47::ImageSize] = {};
        const int compared = Transfer.Compare(model.Image, connector, error);
        Recorder.Record.Retries = Transfer.Retries();
        if (compared != ExitContentDiffers && compared != ExitOk)
            return Fail(compared, error);
        Recorder.Record.Image = Bytes(connector);
        Done(QStringLiteral("the connector was compared"));
        if (compared == ExitOk) {
            Recorder.Succeeded(QStringLiteral("the connector matches ") + InputName(file));
            return int(ExitOk);
        }
        const QString difference = Difference(connector, model.Image);
        Console.Result(difference);
        Fail(
            ExitContentDiffers,
            QStringLiteral("the connector does not match %1; write it again").arg(InputName(file)));
        Recorder.Record.Message = difference + QStringLiteral("; ") + Recorder.Record.Message;
        return int(ExitContentDiffers);
    });
}

int TCommands::Show(const QString& file) {
    TQ47 model;
    QString error;
    if (file.isEmpty()) {
        // A read of the connector as any other, with its entry in the history.
        const int read = Recorder.Run(QStringLiteral("read"), QString(), 0, [&] {
            const int found = Transfer.FindConnector(false);
            Recorder.NoteAdapter(Link.Device());
            if (found != ExitOk)
                return found;
            Recorder.NoteConnector(Link.Device());
            if (Transfer.Read(model, error) != ExitOk)
                return Fail(ExitCommunicationError, error);
            Recorder.Record.Image = Bytes(model.Image);
            return int(ExitOk);
        });
        if (read != ExitOk)
            return read;
    } else if (const int loaded = LoadImage(model, file, error); loaded != ExitOk) {
        return Fail(loaded, error);
    }
    if (Options.Json)
        Console.Result(ShowJson(model));
    else
        Console.Out << ShowText(model);
    Console.Out.flush();
    return ExitOk;
}

int TCommands::New(const QString& file, const QStringList& assignments) {
    Undone = QStringLiteral("no file was written");
    TQ47 model;
    QString error;
    if (!ApplyAssignments(model, assignments, error))
        return Fail(ExitParameterError, error + QStringLiteral("; no file was written"));
    model.Encode();
    if (const int saved = SaveImage(model, file, error); saved != ExitOk)
        return Fail(saved, error);
    if (file != QLatin1String("-"))
        Console.Success(QStringLiteral("created ") + DisplayName(file));
    Done(QStringLiteral("the file was written"));
    return ExitOk;
}

int TCommands::Set(const QString& file, const QStringList& assignments) {
    Undone = QStringLiteral("%1 is unchanged").arg(DisplayName(file));
    // The whole file: bytes after the image stay as they are. A pipe or a device is refused
    // unopened: replacing one is no change of a file, and a pipe nobody writes would never end.
    TQ47 model;
    QString error;
    if (const int loaded = LoadImage(model, file, error); loaded != ExitOk)
        return Fail(loaded, error);
    const TQ47 before = model;
    if (!ApplyAssignments(model, assignments, error))
        return Fail(ExitParameterError,
                    error + QStringLiteral("; %1 is unchanged").arg(DisplayName(file)));
    // Only the bytes of the parameters whose value changed are rewritten, then the checksum:
    // everything else (the constant, the reserved bytes, a voltage code off the 0.1 V grid)
    // stays as the file had it.
    model.EncodeChanges(before);
    if (const int saved = SaveImage(model, file, error, file); saved != ExitOk)
        return Fail(saved, error);
    Console.Success(QStringLiteral("changed ") + DisplayName(file));
    Done(DisplayName(file) + QStringLiteral(" was changed"));
    return ExitOk;
}

int TCommands::Sheet(const QString& file, const QString& out) {
    Undone = QStringLiteral("no sheet was written");
    // The sheet replaces OUT whole: never the file it documents, and never another file that
    // is not a sheet unless asked to, however either is named.
    if (out != QLatin1String("-") && file != QLatin1String("-") &&
        SameFile(FilePath(file), FilePath(out)))
        return Fail(ExitFileError, QStringLiteral("%1 is the file the sheet is made of; name "
                                                  "another file for the sheet")
                                       .arg(DisplayName(out)));
    if (out != QLatin1String("-") && !Options.Force && KindOf(out) == TFileKind::Regular &&
        !LoadWholeFile(FilePath(out), 5).Bytes.starts_with("%PDF-"))
        return Fail(ExitFileError, QStringLiteral("%1 exists and is no PDF; name another file for "
                                                  "the sheet, or replace it with --force")
                                       .arg(DisplayName(out)));
    TQ47 model;
    QString error;
    if (const int loaded = LoadImage(model, file, error); loaded != ExitOk)
        return Fail(loaded, error);
    if (QString problem; !ValidateParameters(model, problem))
        Console.Warn(QStringLiteral("%1; a write of this file will be refused").arg(problem));
    // The window program's translations, beside this program or in the installed tree.
    TSheetLanguage language;
    const QString windowProgram =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("brookfetch"));
    if (!language.Choose(windowProgram, Options.Language, error))
        return Fail(ExitFileError, error);

    // The bytes of the file as they are, as the window documents a file it opened.
    TParameterSheet::TImage image;
    std::copy(std::begin(model.Image), std::end(model.Image), image.begin());
    TParameterSheet sheet(image);
    // Named as the window names the file it opened.
    if (file != QLatin1String("-"))
        sheet.FileName =
            EscapeFileName(QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()));
    sheet.Program = QStringLiteral("Brookfetch ") + QCoreApplication::applicationVersion();
    sheet.Locale = language.Locale();
    const TPaper paper = Options.Paper.isEmpty() ? UsualPaper()
                         : Options.Paper.compare(QLatin1String("letter"), Qt::CaseInsensitive) == 0
                             ? TPaper::Letter
                             : TPaper::A4;
    const QByteArray pdf = sheet.Pdf(paper);
    if (pdf.isEmpty())
        return Fail(ExitFileError, QStringLiteral("the sheet could not be drawn"));
    if (const int saved = SaveBytes(pdf, out, error); saved != ExitOk)
        return Fail(saved, error);
    if (out != QLatin1String("-"))
        Console.Success(
            QStringLiteral("wrote the sheet of %1 into %2").arg(InputName(file), DisplayName(out)));
    Done(QStringLiteral("the sheet was written"));
    return ExitOk;
}

int TCommands::History() {
    const QString path = QDir::toNativeSeparators(HistoryPath(HistoryChoice(Options)));
    THistoryFilter filter;
    filter.Since = HistorySince(Options.Since).value_or(QDateTime());
    filter.KeepLines = Options.Json;
    THistoryLoad loaded = LoadHistory(path, filter);
    if (!loaded.Failure.isEmpty())
        return Fail(ExitFileError, loaded.Failure);
    if (loaded.Damaged > 0)
        Console.Warn(
            QStringLiteral("skipped %1 damaged line%2 of the history %3")
                .arg(loaded.Damaged)
                .arg(loaded.Damaged == 1 ? QString() : QStringLiteral("s"), DisplayName(path)));
    // Oldest first, as a log reads: the latest at the bottom, where tail finds it.
    QList<THistoryEntry>& entries = loaded.Entries;
    std::reverse(entries.begin(), entries.end());
    if (entries.isEmpty())
        Console.Note(QStringLiteral("the history %1 holds no entries%2")
                         .arg(DisplayName(path), Options.Since.isEmpty()
                                                     ? QString()
                                                     : QStringLiteral(" since ") + Options.Since));
    if (Options.Json) {
        for (const THistoryEntry& entry : entries)
            Console.Out << QString::fromUtf8(PrintableJsonLine(entry.Line)) << '\n';
    } else if (Options.Csv) {
        // Bytes as they are: its byte order mark and line ends are for the spreadsheet.
        Console.Out.flush();
        if (QString error; SaveBytes(HistoryCsv(entries), QStringLiteral("-"), error) != ExitOk)
            return Fail(ExitFileError, error);
    } else if (!entries.isEmpty()) {
        PrintHistoryTable(Console.Out, entries);
    }
    Console.Out.flush();
    return ExitOk;
}

int TCommands::ReadEach(const QString& file) {
    // Found now, not after the first connector has been read for nothing.
    if (const QString folder = FolderOf(file); KindOf(folder) != TFileKind::Folder)
        return Fail(ExitFileError,
                    QStringLiteral("cannot save %1: the folder %2 does not exist; create it first")
                        .arg(DisplayName(file), DisplayName(folder)));
    TProduction production(Link, Console, Transfer, Recorder);
    return production.Run(TProduction::TJob::Read, file, TQ47());
}

int TCommands::WriteEach(const QString& file) {
    TQ47 source;
    if (const int loaded = LoadForWriting(source, file); loaded != ExitOk)
        return loaded;
    TProduction production(Link, Console, Transfer, Recorder);
    return production.Run(TProduction::TJob::Write, file, source);
}

} // namespace cli
