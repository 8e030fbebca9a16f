#include "cli/Recorder.h"

#include "Library/Serial/USB/UsbUart.h"
#include "adapter/AdapterVersion.h"
#include "cli/ExitCode.h"
#include "cli/NativeName.h"
#include "platform/framework/Exceptions.h"

namespace cli {

void TRecorder::NoteAdapter(const TTarnDevice& device) {
    if (!device.Uart)
        return; // none answered
    Adapter = device.Uart->SerialNumber;
    AdapterVersion = AdapterVersionText(device.Version);
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

int TRecorder::Run(const QString& operation, const QString& file, int connector,
                   const std::function<int()>& run) {
    Record = TLogRecord();
    Record.Operation = operation;
    Record.File = file;
    Record.Connector = connector;
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
    if (Log == nullptr)
        return code;
    // A failure said on the way (no connector, an adapter in use) is the record's message too.
    if (Record.Message.isEmpty() && code != ExitOk)
        Record.Message = Console.LastFailure;
    Record.Adapter = Adapter;
    Record.AdapterVersion = AdapterVersion;
    Record.Exit = code;
    Console.Out.flush(); // the record comes after the lines of its operation
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
