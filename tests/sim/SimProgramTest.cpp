// SPDX-License-Identifier: GPL-3.0-or-later
// brookfetch-adapter-sim end to end: the real program on a real pseudo-terminal, found through
// its port file by the same stack the window program uses.

#include "adapter/TarnAdapter.h"
#include "model/Q47.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/framework/Exceptions.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

class SimProgram {
public:
    SimProgram(const QString& ports, const QStringList& extra) {
        process.setProgram(QStringLiteral(BROOKFETCH_SIM_PROGRAM));
        process.setArguments(QStringList{"--ports", ports, "--name", "e2e"} + extra);
        process.start();
        if (!process.waitForStarted(5000))
            return;
        QElapsedTimer timer;
        timer.start();
        while (!process.canReadLine() && timer.elapsed() < 10000 &&
               process.state() == QProcess::Running)
            process.waitForReadyRead(100);
        const QStringList words = QString::fromUtf8(process.readLine()).trimmed().split(' ');
        if (words.size() == 3 && words[0] == "ready") {
            portFile = words[1];
            ptyPath = words[2];
        }
    }
    ~SimProgram() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    bool ready() const { return !portFile.isEmpty(); }

    // Sends a command and waits until the program has taken it.
    bool command(const QByteArray& word) {
        process.write(word + "\n");
        process.waitForBytesWritten(1000);
        const QByteArray done = "brookfetch-adapter-sim: " + word;
        QElapsedTimer timer;
        timer.start();
        while (!errors.contains(done) && timer.elapsed() < 5000) {
            process.waitForReadyRead(50);
            errors += process.readAllStandardError();
        }
        return errors.contains(done);
    }

    bool stop(int signal) {
        ::kill(static_cast<pid_t>(process.processId()), signal);
        return process.waitForFinished(5000);
    }

    QProcess process;
    QString portFile;
    QString ptyPath;
    QByteArray errors;
};

class SimProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ports = dir.filePath("ports");
        memory = dir.filePath("connector.mem");
        // The D2XX layer of this process looks for virtual ports where the program puts one.
        ::setenv("BROOKFETCH_PORTS", ports.toLocal8Bit().constData(), 1);
        model.Device = &device;
    }

    std::unique_ptr<SimProgram> start(QStringList extra = {}) {
        auto program = std::make_unique<SimProgram>(ports, extra + QStringList{"--memory", memory});
        EXPECT_TRUE(program->ready()) << program->process.readAllStandardError().toStdString();
        return program;
    }

    QTemporaryDir dir;
    QString ports;
    QString memory;
    TTarnDevice device;
    TQ47 model;
};

TEST_F(SimProgramTest, RegistersAPrivatePortAndReadsAndWritesTheConnector) {
    auto program = start({"--firmware-version", "2.10", "--serial", "E2E1"});
    ASSERT_TRUE(program->ready());
    EXPECT_EQ(program->portFile, QDir(ports).filePath("e2e.port"));
    EXPECT_EQ(QFile(ports).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
    QFile portFile(program->portFile);
    ASSERT_TRUE(portFile.open(QIODevice::ReadOnly));
    const QByteArray text = portFile.readAll();
    EXPECT_TRUE(text.contains("description=USB FETCHer Adapter\n"));
    EXPECT_TRUE(text.contains("serial=E2E1\n"));
    EXPECT_TRUE(text.contains("path=" + program->ptyPath.toUtf8() + "\n"));
    // The chip's latency timer, 16 ms until the link sets its own when it opens.
    const QString latency = QDir(ports).filePath("e2e.latency");
    EXPECT_TRUE(text.contains("latency=" + latency.toUtf8() + "\n"));
    const auto latencyFile = [&latency] {
        QFile file(latency);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    };
    EXPECT_EQ(latencyFile(), "16\n");
    device.Timing.LatencyMs = 3;

    ASSERT_TRUE(device.ReadVersion());
    EXPECT_EQ(latencyFile(), "3\n");
    EXPECT_EQ(device.Version, 0x0210);
    TPresence presence = TPresence::Absent;
    ASSERT_TRUE(device.CheckConnector(presence));
    EXPECT_EQ(presence, TPresence::Present);
    EXPECT_TRUE(device.SmallMemory);

    // A fresh connector holds the default parameters.
    model.SetPrePurge(99);
    ASSERT_TRUE(model.ReadConnector());
    EXPECT_EQ(model.PrePurge, 10);

    model.SetPrePurge(77);
    model.SetSamplingInterval(3600);
    ASSERT_TRUE(model.WriteConnector());
    EXPECT_EQ(model.LastError, TQ47::NoError);

    program->process.write("quit\n");
    ASSERT_TRUE(program->process.waitForFinished(5000));
    EXPECT_EQ(program->process.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(program->portFile));
    EXPECT_FALSE(QFile::exists(latency));

    // The memory file keeps what was written across a restart.
    QFile stored(memory);
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.size(), 256);
    EXPECT_EQ(stored.read(TQ47::ImageSize),
              QByteArray(reinterpret_cast<const char*>(model.Image), TQ47::ImageSize));
    stored.close();

    device.Disconnect();
    auto again = start();
    ASSERT_TRUE(again->ready());
    TQ47 reader;
    reader.Device = &device;
    ASSERT_TRUE(reader.ReadConnector());
    EXPECT_EQ(reader.PrePurge, 77);
    EXPECT_EQ(reader.SamplingInterval, 3600);
}

TEST_F(SimProgramTest, ConnectorCanBePulledAndSwappedFromStandardInput) {
    auto program = start();
    ASSERT_TRUE(program->ready());
    TPresence presence = TPresence::Present;
    ASSERT_TRUE(program->command("unplug"));
    ASSERT_TRUE(device.CheckConnector(presence));
    EXPECT_EQ(presence, TPresence::Absent);
    EXPECT_FALSE(model.ReadConnector());
    EXPECT_EQ(model.LastError, TQ47::CommError);

    ASSERT_TRUE(program->command("large"));
    ASSERT_TRUE(program->command("plug"));
    ASSERT_TRUE(device.CheckConnector(presence));
    EXPECT_EQ(presence, TPresence::Present);
    EXPECT_FALSE(device.SmallMemory);
    EXPECT_EQ(device.BlockSize, 32);
    ASSERT_TRUE(model.ReadConnector()); // four blocks of 32 (0x30)
    EXPECT_EQ(model.LastError, TQ47::NoError);
}

TEST_F(SimProgramTest, WriteThatIsNotStoredFailsItsVerification) {
    auto program = start({"--lose-write", "1"});
    ASSERT_TRUE(program->ready());
    model.SetPrePurge(55);
    EXPECT_FALSE(model.WriteConnector());
    EXPECT_EQ(model.LastError, TQ47::CommError);
}

TEST_F(SimProgramTest, KeepsServingWhenStandardInputClosesAndCleansUpOnSignals) {
    for (const int signal : {SIGTERM, SIGINT}) {
        auto program = start();
        ASSERT_TRUE(program->ready());
        program->process.closeWriteChannel();
        ASSERT_TRUE(device.ReadVersion());
        EXPECT_EQ(program->process.state(), QProcess::Running);
        EXPECT_TRUE(QFile::exists(program->portFile));
        ASSERT_TRUE(program->stop(signal));
        EXPECT_EQ(program->process.exitStatus(), QProcess::NormalExit);
        EXPECT_FALSE(QFile::exists(program->portFile)) << signal;
        device.Disconnect();
    }
}

// A simulator that is killed cannot remove its port file. The host fails cleanly, and the next
// simulator, often given the same terminal, must not be hidden behind the file left behind.
TEST_F(SimProgramTest, AKilledSimulatorIsReplacedByTheNextOne) {
    auto killed = start({"--name", "killed"});
    ASSERT_TRUE(killed->ready());
    ASSERT_TRUE(device.ReadVersion());
    ASSERT_TRUE(killed->stop(SIGKILL));
    EXPECT_TRUE(QFile::exists(killed->portFile));
    EXPECT_FALSE(device.ReadVersion());
    EXPECT_EQ(device.Uart, nullptr);

    auto next = start();
    ASSERT_TRUE(next->ready());
    if (next->ptyPath == killed->ptyPath) {
        EXPECT_FALSE(QFile::exists(killed->portFile));
    } else {
        // Another program took the terminal meanwhile; what the left-over file names is theirs.
        QFile::remove(killed->portFile);
    }
    EXPECT_TRUE(device.ReadVersion());
}

TEST_F(SimProgramTest, RejectsBadOptionsWithAMessage) {
    for (const QStringList& arguments :
         {QStringList{"--drop", "1.5"}, QStringList{"--firmware-version", "zz"},
          QStringList{"extra"}, QStringList{"--description", "two\npath=/dev/tty"},
          QStringList{"--name", "../up"}, QStringList{"--timing", "warp"},
          QStringList{"--absent-answer", "2"}, QStringList{"--small-answer", "256"},
          QStringList{"--usb-stall", "1"}}) { // a fault of the USB line without --usbip
        QProcess process;
        process.start(QStringLiteral(BROOKFETCH_SIM_PROGRAM),
                      arguments + QStringList{"--ports", ports});
        ASSERT_TRUE(process.waitForFinished(5000));
        EXPECT_EQ(process.exitCode(), 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(process.readAllStandardError().startsWith("brookfetch-adapter-sim: "));
        EXPECT_TRUE(QDir(ports).entryList({"*.port"}).isEmpty());
    }
}

} // namespace

namespace {

TEST_F(SimProgramTest, FaultsFromTheCommandLineReachTheHost) {
    struct Case {
        QStringList options;
        bool versionRead; // the first ReadVersion, with its five attempts
    };
    const Case cases[] = {
        {{"--drop", "4"}, true},
        {{"--drop", "5"}, false},
        {{"--wrong-ack", "100%"}, false},
        {{"--short", "2", "--corrupt", "0.0"}, true},
        {{"--slow", "1", "--slow-ms", "400"}, true},
    };
    for (const auto& c : cases) {
        auto program = start(c.options);
        ASSERT_TRUE(program->ready());
        EXPECT_EQ(device.ReadVersion(), c.versionRead) << c.options.join(' ').toStdString();
        device.Disconnect();
    }
}

// A bout of noise after a reply meets the next request; the host waits for the line to fall
// quiet and asks again, and a write with a bout in its middle stores every byte.
TEST_F(SimProgramTest, TheHostWaitsOutABurstOfNoise) {
    auto program = start({"--chatter-ms", "300"});
    ASSERT_TRUE(program->ready());
    ASSERT_TRUE(device.ReadVersion());
    ASSERT_TRUE(program->command("fault chatter 1"));
    ASSERT_TRUE(device.ReadVersion()); // the reply, then the noise
    ASSERT_TRUE(device.ReadVersion());
    bool burst = false;
    device.OnProgress = [&](int percent) {
        if (percent >= 50 && !burst)
            burst = program->command("fault chatter 1");
    };
    model.SetPrePurge(66);
    EXPECT_TRUE(model.WriteConnector());
    EXPECT_TRUE(burst);
    device.OnProgress = nullptr;
    TQ47 reader;
    reader.Device = &device;
    ASSERT_TRUE(reader.ReadConnector());
    EXPECT_EQ(reader.PrePurge, 66);
}

// A client that dies holding the terminal (SIGKILL, a closed terminal) cannot give it back;
// the simulator does: no exclusive flag and no settings of the dead client remain.
TEST_F(SimProgramTest, AClientKilledWhileHoldingTheTerminalLeavesItAsItWas) {
    auto program = start();
    ASSERT_TRUE(program->ready());
    const std::string pty = program->ptyPath.toStdString();
    // The terminal's settings and exclusive flag, as the next client would find them.
    const auto look = [&pty](termios& settings, int& exclusive) {
        const int fd = ::open(pty.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd < 0) {
            exclusive = 1; // EBUSY, unless we run as root
            return errno == EBUSY;
        }
        const bool ok = ::tcgetattr(fd, &settings) == 0 && ::ioctl(fd, TIOCGEXCL, &exclusive) == 0;
        ::close(fd);
        return ok;
    };
    termios before{};
    int exclusive = 0;
    ASSERT_TRUE(look(before, exclusive));
    ASSERT_EQ(exclusive, 0);

    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t client = ::fork();
    ASSERT_GE(client, 0);
    if (client == 0) {
        TTarnDevice holder;
        const char answered = holder.ReadVersion() ? 1 : 0;
        [[maybe_unused]] auto written = ::write(ready[1], &answered, 1);
        ::pause();
        ::_exit(0);
    }
    char answered = 0;
    ASSERT_EQ(::read(ready[0], &answered, 1), 1);
    ASSERT_EQ(answered, 1);
    ::close(ready[0]);
    ::close(ready[1]);
    ::kill(client, SIGKILL);
    ASSERT_EQ(::waitpid(client, nullptr, 0), client);

    termios after{};
    QElapsedTimer waited;
    waited.start();
    do {
        ASSERT_TRUE(look(after, exclusive));
    } while ((exclusive != 0 || after.c_cflag != before.c_cflag) && waited.elapsed() < 2000);
    EXPECT_EQ(exclusive, 0);
    EXPECT_EQ(after.c_cflag, before.c_cflag);
    EXPECT_EQ(after.c_lflag, before.c_lflag);
    EXPECT_TRUE(device.ReadVersion());
}

TEST_F(SimProgramTest, VerboseLogsOneLinePerRequest) {
    auto program = start({"--verbose"});
    ASSERT_TRUE(program->ready());
    std::uint8_t block[8];
    ASSERT_TRUE(device.ReadVersion());
    ASSERT_TRUE(device.ReadBlock(0x10, block, 8));
    ASSERT_TRUE(program->command("plug"));
    EXPECT_TRUE(program->errors.contains("5A 10: version -> 3 bytes\n"));
    EXPECT_TRUE(program->errors.contains("5A 50 10 00 08: read 8 at 0x0010 -> 9 bytes\n"));
}

TEST_F(SimProgramTest, NeverReplacesAMemoryFileItCannotRead) {
    ASSERT_TRUE(QDir().mkpath(memory)); // a directory where the memory file should be
    QProcess process;
    process.start(QStringLiteral(BROOKFETCH_SIM_PROGRAM), {"--ports", ports, "--memory", memory});
    ASSERT_TRUE(process.waitForFinished(5000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("cannot read the memory file"));
    EXPECT_TRUE(QFileInfo(memory).isDir());
}

// Started with "&" from an interactive shell, the program shares the shell's terminal. What the
// user types there must neither stop it (a background read of a terminal stops the reader) nor
// be taken from the shell.
TEST_F(SimProgramTest, StartedInTheBackgroundOfAShellItKeepsServingWhileTheUserTypes) {
    const QByteArray program = BROOKFETCH_SIM_PROGRAM;
    const QByteArray portDir = ports.toLocal8Bit();
    int terminal = -1;
    const pid_t shell = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    ASSERT_GE(shell, 0);
    if (shell == 0) {
        // This process plays the shell: it stays the terminal's foreground job. Its user has
        // asked for background jobs to stop when they print ("stty tostop").
        termios settings{};
        ::tcgetattr(STDIN_FILENO, &settings);
        settings.c_lflag |= TOSTOP;
        ::tcsetattr(STDIN_FILENO, TCSANOW, &settings);
        const pid_t job = ::fork();
        if (job == 0) {
            ::setpgid(0, 0);
            ::execl(program.constData(), program.constData(), "--ports", portDir.constData(),
                    "--name", "background", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::setpgid(job, job);
        std::printf("job %d\n", static_cast<int>(job));
        std::fflush(stdout);
        int status = 0;
        ::waitpid(job, &status, WUNTRACED);
        ::_exit(WIFSTOPPED(status) ? 3 : 0);
    }
    // What the terminal shows, until `wanted` appears.
    QByteArray shown;
    auto waitFor = [&](const QByteArray& wanted) {
        QElapsedTimer timer;
        timer.start();
        while (!shown.contains(wanted) && timer.elapsed() < 10000) {
            pollfd entry{terminal, POLLIN, 0};
            char chunk[256];
            if (::poll(&entry, 1, 50) > 0) {
                const ssize_t n = ::read(terminal, chunk, sizeof chunk);
                if (n <= 0)
                    break;
                shown.append(chunk, static_cast<int>(n));
            }
        }
        return shown.contains(wanted);
    };
    ASSERT_TRUE(waitFor("ready ")) << shown.toStdString();
    const int at = shown.indexOf("job ") + 4;
    const pid_t job =
        static_cast<pid_t>(shown.mid(at, shown.indexOf('\n', at) - at).trimmed().toInt());

    ASSERT_EQ(::write(terminal, "ls\n", 3), 3); // the user types at the shell
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(device.ReadVersion());
    EXPECT_EQ(::waitpid(shell, nullptr, WNOHANG), 0) << "the job was stopped";

    ::kill(job, SIGTERM);
    int status = 0;
    ASSERT_EQ(::waitpid(shell, &status, 0), shell);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(QDir(ports).entryList({"*.port"}).isEmpty());
    ::close(terminal);
}

TEST_F(SimProgramTest, SaysWhyWhenNoPseudoTerminalCanBeMade) {
    for (const QString& ptmx : {dir.filePath("no-ptmx"), QString("/dev/null")}) {
        QProcess process;
        process.start(QStringLiteral(BROOKFETCH_SIM_PROGRAM), {"--ports", ports, "--ptmx", ptmx});
        ASSERT_TRUE(process.waitForFinished(5000));
        EXPECT_EQ(process.exitCode(), 1);
        EXPECT_TRUE(process.readAllStandardError().contains("pseudo-terminal"))
            << ptmx.toStdString();
        EXPECT_TRUE(QDir(ports).entryList({"*.port"}).isEmpty());
    }
}

} // namespace

namespace {

// The simulator registers only where the host would look: a folder made under the runtime
// folder that someone else has set up, or may change, is refused with the reason.
TEST_F(SimProgramTest, RefusesAPortFolderOthersCouldChange) {
    const QString runtime = dir.filePath("run");
    ASSERT_TRUE(QDir().mkpath(runtime + "/elsewhere"));
    struct Case {
        const char* name;
        std::function<void()> arrange;
        const char* why;
    } cases[] = {
        {"open to all",
         [&] {
             ASSERT_TRUE(QDir().mkpath(runtime + "/brookfetch"));
             ::chmod(QFile::encodeName(runtime + "/brookfetch"), 0777);
         },
         "may be written by other users (mode 0777)"},
        {"a link",
         [&] {
             QDir(runtime + "/brookfetch").removeRecursively();
             QFile::link(runtime + "/elsewhere", runtime + "/brookfetch");
         },
         "is a symbolic link"},
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("BROOKFETCH_PORTS");
    environment.insert("XDG_RUNTIME_DIR", runtime);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.arrange();
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(BROOKFETCH_SIM_PROGRAM), {"--name", "refused"});
        ASSERT_TRUE(process.waitForFinished(5000));
        EXPECT_EQ(process.exitCode(), 1);
        const QString error = QString::fromLocal8Bit(process.readAllStandardError());
        EXPECT_TRUE(error.contains(runtime + "/brookfetch " + c.why)) << error.toStdString();
        EXPECT_TRUE(QDir(runtime + "/elsewhere")
                        .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
                        .isEmpty());
    }
}

} // namespace
