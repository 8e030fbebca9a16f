// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Recorder.h"

#include "Library/Serial/USB/UsbUart.h"
#include "adapter/AdapterVersion.h"
#include "app/History.h"
#include "cli/ExitCode.h"
#include "cli/NativeName.h"
#include "platform/framework/Exceptions.h"
#include "platform/framework/NativePath.h"

#include <filesystem>

namespace cli {

void TRecorder::NoteAdapter(const TTarnDevice& device) {
    if (!device.Uart)
        return; // none answered
    Adapter = device.Uart->SerialNumber;
    AdapterVersion = AdapterVersionText(device.Version);
    AdapterName = device.Description;
}

void TRecorder::NoteConnector(const TTarnDevice& device) {
    Connector = device.SmallMemory ? QStringLiteral("small") : QStringLiteral("large");
}

void TRecorder::LogTo(TLog* log, const QString& name) {
    Log = log;
    LogName = name;
}

int TRecorder::Fail(int code, const QString& message) {
    Record.Message = message;
    return Console.Fail(code, message);
}

void TRecorder::Succeeded(const QString& message) {
    Record.Message = message;
    Console.Success(message);
}

QString TRecorder::LogFailure(const QString& what) const {
    const QString name =
        LogName == QLatin1String("-") ? QStringLiteral("standard output") : DisplayName(LogName);
    return QStringLiteral("cannot write to the log %1 (the disk may be full); %2 has no record")
        .arg(name, what);
}

void TRecorder::KeepHistory() {
    if (HistoryPath.isEmpty())
        return;
    THistoryEntry entry;
    entry.Operation = Record.Operation;
    entry.Ok = Record.Exit == ExitOk;
    if (!entry.Ok)
        entry.Message = Record.Message;
    if (!Record.File.isEmpty() && Record.File != QLatin1String("-")) {
        // Named so that it can be found again from anywhere, as the sheet names its file.
        std::error_code failed;
        const std::filesystem::path absolute =
            std::filesystem::absolute(FilePath(Record.File), failed);
        entry.File = DisplayName(failed ? Record.File : NativeText(absolute.native()));
    }
    entry.AdapterName = AdapterName;
    entry.AdapterVersion = AdapterVersion;
    entry.AdapterSerial = Adapter;
    entry.Connector = Connector;
    entry.Image = Record.Image;
    if (const QString why = RecordHistory(HistoryPath, entry); !why.isEmpty())
        Console.Warn(why + QStringLiteral("; this %1 has no entry").arg(Record.Operation));
}

int TRecorder::Run(const QString& operation, const QString& file, int connector,
                   const std::function<int()>& run) {
    Record = TLogRecord();
    Record.Operation = operation;
    Record.File = file;
    Record.Connector = connector;
    Connector.clear();
    Unrecorded = false;
    Console.LastFailure.clear();
    int code = ExitCommunicationError;
    try {
        code = run();
    } catch (const Exception& failure) {
        // An internal failure of the link or the UART: the transfer did not complete, and the
        // record says so like any other failure.
        code = Fail(ExitCommunicationError,
                    QStringLiteral("internal error: %1; unplug the adapter, plug it in again and "
                                   "retry")
                        .arg(failure.Message));
    }
    // A failure said on the way (no connector, an adapter in use) is the record's message too.
    if (Record.Message.isEmpty() && code != ExitOk)
        Record.Message = Console.LastFailure;
    Record.Adapter = Adapter;
    Record.AdapterVersion = AdapterVersion;
    Record.Exit = code;
    Console.Out.flush(); // the records come after the lines of their operation
    KeepHistory();
    if (Log == nullptr)
        return code;
    if (!Log->Append(Record)) {
        // A bench that keeps a record must not go on without one.
        Unrecorded = true;
        Console.Fail(ExitFileError,
                     LogFailure(connector > 0 ? QStringLiteral("connector %1").arg(connector)
                                              : QStringLiteral("this %1").arg(operation)));
        if (code == ExitOk)
            code = ExitFileError;
    }
    return code;
}

} // namespace cli
