// Every adapter at once. Each lane is a process of its own: this program started again with
// --serial for one adapter, its output relayed here line by line behind the serial number.
// Lanes then share no state at all: the D2XX layer, the adapter objects, the signal handling
// and the log stay exactly as a single run has them (the D2XX layer is not made for threads),
// a lane that fails or crashes cannot take the others with it, and the time of one lane is
// the time of a single run, so two adapters take no longer than one.

#include "cli/Lanes.h"

#include "Library/Serial/USB/UsbUart.h"
#include "cli/AdapterLink.h"
#include "cli/ExitCode.h"
#include "cli/ImageFile.h"
#include "cli/Log.h"
#include "cli/NativeName.h"
#include "platform/framework/Convert.h"

#include <QSet>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace cli {
namespace {

const char* const ProgramName = "brookfetch-cli";

// One running lane: its process and the two pipes its output comes through.
struct TLane {
    QString Serial;
    QByteArray Prefix; // "FT5XK2QA: "
    pid_t Process = -1;
    int Output[2] = {-1, -1}; // standard output, standard error; -1 once at its end
    QByteArray Pending[2];    // the start of a line still to come
    int Code = -1;
};

// The arguments of a lane: the same command for one adapter.
std::vector<QByteArray> LaneArguments(const TLaneRequest& request, const QString& serial) {
    const TOptions& options = request.Options;
    std::vector<QByteArray> arguments{ProgramName, request.Command.toUtf8(),
                                      "--serial",  NativeName(serial),
                                      "--retries", QByteArray::number(options.Retries)};
    if (options.Quiet)
        arguments.emplace_back("--quiet");
    if (options.Trace)
        arguments.emplace_back("--trace");
    if (options.Wait)
        arguments.emplace_back("--wait");
    if (!request.Log.isEmpty()) {
        arguments.emplace_back("--log");
        arguments.push_back(NativeName(request.Log));
    }
    arguments.emplace_back("--");
    arguments.push_back(NativeName(request.Command == QLatin1String("read")
                                       ? LaneFileName(request.File, serial)
                                       : request.File));
    return arguments;
}

// Starts the program again as a lane, with nothing on its standard input. False when it
// cannot be started.
bool Start(TLane& lane, const std::vector<QByteArray>& arguments) {
    int pipes[2][2];
    if (::pipe2(pipes[0], O_CLOEXEC) != 0)
        return false;
    if (::pipe2(pipes[1], O_CLOEXEC) != 0) {
        ::close(pipes[0][0]);
        ::close(pipes[0][1]);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipes[0][1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, pipes[1][1], STDERR_FILENO);
    std::vector<char*> argv;
    for (const QByteArray& argument : arguments)
        argv.push_back(const_cast<char*>(argument.constData()));
    argv.push_back(nullptr);
    // The very program that runs, even if its file has been replaced meanwhile.
    const int started =
        ::posix_spawn(&lane.Process, "/proc/self/exe", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipes[0][1]);
    ::close(pipes[1][1]);
    lane.Output[0] = pipes[0][0];
    lane.Output[1] = pipes[1][0];
    if (started == 0)
        return true;
    lane.Process = -1;
    ::close(lane.Output[0]);
    ::close(lane.Output[1]);
    lane.Output[0] = lane.Output[1] = -1;
    return false;
}

void Relay(TLane& lane, int stream, const QByteArray& bytes, bool atEnd) {
    QByteArray& pending = lane.Pending[stream];
    pending += bytes;
    if (atEnd && !pending.isEmpty() && !pending.endsWith('\n'))
        pending += '\n';
    const qsizetype end = pending.lastIndexOf('\n');
    if (end < 0)
        return;
    QByteArray lines;
    for (const QByteArray& line : pending.left(end).split('\n'))
        lines += lane.Prefix + line + '\n';
    pending.remove(0, end + 1);
    FILE* to = stream == 0 ? stdout : stderr;
    std::fwrite(lines.constData(), 1, static_cast<size_t>(lines.size()), to);
    std::fflush(to);
}

// The exit code of an ended lane; a lane ended by a signal counts as 128 + its number, as a
// shell counts it.
int Reap(const TLane& lane) {
    int status = 0;
    while (::waitpid(lane.Process, &status, 0) < 0) {
        if (errno != EINTR)
            return ExitCommunicationError;
    }
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : ExitCommunicationError;
}

// Relays the lanes' output until every lane has ended, and asks them to stop once a stop
// signal came here. Returns the exit code of the first lane to end with a failure, else 0.
int RelayUntilEnd(std::vector<TLane>& lanes) {
    int first = ExitOk;
    bool forwarded = false;
    for (;;) {
        if (TCommands::StopRequested() && !forwarded) {
            forwarded = true;
            for (const TLane& lane : lanes) {
                if (lane.Process > 0 && lane.Code < 0)
                    ::kill(lane.Process, SIGTERM);
            }
        }
        std::vector<pollfd> watched;
        std::vector<std::pair<TLane*, int>> owners;
        for (TLane& lane : lanes) {
            for (int stream = 0; stream < 2; ++stream) {
                if (lane.Output[stream] < 0)
                    continue;
                watched.push_back({lane.Output[stream], POLLIN, 0});
                owners.emplace_back(&lane, stream);
            }
        }
        if (watched.empty())
            return first;
        if (::poll(watched.data(), watched.size(), -1) < 0)
            continue; // a signal: look at the stop request first
        for (std::size_t i = 0; i < watched.size(); ++i) {
            if (watched[i].revents == 0)
                continue;
            auto [lane, stream] = owners[i];
            char chunk[4096];
            const ssize_t got = ::read(watched[i].fd, chunk, sizeof chunk);
            if (got < 0 && errno == EINTR)
                continue;
            if (got > 0) {
                Relay(*lane, stream, QByteArray(chunk, got), false);
                continue;
            }
            Relay(*lane, stream, QByteArray(), true);
            ::close(lane->Output[stream]);
            lane->Output[stream] = -1;
            if (lane->Output[0] < 0 && lane->Output[1] < 0) {
                lane->Code = Reap(*lane);
                if (first == ExitOk)
                    first = lane->Code;
            }
        }
    }
}

} // namespace

QString LaneFileName(const QString& name, const QString& serial) {
    QString tag = QStringLiteral("-") + serial;
    for (qsizetype i = 1; i < tag.size(); ++i) {
        const QChar c = tag[i];
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != QLatin1Char('-') &&
            c != QLatin1Char('_') && c != QLatin1Char('.'))
            tag[i] = QLatin1Char('_');
    }
    return TaggedName(name, tag);
}

int RunLanes(const TLaneRequest& request, QTextStream& out, QTextStream& err) {
    out.flush();
    const auto fail = [&err](int code, const QString& message) {
        err << ProgramName << ": " << message << '\n';
        err.flush();
        return code;
    };
    if (!request.Log.isEmpty()) {
        // Checked here, before any lane begins, as a single run checks it.
        TLog log;
        if (QString error; !log.Open(request.Log, out, error))
            return fail(ExitFileError, error);
    }

    // An adapter needs a serial number of its own to be given a lane.
    const QString wanted = TAdapterLink().Description();
    QStringList serials;
    QSet<QString> seen;
    QSet<QString> doubled;
    int unnamed = 0;
    for (const TUsbDevice& device : TUsbUart::ListDevices()) {
        if (device.Description != wanted)
            continue;
        if (device.SerialNumber.isEmpty())
            ++unnamed;
        else if (seen.contains(device.SerialNumber))
            doubled.insert(device.SerialNumber);
        else
            serials << device.SerialNumber;
        seen.insert(device.SerialNumber);
    }
    int result = ExitOk;
    if (unnamed > 0 || !doubled.isEmpty()) {
        QStringList left;
        for (const QString& serial : doubled)
            left << EscapeControlCharacters(serial);
        if (unnamed > 0)
            left << QStringLiteral("%1 without a serial number").arg(unnamed);
        result = fail(ExitNoDevice,
                      QStringLiteral("adapters that cannot be told apart by their serial number "
                                     "get no lane (%1); use them one at a time")
                          .arg(left.join(QStringLiteral(", "))));
    }
    for (const QString& serial : doubled)
        serials.removeAll(serial);
    if (serials.isEmpty()) {
        if (result != ExitOk)
            return result;
        TAdapterLink none;
        none.FindAdapter();
        return fail(ExitNoDevice, none.NoAdapterMessage());
    }

    // Ctrl+C reaches the lanes from the terminal; a SIGTERM sent here is passed on to them.
    TCommands::CatchStopSignals();
    std::vector<TLane> lanes(static_cast<std::size_t>(serials.size()));
    for (qsizetype i = 0; i < serials.size(); ++i) {
        TLane& lane = lanes[static_cast<std::size_t>(i)];
        lane.Serial = serials[i];
        lane.Prefix = EscapeControlCharacters(serials[i]).toUtf8() + ": ";
        if (!Start(lane, LaneArguments(request, serials[i])) && result == ExitOk)
            result =
                fail(ExitCommunicationError, QStringLiteral("cannot start the lane of adapter %1")
                                                 .arg(EscapeControlCharacters(serials[i])));
    }
    if (const int relayed = RelayUntilEnd(lanes); result == ExitOk)
        result = relayed;

    // Outside production mode a stop signal ends the program as it ends a single run: after
    // the transfers in hand.
    if (const int signal = TCommands::CaughtStopSignal(); signal != 0 && !request.Options.Wait) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
    return result;
}

} // namespace cli
