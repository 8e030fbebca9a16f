// SPDX-License-Identifier: GPL-3.0-or-later
// brookfetch-cli end to end: the real program against the real adapter simulator, each test
// with its own port directory and connector memory file.

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "tests/support/SimulatorProcess.h"

#include <csignal>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Result {
    int Code = -1;
    QByteArray Out;
    QByteArray Err;
};

using Simulator = testsupport::SimulatorProcess;

std::uint16_t Checksum(const QByteArray& image) {
    std::uint16_t sum = 0;
    for (int i = 2; i < 126; ++i)
        sum = static_cast<std::uint16_t>(sum + static_cast<std::uint8_t>(image[i]));
    return static_cast<std::uint16_t>(~sum);
}

void SetChecksum(QByteArray& image) {
    const std::uint16_t checksum = Checksum(image);
    image[126] = static_cast<char>(checksum & 0xFF);
    image[127] = static_cast<char>(checksum >> 8);
}

class CliProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Dir.isValid());
        Ports = Dir.filePath(QStringLiteral("ports"));
        Memory = Dir.filePath(QStringLiteral("connector.mem"));
    }

    // The simulator has the USB chip's timing; tests about other things than a transfer's course
    // that make many transfers pass "--instant" so as not to wait for it.
    std::unique_ptr<Simulator> StartSim(const QStringList& extra = {}, QString memory = {}) {
        auto sim = std::make_unique<Simulator>(Ports, memory.isEmpty() ? Memory : memory, extra);
        EXPECT_TRUE(sim->Ready) << sim->Process.readAllStandardError().toStdString();
        return sim;
    }

public:
    void Configure(QProcess& process, const QStringList& arguments) const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("BROOKFETCH_PORTS"), Ports);
        environment.insert(QStringLiteral("BROOKFETCH_HISTORY"), History);
        process.setProcessEnvironment(environment);
        process.setProgram(QStringLiteral(BROOKFETCH_CLI_PROGRAM));
        process.setArguments(arguments);
    }

protected:
    Result Run(const QStringList& arguments, const QByteArray& input = {}) const {
        QProcess process;
        Configure(process, arguments);
        process.start();
        Result result;
        if (!process.waitForStarted(5000))
            return result;
        process.write(input);
        process.closeWriteChannel();
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            return result;
        }
        result.Code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
        result.Out = process.readAllStandardOutput();
        result.Err = process.readAllStandardError();
        return result;
    }

    QString Path(const char* name) const { return Dir.filePath(QString::fromUtf8(name)); }

    static QByteArray Contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void Store(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray DefaultImage() {
        const QString path = Path("defaults.brk");
        EXPECT_EQ(Run({"new", path}).Code, 0);
        return Contents(path);
    }

    QTemporaryDir Dir;
    QString Ports;
    QString Memory;
    // Beside the test's files, so that a folder a test makes read-only leaves it alone.
    QTemporaryDir HistoryDir;
    QString History = HistoryDir.filePath(QStringLiteral("history.jsonl"));
};

#define EXPECT_RESULT(result, code)                                                                \
    EXPECT_EQ((result).Code, code)                                                                 \
        << "stdout: " << (result).Out.toStdString() << "\nstderr: " << (result).Err.toStdString()

TEST_F(CliProgramTest, StatusTellsAdapterVersionAndConnector) {
    auto sim = StartSim({"--firmware-version", "1.0a", "--serial", "SN42"});
    Result status = Run({"status"});
    EXPECT_RESULT(status, 0);
    EXPECT_EQ(status.Out, "adapter: USB FETCHer Adapter 1.0a (serial number SN42)\n"
                          "connector: present, small memory\n");
    EXPECT_TRUE(status.Err.isEmpty()); // no progress bar or notes on a pipe

    ASSERT_TRUE(sim->Command("unplug"));
    status = Run({"status"});
    EXPECT_RESULT(status, 4);
    EXPECT_TRUE(status.Out.contains("connector: none"));

    ASSERT_TRUE(sim->Command("plug"));
    ASSERT_TRUE(sim->Command("large"));
    status = Run({"status", "--json"});
    EXPECT_RESULT(status, 4);
    const QJsonObject json = QJsonDocument::fromJson(status.Out).object();
    EXPECT_EQ(json.value("version").toString(), "1.0a");
    EXPECT_TRUE(json.value("connector").toBool());
    EXPECT_EQ(json.value("memory").toString(), "large");
    EXPECT_RESULT(Run({"read", Path("large.brk")}), 4);
    EXPECT_FALSE(QFile::exists(Path("large.brk")));
}

// Only 2 means "present" and "large": an adapter may say "no connector" and "small" with any
// other byte.
TEST_F(CliProgramTest, EveryAnswerButTwoIsNoConnectorOrASmallMemory) {
    for (const char* no : {"0", "1", "0xFF"}) {
        SCOPED_TRACE(no);
        auto sim =
            StartSim({"--instant", "--no-connector", "--absent-answer", no, "--small-answer", no});
        Result status = Run({"status"});
        EXPECT_RESULT(status, 4);
        EXPECT_TRUE(status.Out.contains("connector: none\n"));
        const Result read = Run({"read", Path("none.brk")});
        EXPECT_RESULT(read, 4);
        EXPECT_TRUE(read.Err.startsWith("brookfetch-cli: no connector found"));
        ASSERT_TRUE(sim->Command("plug"));
        status = Run({"status"});
        EXPECT_RESULT(status, 0);
        EXPECT_TRUE(status.Out.contains("connector: present, small memory\n"));
    }
}

TEST_F(CliProgramTest, WithoutAdapterEveryConnectorCommandSaysWhatToCheck) {
    const QString file = Path("a.brk");
    ASSERT_EQ(Run({"new", file}).Code, 0);
    for (const QStringList& arguments :
         {QStringList{"status"}, QStringList{"read", Path("r.brk")}, QStringList{"write", file},
          QStringList{"verify", file}, QStringList{"show"}, QStringList{"write", "--wait", file}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Result result = Run(arguments);
        EXPECT_RESULT(result, 4);
        EXPECT_TRUE(result.Out.isEmpty());
        EXPECT_TRUE(result.Err.startsWith("brookfetch-cli: no adapter found"));
        for (const char* hint : {"ftdi_sio", "dialout", "brookfetch-adapter-sim"})
            EXPECT_TRUE(result.Err.contains(hint)) << result.Err.toStdString();
        EXPECT_EQ(result.Err.count('\n'), 1);
    }
    EXPECT_FALSE(QFile::exists(Path("r.brk")));

    // A folder of simulated adapters that others may write is passed over, and named.
    auto sim = StartSim();
    ASSERT_EQ(::chmod(QFile::encodeName(Ports).constData(), 0777), 0);
    const Result list = Run({"list"});
    EXPECT_RESULT(list, 4);
    EXPECT_TRUE(
        list.Err.contains("the folder of simulated adapters was passed over: " + Ports.toUtf8()))
        << list.Err.toStdString();
    ASSERT_EQ(::chmod(QFile::encodeName(Ports).constData(), 0700), 0);
    EXPECT_RESULT(Run({"list"}), 0);
}

TEST_F(CliProgramTest, ReadShowWriteVerifyRoundTrip) {
    auto sim = StartSim();
    const QString changed = Path("changed.brk");
    EXPECT_RESULT(Run({"new", changed, "PrePurge=20", "DeadTime=01:30:00", "AccuOff=9.8",
                       "VarMode=4 - 20mA", "Continuous=Continuous"}),
                  0);
    EXPECT_RESULT(Run({"write", changed}), 0);
    EXPECT_EQ(Contents(Memory).left(128), Contents(changed));

    const Result shown = Run({"show"});
    EXPECT_RESULT(shown, 0);
    EXPECT_TRUE(shown.Out.contains("PrePurge=20\nAeration=10\n"));
    EXPECT_TRUE(shown.Out.contains("DeadTime=01:30:00\n"));
    EXPECT_TRUE(shown.Out.contains("Continuous=Continuous\nSamplesCount=8\n"));
    EXPECT_TRUE(shown.Out.contains("AccuOff=9.8\n"));
    EXPECT_TRUE(shown.Out.contains("VarMode=4 - 20mA\n"));

    // A read followed by a write of the same file leaves the connector byte for byte.
    const QByteArray before = Contents(Memory);
    const QString copy = Path("copy.brk");
    EXPECT_RESULT(Run({"read", copy}), 0);
    EXPECT_EQ(Contents(copy), before.left(128));
    EXPECT_RESULT(Run({"write", copy}), 0);
    EXPECT_EQ(Contents(Memory), before);
    EXPECT_RESULT(Run({"verify", copy}), 0);

    // Standard input and output stand in for files.
    const Result toStdout = Run({"read", "-"});
    EXPECT_RESULT(toStdout, 0);
    EXPECT_EQ(toStdout.Out, before.left(128));
    EXPECT_RESULT(Run({"write", "-"}, DefaultImage()), 0);
    EXPECT_EQ(Contents(Memory).left(128), DefaultImage());
    const Result fromStdin = Run({"show", "--json", "-"}, Contents(changed));
    EXPECT_RESULT(fromStdin, 0);
    EXPECT_EQ(QJsonDocument::fromJson(fromStdin.Out).object().value("DeadTime").toInt(), 5400);
}

// A write first says what it changes on the connector, old → new as show prints the values; a
// dry run says the same, writes nothing and is kept in the history as the read it was.
TEST_F(CliProgramTest, AWriteSaysWhatItChangesAndADryRunWritesNothing) {
    const QString file = Path("river.brk");
    ASSERT_EQ(Run({"new", file, "SamplesCount=12", "AccuOff=9.8"}).Code, 0);
    const QByteArray changes = "the connector holds other parameters; the write changes:\n"
                               "SamplesCount: 8 → 12\n"
                               "AccuOff: 10.5 → 9.8\n";
    {
        auto sim = StartSim({"--instant"}); // a fresh connector holds the defaults
        const QByteArray before = Contents(Memory);
        const Result dry = Run({"write", "--dry-run", file});
        EXPECT_RESULT(dry, 0);
        EXPECT_EQ(dry.Out, changes + "dry run of " + file.toUtf8() + ": nothing was written\n");
        EXPECT_EQ(Contents(Memory), before);
        const QJsonObject entry =
            QJsonDocument::fromJson(Run({"history", "--json"}).Out.split('\n').value(0)).object();
        EXPECT_EQ(entry.value("operation").toString(), "read");
        EXPECT_TRUE(entry.value("file").isNull());

        const Result written = Run({"write", file});
        EXPECT_RESULT(written, 0);
        EXPECT_EQ(written.Out,
                  changes + "wrote " + file.toUtf8() + " into the connector and verified it\n");
        EXPECT_EQ(Contents(Memory).left(128), Contents(file));
        EXPECT_TRUE(Run({"write", "--dry-run", file})
                        .Out.startsWith("the connector holds these parameters already\n"));
    }
    {
        // A blank connector has nothing to compare with: the dry run fails as a read of it
        // fails, and the write goes ahead.
        Store(Memory, QByteArray(256, '\xFF'));
        auto sim = StartSim({"--instant"});
        const QByteArray blank = "the connector holds no valid parameter set: it is blank\n";
        const Result dry = Run({"write", "--dry-run", file});
        EXPECT_RESULT(dry, 1);
        EXPECT_EQ(dry.Out, blank);
        EXPECT_EQ(Contents(Memory), QByteArray(256, '\xFF'));
        const Result written = Run({"write", file});
        EXPECT_RESULT(written, 0);
        EXPECT_TRUE(written.Out.startsWith(blank)) << written.Out.toStdString();
        EXPECT_EQ(Contents(Memory).left(128), Contents(file));
    }
}

TEST_F(CliProgramTest, VerifyNamesTheFirstDifferenceAndItsParameter) {
    auto sim = StartSim();
    const QString written = Path("written.brk");
    const QString other = Path("other.brk");
    ASSERT_EQ(Run({"new", written}).Code, 0);
    ASSERT_EQ(Run({"new", other, "AccuWarning=12.0", "PurgesCount=2"}).Code, 0);
    ASSERT_EQ(Run({"write", written}).Code, 0);

    const Result result = Run({"verify", other});
    EXPECT_RESULT(result, 5);
    EXPECT_TRUE(result.Out.startsWith("differs at offset 10 (AccuWarning): connector 0xB1, "
                                      "file 0xC2"))
        << result.Out.toStdString();
    EXPECT_TRUE(result.Err.contains("does not match"));

    // A difference in the reserved bytes is named as such.
    QByteArray reserved = Contents(written);
    reserved[40] = 7;
    SetChecksum(reserved);
    Store(Path("reserved.brk"), reserved);
    EXPECT_TRUE(Run({"verify", Path("reserved.brk")})
                    .Out.startsWith("differs at offset 40 "
                                    "(reserved)"));
}

// A sheet from standard input to standard output speaks the language of the user's locale, as
// the window program would start in it.
TEST_F(CliProgramTest, SheetSpeaksTheLocalesLanguageThroughAPipe) {
    const QString file = Path("river.brk");
    ASSERT_EQ(Run({"new", file}).Code, 0);
    QProcess process;
    Configure(process, {"sheet", "-", "-"});
    QProcessEnvironment environment = process.processEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start();
    ASSERT_TRUE(process.waitForStarted(5000));
    process.write(Contents(file));
    process.closeWriteChannel();
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const QByteArray pdf = process.readAllStandardOutput();
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    Store(Path("river.pdf"), pdf);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {Path("river.pdf"), "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QByteArray text = pdftotext.readAllStandardOutput();
    EXPECT_TRUE(text.contains("Parameterblatt")) << text.toStdString();
    EXPECT_TRUE(text.contains("<unbenannt>")) << "standard input has no file name";
}

TEST_F(CliProgramTest, ShowJsonOfTheDefaultFileGivesTheDefaults) {
    const QString file = Path("defaults.brk");
    ASSERT_EQ(Run({"new", file}).Code, 0);
    const Result result = Run({"show", "--json", file});
    EXPECT_RESULT(result, 0);
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(result.Out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << result.Out.toStdString();
    const QJsonObject defaults{
        {"PumpPulses", 1500},  {"DeadTime", 0},        {"PrePurge", 10},
        {"Aeration", 10},      {"PostPurge", 10},      {"SamplingInterval", 900},
        {"Continuous", false}, {"SamplesCount", 8},    {"AccuWarning", 11.0},
        {"AccuOff", 10.5},     {"MaxSuctionTime", 60}, {"PurgesCount", 0},
        {"VarMode", 0}};
    EXPECT_EQ(json, defaults) << result.Out.toStdString();
    EXPECT_TRUE(json.value("Continuous").isBool());
}

TEST_F(CliProgramTest, AWriteOfAnOutOfRangeImageExits3AndWritesNothing) {
    auto sim = StartSim();
    QByteArray image = DefaultImage();
    image[4] = 0; // PrePurge 0: a valid image, but the setter accepts 1..240
    SetChecksum(image);
    const QString file = Path("zero-prepurge.brk");
    Store(file, image);
    const QByteArray before = Contents(Memory);

    const Result result = Run({"write", "--trace", "-", file});
    EXPECT_RESULT(result, 3);
    EXPECT_TRUE(result.Err.contains("PrePurge: \"0\" is out of range (accepted 1..240 s)"))
        << result.Err.toStdString();
    EXPECT_FALSE(result.Err.contains("-->")); // not a single frame went to the adapter
    EXPECT_EQ(Contents(Memory), before);

    // The same file is shown as it is, and reading such a connector warns.
    EXPECT_TRUE(Run({"show", file}).Out.contains("PrePurge=0\n"));
    EXPECT_RESULT(Run({"write", "-"}, image), 3);
}

TEST_F(CliProgramTest, SetChangesAllOrNothing) {
    const QString file = Path("set.brk");
    ASSERT_EQ(Run({"new", file, "PrePurge=30"}).Code, 0);
    const QByteArray before = Contents(file);

    Result result = Run({"set", file, "Aeration=20", "PurgesCount=9", "DeadTime=00:10:00"});
    EXPECT_RESULT(result, 3);
    EXPECT_TRUE(result.Err.contains("PurgesCount: \"9\" is out of range (accepted 0..5)"));
    EXPECT_EQ(Contents(file), before);
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1); // nothing aside

    result = Run({"set", file, "Aeration=20", "DeadTime=00:10:00"});
    EXPECT_RESULT(result, 0);
    const QJsonObject json = QJsonDocument::fromJson(Run({"show", "--json", file}).Out).object();
    EXPECT_EQ(json.value("PrePurge").toInt(), 30);
    EXPECT_EQ(json.value("Aeration").toInt(), 20);
    EXPECT_EQ(json.value("DeadTime").toInt(), 600);
}

TEST_F(CliProgramTest, SetKeepsTheFilesModeAndWritesInPlaceWhereTheFolderTakesNoNewFile) {
    const QString file = Path("mode.brk");
    ASSERT_EQ(Run({"new", file}).Code, 0);
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0640), 0);
    EXPECT_RESULT(Run({"set", file, "PrePurge=30"}), 0);
    struct stat info = {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    // A writable file in a folder the user may not write; root may write anywhere, so the
    // program then runs as an ordinary user.
    const QString locked = Path("locked");
    ASSERT_TRUE(QDir().mkdir(locked));
    const QString inside = locked + "/file.brk";
    ASSERT_EQ(Run({"new", inside}).Code, 0);
    ASSERT_EQ(::chmod(QFile::encodeName(inside).constData(), 0666), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0555), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(Dir.path()).constData(), 0755), 0);
    QProcess set;
    Configure(set, {"set", inside, "PrePurge=31"});
    if (::geteuid() == 0) {
        set.setArguments(
            QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", set.program()} +
            set.arguments());
        set.setProgram("setpriv");
    }
    set.start();
    ASSERT_TRUE(set.waitForFinished(20000));
    EXPECT_EQ(set.exitCode(), 0) << set.readAllStandardError().toStdString();
    EXPECT_EQ(Contents(inside)[4], char(31));
    EXPECT_EQ(QDir(locked).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(CliProgramTest, ExitCodesForFilesAndUsage) {
    const QString good = Path("good.brk");
    ASSERT_EQ(Run({"new", good}).Code, 0);
    QByteArray image = Contents(good);
    Store(Path("short.brk"), image.left(127));
    image[20] = 1; // checksum no longer matches
    Store(Path("damaged.brk"), image);

    struct Case {
        QStringList Arguments;
        int Code;
        const char* Message;
    };
    const Case cases[] = {
        {{"show", Path("missing.brk")}, 2, "no such file"},
        {{"new", Path("no-such-dir/x.brk")}, 2, "cannot save"},
        {{"new", Path(std::string(256, 'n').c_str())}, 2, "name is too long"},
        {{"show", Path(std::string(256, 'n').c_str())}, 2, "name is too long"},
        {{"set", Path("missing.brk"), "PrePurge=5"}, 2, "cannot open"},
        {{"show", Dir.path()}, 2, "folder"},
        {{"read", "--serial", "X", Dir.path()}, 4, "no adapter found"},
        {{"show", Path("short.brk")}, 1, "127 bytes"},
        {{"show", Path("damaged.brk")}, 1, "checksum"},
        {{"new", Path("bad.brk"), "SamplingInterval=12:30"}, 3, "hh:mm:ss"},
        {{"new", Path("bad.brk"), "Pressure=1"}, 3, "unknown parameter"},
        {{}, 64, "no command"},
        {{"fetch"}, 64, "unknown command"},
        {{"read"}, 64, "needs FILE"},
        {{"set", good}, 64, "needs FILE NAME=VALUE"},
        {{"verify", good, "extra"}, 64, "too many"},
        {{"show", "--wait", good}, 64, "--wait"},
        {{"read", "--json", good}, 64, "--json"},
        {{"read", "--wait", "-"}, 64, "file name"},
        {{"new", good, "PrePurge"}, 64, "NAME=VALUE"},
        {{"status", "--bogus"}, 64, "bogus"},
        {{"help", "fetch"}, 64, "unknown command"},
        {{"show", "--log", Path("x.log")}, 64, "--log"},
        {{"read", "--retries", "many", "x.brk"}, 64, "--retries"},
        {{"write", "--all", "--serial", "X", good}, 64, "--all"},
        {{"show", "--all", good}, 64, "--all"},
        // The sheet's exit codes are show's; its output is saved as any file is.
        {{"sheet", Path("missing.brk"), Path("x.pdf")}, 2, "no such file"},
        {{"sheet", Path("damaged.brk"), Path("x.pdf")}, 1, "checksum"},
        {{"sheet", good, Path("no-such-dir/x.pdf")}, 2, "cannot save"},
        {{"sheet", good}, 64, "needs FILE OUT.pdf"},
        {{"sheet", "--paper", "a3", good, Path("x.pdf")}, 64, "--paper takes a4 or letter"},
        {{"sheet", "--language", "nl", good, Path("x.pdf")}, 64, "--language takes one of bg"},
        {{"show", "--paper", "a4", good}, 64, "--paper goes with sheet only"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Arguments.join(' ').toStdString());
        const Result result = Run(c.Arguments);
        EXPECT_RESULT(result, c.Code);
        EXPECT_TRUE(result.Err.contains(c.Message)) << result.Err.toStdString();
        EXPECT_EQ(result.Err.count('\n'), 1);
    }
    EXPECT_FALSE(QFile::exists(Path("bad.brk")));
    EXPECT_RESULT(Run({"--help"}), 0);

    // A command's own help, both ways round (every command's: CommandLineTest).
    const Result help = Run({"help", "verify"});
    EXPECT_RESULT(help, 0);
    EXPECT_TRUE(help.Out.startsWith("Usage: brookfetch-cli verify [options] FILE\n"));
    EXPECT_EQ(Run({"verify", "--help"}).Out, help.Out);
}

// The sheet never replaces the configuration it documents, by any of its names, nor another
// file that is no PDF unless told to; a time with a typo is refused, never read as another time.
TEST_F(CliProgramTest, NothingIsWrittenOverAConfigurationOrFromAGarbledTime) {
    const QString file = Path("same.brk");
    const QString other = Path("other.brk");
    ASSERT_EQ(Run({"new", file}).Code, 0);
    ASSERT_EQ(Run({"new", other, "PrePurge=30"}).Code, 0);
    const QByteArray image = Contents(file);
    const QByteArray otherImage = Contents(other);
    ASSERT_TRUE(QFile::link(file, Path("link.brk")));
    for (const QString& out : {file, Dir.path() + "/./same.brk", Path("link.brk")}) {
        const Result result = Run({"sheet", file, out});
        EXPECT_RESULT(result, 2);
        EXPECT_TRUE(result.Err.contains("the file the sheet is made of"))
            << result.Err.toStdString();
    }
    Result result = Run({"sheet", file, other});
    EXPECT_RESULT(result, 2);
    EXPECT_TRUE(result.Err.contains("--force")) << result.Err.toStdString();
    EXPECT_EQ(Contents(file), image);
    EXPECT_EQ(Contents(other), otherImage);
    // An earlier sheet is replaced; --force replaces what the user named.
    EXPECT_RESULT(Run({"sheet", file, Path("sheet.pdf")}), 0);
    EXPECT_RESULT(Run({"sheet", file, Path("sheet.pdf")}), 0);
    EXPECT_RESULT(Run({"sheet", "--force", file, other}), 0);
    EXPECT_TRUE(Contents(other).startsWith("%PDF-"));

    for (const char* time : {"DeadTime=02:4O:00", "SamplingInterval=00:01:30:00", "DeadTime=1:2:x",
                             "DeadTime=1:2:3:4", "DeadTime=24:00:00"}) {
        result = Run({"set", file, time});
        EXPECT_RESULT(result, 3);
        EXPECT_TRUE(result.Err.contains("hh:mm:ss")) << time;
    }
    EXPECT_EQ(Contents(file), image);
    EXPECT_RESULT(Run({"set", file, "DeadTime=1:5:7"}), 0);
    EXPECT_EQ(QJsonDocument::fromJson(Run({"show", "--json", file}).Out)["DeadTime"].toInt(), 3907);
}

TEST_F(CliProgramTest, FailedTransfersExit1AndAConnectorThatKeepsNothingExits5) {
    const QString file = Path("file.brk");
    ASSERT_EQ(Run({"new", file, "PrePurge=44"}).Code, 0);
    {
        // Every block write is answered "not written": tried three times in all.
        auto sim = StartSim({"--instant", "--refuse-write", "1000"});
        const Result result = Run({"write", file});
        EXPECT_RESULT(result, 1);
        EXPECT_TRUE(result.Err.contains("writing the connector failed"));
        EXPECT_EQ(result.Err.count("trying again"), 2);
        EXPECT_EQ(Run({"write", "--quiet", "--retries", "0", file}).Err.count('\n'), 1);
    }
    {
        // Block writes are acknowledged but not stored: the read-back catches it, and one
        // more write shows that the connector keeps nothing.
        auto sim = StartSim({"--instant", "--lose-write", "1000"});
        const Result result = Run({"write", file});
        EXPECT_RESULT(result, 5);
        EXPECT_EQ(result.Err.count("trying again"), 1);
        EXPECT_TRUE(result.Err.contains("replace the connector"));
    }
    {
        // A connector whose image fails its checksum.
        QByteArray damaged = Contents(file) + QByteArray(128, '\xFF');
        damaged[50] = 9;
        Store(Memory, damaged);
        auto sim = StartSim({"--instant"});
        Result result = Run({"read", Path("read.brk")});
        EXPECT_RESULT(result, 1);
        EXPECT_TRUE(result.Err.contains("checksum")) << result.Err.toStdString();
        EXPECT_FALSE(QFile::exists(Path("read.brk")));
        EXPECT_RESULT(Run({"show"}), 1);
    }
    {
        // An erased connector holds no parameters: it is blank, not half-written.
        Store(Memory, QByteArray(256, '\xFF'));
        auto sim = StartSim({"--instant"});
        const Result result = Run({"read", Path("read.brk")});
        EXPECT_RESULT(result, 1);
        EXPECT_TRUE(result.Err.contains("the connector is blank")) << result.Err.toStdString();
        EXPECT_FALSE(result.Err.contains("half-written"));
    }
}

// An adapter pulled in the middle of a write leaves old and new parameters on the connector:
// the message and the log say that it must be written again, and a read of it afterwards says
// why it fails. Pulled during the read-back, every byte is there and only the check is missing.
TEST_F(CliProgramTest, AWriteCutByAnUnplugSaysWhatItLeftOnTheConnector) {
    const QString file = Path("river.brk");
    const QString log = Path("bench.log");
    ASSERT_EQ(Run({"new", file, "DeadTime=01:30:00"}).Code, 0);
    {
        // Seven requests find the adapter and its connector, 34 read what it holds and seven
        // find it again before the write; five blocks are stored.
        auto sim = StartSim({"--unplug-after", "53"});
        const Result cut = Run({"write", "--log", log, file});
        EXPECT_RESULT(cut, 1);
        EXPECT_TRUE(cut.Err.contains("the adapter stopped answering; the connector may now hold a "
                                     "mix of old and new parameters and must be written again "
                                     "before use"))
            << cut.Err.toStdString();
        EXPECT_TRUE(Contents(log).contains("\"result\":\"mixed\",\"exit\":1"));
    }
    {
        auto sim = StartSim();
        const Result read = Run({"read", Path("read.brk")});
        EXPECT_RESULT(read, 1);
        EXPECT_TRUE(read.Err.contains("may have been left half-written by a write that was cut "
                                      "short: write it again, or re-seat it"))
            << read.Err.toStdString();
    }
    {
        // The half-written connector is read once (no retries) before the write, and the
        // failed read asks whether the adapter went away: 56 requests; then all 16 blocks are
        // stored and the read-back is cut.
        auto sim = StartSim({"--unplug-after", "72"});
        const Result unchecked = Run({"write", "--retries", "0", "--log", log, file});
        EXPECT_RESULT(unchecked, 1);
        EXPECT_TRUE(unchecked.Err.contains("every block was written into the connector, but the "
                                           "read-back that checks them was cut short: the adapter "
                                           "stopped answering"))
            << unchecked.Err.toStdString();
        EXPECT_TRUE(Contents(log).contains("\"result\":\"unverified\",\"exit\":1"));
    }
    EXPECT_EQ(Contents(Memory).left(128), Contents(file));
}

// A support trace: the time of day at its head, then every driver call and every frame behind
// the milliseconds since then. The environment asks as the option does; the option wins. A
// trace that cannot be written stops the command before it begins.
TEST_F(CliProgramTest, TraceAppendsEveryCallAndFrameWithItsTimeToItsFile) {
    auto sim = StartSim({"--instant"});
    const QString trace = Path("t.txt");
    const Result read = Run({"--trace", trace, "read", Path("x.brk")});
    EXPECT_RESULT(read, 0);
    EXPECT_TRUE(read.Err.isEmpty());
    const QList<QByteArray> lines = Contents(trace).trimmed().split('\n');
    ASSERT_GT(lines.size(), 100);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Brookfetch trace: brookfetch-cli \\S+, started "
                                                  "\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d"))
                    .match(QString::fromUtf8(lines[0]))
                    .hasMatch())
        << lines[0].toStdString();
    const QRegularExpression line(QStringLiteral(
        "^ *\\d+\\.\\d (FT_\\w+\\(.*\\) = \\w+(: .+)?|(-->|<--|<-!)( [0-9A-F]{2})+|--- .+)$"));
    for (const QByteArray& one : lines.mid(1))
        EXPECT_TRUE(line.match(QString::fromUtf8(one)).hasMatch()) << one.toStdString();
    const QByteArray text = Contents(trace);
    EXPECT_TRUE(text.contains(" FT_Open(#0) = FT_OK: handle "));
    EXPECT_TRUE(text.contains(" --> 5A 10\n"));
    EXPECT_TRUE(text.contains(" --> 5A 50 00 00 08\n")); // the first block of the image
    EXPECT_TRUE(text.contains(" <-- A5 "));

    const QString chosen = Path("chosen.txt");
    const QString environment = Path("environment.txt");
    qputenv("BROOKFETCH_TRACE", environment.toUtf8());
    EXPECT_RESULT(Run({"status"}), 0);
    const QByteArray before = Contents(environment);
    EXPECT_TRUE(before.contains(" --> 5A 10\n"));
    EXPECT_RESULT(Run({"status", "--trace", chosen}), 0);
    qunsetenv("BROOKFETCH_TRACE");
    EXPECT_EQ(Contents(environment), before);
    EXPECT_TRUE(Contents(chosen).contains(" --> 5A 10\n"));

    const Result refused = Run({"--trace", Path("no-such-dir/t.txt"), "read", Path("y.brk")});
    EXPECT_RESULT(refused, 2);
    EXPECT_TRUE(refused.Err.contains("cannot open the trace")) << refused.Err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("y.brk")));
}

TEST_F(CliProgramTest, ListSerialAndPortChooseOneOfSeveralAdapters) {
    const QString otherMemory = Path("other.mem");
    auto first = StartSim({"--serial", "FIRST", "--name", "a"});
    auto second = StartSim({"--serial", "SECOND", "--name", "b", "--no-connector"}, otherMemory);
    const QString file = Path("file.brk");
    ASSERT_EQ(Run({"new", file, "PostPurge=99"}).Code, 0);

    Result result = Run({"write", file});
    EXPECT_RESULT(result, 4);
    EXPECT_TRUE(result.Err.contains("2 adapters are attached (FIRST at " + first->Port.toUtf8() +
                                    ", SECOND at " + second->Port.toUtf8() +
                                    "); pick one with --serial or --port"))
        << result.Err.toStdString();

    // Every adapter with its port, version and connector, as text and as JSON.
    const Result listed = Run({"list"});
    EXPECT_RESULT(listed, 0);
    const QList<QByteArray> lines = listed.Out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 3) << listed.Out.toStdString();
    EXPECT_TRUE(lines[0].startsWith("serial"));
    EXPECT_TRUE(lines[1].startsWith("FIRST ") && lines[1].contains(first->Port.toUtf8()) &&
                lines[1].contains("USB FETCHer Adapter 1.05") &&
                lines[1].endsWith("present, small memory"))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("SECOND") && lines[2].endsWith("none"));
    // list opens each adapter as every other command does: with the short latency timer.
    for (const char* name : {"a", "b"})
        EXPECT_EQ(Contents(QDir(Ports).filePath(QString("%1.latency").arg(name))), "2\n") << name;
    const QJsonArray json = QJsonDocument::fromJson(Run({"list", "--json"}).Out).array();
    ASSERT_EQ(json.size(), 2);
    EXPECT_EQ(json[1].toObject().value("port").toString(), second->Port);
    EXPECT_EQ(json[1].toObject().value("connector").toBool(true), false);
    EXPECT_EQ(json[0].toObject().value("memory").toString(), "small");

    // By serial number or by port, and never the other one.
    ASSERT_TRUE(second->Command("plug"));
    const QByteArray firstBefore = Contents(Memory);
    EXPECT_RESULT(Run({"write", "--serial", "SECOND", file}), 0);
    EXPECT_EQ(Contents(otherMemory).left(128), Contents(file));
    const QString other = Path("other.brk");
    ASSERT_EQ(Run({"new", other, "PostPurge=55"}).Code, 0);
    EXPECT_RESULT(Run({"write", "--port", second->Port, other}), 0);
    EXPECT_EQ(Contents(otherMemory).left(128), Contents(other));
    EXPECT_EQ(Contents(Memory), firstBefore);
    EXPECT_TRUE(Run({"status", "--port", first->Port}).Out.contains("serial number FIRST"));
    result = Run({"status", "--serial", "THIRD"});
    EXPECT_RESULT(result, 4);
    EXPECT_TRUE(result.Err.contains("THIRD"));

    // Two adapters with one serial number (clone chips): the serial number chooses neither,
    // and the message names their ports.
    auto clone = StartSim({"--serial", "FIRST", "--name", "c"}, Path("clone.mem"));
    result = Run({"status", "--serial", "FIRST"});
    EXPECT_RESULT(result, 4);
    EXPECT_TRUE(result.Err.contains("2 adapters have the serial number FIRST and cannot be told "
                                    "apart by it (at " +
                                    first->Port.toUtf8() + ", " + clone->Port.toUtf8() +
                                    "); choose one with --port"))
        << result.Err.toStdString();
    EXPECT_TRUE(Run({"status", "--port", clone->Port}).Out.contains("serial number FIRST"));
}

// Production mode: the program runs until a signal; the simulator plugs and pulls connectors.
class ProductionRun {
public:
    ProductionRun(const CliProgramTest& test, const QStringList& arguments) {
        test.Configure(Process, arguments);
        Process.start();
        Process.waitForStarted(5000);
    }
    ~ProductionRun() {
        if (Process.state() != QProcess::NotRunning) {
            Process.kill();
            Process.waitForFinished(3000);
        }
    }
    // Waits until the standard output or error holds the text.
    bool WaitFor(const QByteArray& text, bool onError = false) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 20000) {
            Out += Process.readAllStandardOutput();
            Err += Process.readAllStandardError();
            if ((onError ? Err : Out).contains(text))
                return true;
            if (Process.state() == QProcess::NotRunning)
                return false;
            Process.waitForReadyRead(50);
        }
        return false;
    }
    int Stop(int signal) {
        ::kill(static_cast<pid_t>(Process.processId()), signal);
        if (!Process.waitForFinished(10000))
            return -1;
        Out += Process.readAllStandardOutput();
        Err += Process.readAllStandardError();
        return Process.exitStatus() == QProcess::NormalExit ? Process.exitCode() : -2;
    }

    QProcess Process;
    QByteArray Out;
    QByteArray Err;
};

TEST_F(CliProgramTest, WriteWaitProgramsEachConnectorUntilInterrupted) {
    auto sim = StartSim({"--instant", "--no-connector", "--verbose"});
    const QString file = Path("batch.brk");
    ASSERT_EQ(Run({"new", file, "MaxSuctionTime=90"}).Code, 0);

    ProductionRun run(*this, {"write", "--wait", file});
    ASSERT_TRUE(run.WaitFor("waiting for connectors", true)) << run.Err.toStdString();
    for (int connector = 1; connector <= 3; ++connector) {
        SCOPED_TRACE(connector);
        ASSERT_TRUE(sim->Command("plug"));
        ASSERT_TRUE(run.WaitFor(QByteArray("connector ") + QByteArray::number(connector) +
                                " OK written and verified\n"))
            << run.Out.toStdString() << run.Err.toStdString();
        EXPECT_EQ(Contents(Memory).left(128), Contents(file));
        if (connector == 1) {
            // A "present" damaged into "no connector" on the line is not a pull: the same
            // connector stays.
            ASSERT_TRUE(sim->Command("fault corrupt 2"));
            ASSERT_TRUE(sim->WaitForRequest("[corrupt]"));
            for (int poll = 0; poll < 3; ++poll) {
                sim->Errors.clear();
                ASSERT_TRUE(sim->WaitForRequest("connector present"));
            }
            run.Process.waitForReadyRead(300); // takes in what the program has said so far
            run.WaitFor("");
            EXPECT_FALSE(run.Err.contains("connector pulled")) << run.Err.toStdString();
        }
        ASSERT_TRUE(sim->Command("unplug"));
        ASSERT_TRUE(run.WaitFor("connector pulled", true));
        run.Err.clear();
    }
    EXPECT_EQ(run.Stop(SIGINT), 0);
    EXPECT_TRUE(run.Out.endsWith("summary: 3 connectors, 3 OK, 0 failed\n"))
        << run.Out.toStdString();
    EXPECT_EQ(run.Out.count('\n'), 4); // one line per connector and the summary
}

TEST_F(CliProgramTest, ReadWaitSavesNumberedFilesAndNeverOverwrites) {
    auto sim = StartSim({"--instant", "--no-connector", "--verbose"});
    const QString batch = Path("batch.brk");
    Store(Path("batch-0001.brk"), "from an earlier run");

    ProductionRun run(*this, {"read", "--wait", "--quiet", batch});
    for (int connector = 1; connector <= 3; ++connector) {
        SCOPED_TRACE(connector);
        ASSERT_TRUE(sim->Command("plug"));
        const QString name = QStringLiteral("batch-%1.brk").arg(connector + 1, 4, 10, QChar('0'));
        ASSERT_TRUE(run.WaitFor(QStringLiteral("connector %1 OK read into %2\n")
                                    .arg(connector)
                                    .arg(Path(name.toUtf8().constData()))
                                    .toUtf8()))
            << run.Out.toStdString() << run.Err.toStdString();
        EXPECT_EQ(Contents(Path(name.toUtf8().constData())), Contents(Memory).left(128));
        ASSERT_TRUE(sim->Command("unplug"));
        // Quiet mode has no notes: the program has seen the connector go once it asked 3 times.
        for (int poll = 0; poll < 3; ++poll) {
            sim->Errors.clear();
            ASSERT_TRUE(sim->WaitForRequest("5A 20: connector present"));
        }
    }
    EXPECT_EQ(run.Stop(SIGTERM), 0);
    EXPECT_TRUE(run.Out.endsWith("summary: 3 connectors, 3 OK, 0 failed\n"))
        << run.Out.toStdString();
    EXPECT_EQ(Contents(Path("batch-0001.brk")), "from an earlier run");
    EXPECT_TRUE(run.Err.isEmpty()) << run.Err.toStdString();
}

} // namespace

namespace {

TEST_F(CliProgramTest, WriteWaitReportsFailedConnectorsAndExitsWithTheFirstFailure) {
    // The first block write is refused at each of its attempts; after that the adapter behaves.
    auto sim = StartSim({"--instant", "--no-connector", "--refuse-write", "5"});
    const QString file = Path("batch.brk");
    ASSERT_EQ(Run({"new", file}).Code, 0);

    ProductionRun run(*this, {"write", "--wait", "--retries", "0", file});
    const char* expected[] = {
        "connector 1 FAILED writing the connector failed (a block write refused",
        "connector 2 OK written and verified\n", "connector 3 FAILED large-memory connector"};
    for (int connector = 0; connector < 3; ++connector) {
        SCOPED_TRACE(connector);
        if (connector == 2) {
            ASSERT_TRUE(sim->Command("large"));
        }
        ASSERT_TRUE(sim->Command("plug"));
        ASSERT_TRUE(run.WaitFor(expected[connector])) << run.Out.toStdString();
        ASSERT_TRUE(sim->Command("unplug"));
        ASSERT_TRUE(run.WaitFor("connector pulled", true));
        run.Err.clear();
    }
    EXPECT_EQ(run.Stop(SIGTERM), 1);
    EXPECT_TRUE(run.Out.endsWith("summary: 3 connectors, 1 OK, 2 failed\n"))
        << run.Out.toStdString();
}

TEST_F(CliProgramTest, WriteWaitWaitsForALostAdapter) {
    auto sim = StartSim({"--instant", "--no-connector"});
    const QString file = Path("batch.brk");
    ASSERT_EQ(Run({"new", file, "PurgesCount=3"}).Code, 0);

    ProductionRun run(*this, {"write", "--wait", file});
    ASSERT_TRUE(run.WaitFor("waiting for connectors", true));
    sim.reset(); // the adapter is unplugged
    ASSERT_TRUE(run.WaitFor("the adapter does not answer", true)) << run.Err.toStdString();
    sim = StartSim({"--instant"}); // back, with a connector in it
    ASSERT_TRUE(run.WaitFor("connector 1 OK written and verified\n")) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains("the adapter answers again"));
    EXPECT_EQ(Contents(Memory).left(128), Contents(file));

    // Lost again and back with the same connector still in it: not a new connector.
    ASSERT_TRUE(run.WaitFor("pull the connector", true));
    run.Err.clear();
    sim.reset();
    ASSERT_TRUE(run.WaitFor("the adapter does not answer", true)) << run.Err.toStdString();
    sim = StartSim({"--instant", "--verbose"});
    QByteArray served;
    for (int poll = 0; poll < 4; ++poll) {
        ASSERT_TRUE(sim->WaitForRequest("5A 20"));
        served += sim->Errors;
        sim->Errors.clear();
    }
    EXPECT_FALSE(served.contains("5A 60")) << served.toStdString(); // nothing written
    ASSERT_TRUE(run.WaitFor("the same connector is still in place", true)) << run.Err.toStdString();

    // Another connector put in its place quicker than any question sees the socket empty: its
    // image tells, and it is programmed without a pull.
    ASSERT_TRUE(sim->Command("swap"));
    ASSERT_TRUE(run.WaitFor("another connector is in the adapter", true)) << run.Err.toStdString();
    ASSERT_TRUE(run.WaitFor("connector 2 OK written and verified\n")) << run.Out.toStdString();
    EXPECT_EQ(Contents(Memory).left(128), Contents(file));
    ASSERT_TRUE(sim->Command("unplug"));
    ASSERT_TRUE(run.WaitFor("connector pulled", true)) << run.Err.toStdString();

    EXPECT_EQ(run.Stop(SIGINT), 0);
    EXPECT_TRUE(run.Out.endsWith("summary: 2 connectors, 2 OK, 0 failed\n"))
        << run.Out.toStdString();
}

} // namespace

namespace {

TEST_F(CliProgramTest, SignalsAndAClosedPipeNeverCutATransferShort) {
    // At the line rate a write takes about half a second: each signal lands in the middle. The
    // transfer ends, then the program ends by the signal, saying what it had done.
    auto sim = StartSim({"--verbose"});
    const QString file = Path("file.brk");
    const QString log = Path("bench.log");
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        SCOPED_TRACE(signal);
        ASSERT_EQ(Run({"new", file, QStringLiteral("PrePurge=%1").arg(100 + signal)}).Code, 0);
        ProductionRun run(*this, {"write", "--log", log, file});
        ASSERT_TRUE(sim->WaitForRequest("5A 60 00 00 08"));
        ::kill(static_cast<pid_t>(run.Process.processId()), signal);
        ASSERT_TRUE(run.Process.waitForFinished(10000));
        EXPECT_EQ(run.Process.exitStatus(), QProcess::CrashExit); // ended by the signal
        EXPECT_TRUE(run.Process.readAllStandardError().endsWith(
            "brookfetch-cli: interrupted; the connector was written and verified first\n"));
        EXPECT_EQ(Contents(Memory).left(128), Contents(file));
        sim->Errors.clear();
    }
    EXPECT_EQ(Contents(log).count("\"result\":\"ok\""), 4);

    // A read stopped in the middle saves its file and its record first. What the last write's
    // read-back left in the simulator's log is no request of the read's: a signal sent on it
    // would come before the program could catch one.
    sim->Process.waitForReadyRead(300);
    sim->Process.readAllStandardError();
    sim->Errors.clear();
    ProductionRun read(*this, {"read", "--log", log, Path("read.brk")});
    ASSERT_TRUE(sim->WaitForRequest("5A 50 00 00 08"));
    ::kill(static_cast<pid_t>(read.Process.processId()), SIGINT);
    ASSERT_TRUE(read.Process.waitForFinished(10000));
    EXPECT_TRUE(read.Process.readAllStandardError().endsWith(
        "interrupted; the connector was read into " + Path("read.brk").toUtf8() + " first\n"));
    EXPECT_EQ(Contents(Path("read.brk")), Contents(file));
    EXPECT_EQ(Contents(log).count('\n'), 5);

    // A trace into a pipe whose reader went away loses its lines, not the write.
    ASSERT_EQ(Run({"new", file, "PrePurge=77"}).Code, 0);
    QProcess piped;
    Configure(piped, {"-c", "\"$0\" write --trace - \"$1\" 2>&1 | head -c 20 >/dev/null",
                      BROOKFETCH_CLI_PROGRAM, file});
    piped.setProgram("/bin/sh");
    piped.start();
    ASSERT_TRUE(piped.waitForFinished(20000));
    EXPECT_EQ(Contents(Memory).left(128), Contents(file));
}

TEST_F(CliProgramTest, ASignalInProductionModeEndsTheRunAfterTheConnectorInHand) {
    auto sim = StartSim({"--verbose", "--no-connector"});
    const QString file = Path("file.brk");
    ASSERT_EQ(Run({"new", file, "PostPurge=200"}).Code, 0);

    ProductionRun run(*this, {"write", "--wait", file});
    ASSERT_TRUE(run.WaitFor("waiting for connectors", true));
    ASSERT_TRUE(sim->Command("plug"));
    ASSERT_TRUE(sim->WaitForRequest("5A 60 00 00 08"));
    EXPECT_EQ(run.Stop(SIGINT), 0);
    EXPECT_EQ(run.Out, "connector 1 OK written and verified\n"
                       "summary: 1 connector, 1 OK, 0 failed\n");
    EXPECT_EQ(Contents(Memory).left(128), Contents(file));
}

TEST_F(CliProgramTest, ACopyKeepsEveryByteAndSetChangesOnlyWhatItSets) {
    // A connector written by other means: the constant byte, a reserved byte and a voltage
    // code off the 0.1 V grid are not what encoding the parameters would give.
    QByteArray image = DefaultImage();
    image[11] = 0x67;
    image[13] = 7;
    image[60] = 0x42;
    SetChecksum(image);
    Store(Memory, image + QByteArray(128, '\xFF'));
    auto sim = StartSim();
    const QString copy = Path("copy.brk");
    EXPECT_RESULT(Run({"read", copy}), 0);
    EXPECT_EQ(Contents(copy), image);
    EXPECT_RESULT(Run({"verify", copy}), 0);
    EXPECT_RESULT(Run({"write", Path("defaults.brk")}), 0);
    EXPECT_RESULT(Run({"write", copy}), 0);
    EXPECT_EQ(Contents(Memory).left(128), image);

    // AccuOff is given as it shows (6.7 V): its code stays off the grid.
    EXPECT_RESULT(Run({"set", copy, "PrePurge=20", "AccuOff=6.7"}), 0);
    const QByteArray changed = Contents(copy);
    for (int offset = 0; offset < 126; ++offset)
        EXPECT_EQ(changed[offset], offset == 4 ? char(20) : image[offset]) << offset;
    EXPECT_TRUE(Run({"show", copy}).Out.contains("PrePurge=20\n"));

    // Bytes after the image of a longer file are kept, the 129th too.
    const QString longer = Path("longer.brk");
    Store(longer, image + "\x7F");
    EXPECT_RESULT(Run({"set", longer, "PrePurge=20"}), 0);
    EXPECT_EQ(Contents(longer).mid(126), changed.mid(126) + "\x7F");
}

TEST_F(CliProgramTest, EndlessInputsStrangeNamesAndDeviceTextsAreHandledSafely) {
    // A device or a pipe given by name is refused unopened; standard input that never ends
    // is read only as far as an image goes, and judged by those bytes.
    for (const QStringList& arguments :
         {QStringList{"show", "/dev/zero"}, QStringList{"write", "/dev/urandom"}}) {
        const Result result = Run(arguments);
        EXPECT_RESULT(result, 2);
        EXPECT_TRUE(result.Err.contains("not a regular file")) << result.Err.toStdString();
    }
    QProcess endless;
    Configure(endless, {"-c", "yes | \"$0\" show -", BROOKFETCH_CLI_PROGRAM});
    endless.setProgram("/bin/sh");
    endless.start();
    ASSERT_TRUE(endless.waitForFinished(20000));
    EXPECT_EQ(endless.exitCode(), 1);
    // A longer file is still a configuration file; a pipe is never replaced or waited for.
    Store(Path("long.brk"), DefaultImage() + QByteArray(72, 'x'));
    EXPECT_RESULT(Run({"show", Path("long.brk")}), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path("fifo")).constData(), 0600), 0);
    EXPECT_RESULT(Run({"set", Path("fifo"), "PrePurge=9"}), 2);

    // A name that is not UTF-8 is created, read and changed byte for byte.
    QProcess latin1;
    Configure(latin1, {"-c",
                       "cd \"$1\" && n=$(printf 'made\\377.brk') && \"$0\" new \"$n\" && "
                       "\"$0\" set \"$n\" PrePurge=9 && \"$0\" show \"$n\"",
                       BROOKFETCH_CLI_PROGRAM, Dir.path()});
    latin1.setProgram("/bin/sh");
    latin1.start();
    ASSERT_TRUE(latin1.waitForFinished(20000));
    EXPECT_EQ(latin1.exitCode(), 0) << latin1.readAllStandardError().toStdString();
    EXPECT_TRUE(latin1.readAllStandardOutput().contains("created made\\xff.brk\nchanged "
                                                        "made\\xff.brk\nPumpPulses="));
    EXPECT_EQ(::access((QFile::encodeName(Dir.path()) + "/made\xff.brk").constData(), F_OK), 0);

    // Texts from a device reach the terminal with their control characters escaped.
    auto sim = StartSim({"--serial", "S\x1b]0;x\aN"});
    EXPECT_TRUE(Run({"status"}).Out.contains("(serial number S\\x1b]0;x\\x07N)"));
}

TEST_F(CliProgramTest, TheLogKeepsOneJsonLinePerConnectorOperation) {
    auto sim = StartSim({"--instant", "--no-connector", "--serial", "LOG1"});
    const QString log = Path("bench.log");
    const QString file = Path("file.brk");
    ASSERT_EQ(Run({"new", file, "PrePurge=99"}).Code, 0);
    const Result refused =
        Run({"write", "--trace", "-", "--log", Path("no-such-dir/bench.log"), file});
    EXPECT_RESULT(refused, 2);
    EXPECT_FALSE(refused.Err.contains("-->")); // not a frame before the log was open

    ProductionRun run(*this, {"write", "--wait", "--log", log, file});
    ASSERT_TRUE(run.WaitFor("waiting for connectors", true));
    for (int connector = 1; connector <= 2; ++connector) {
        ASSERT_TRUE(sim->Command("plug"));
        ASSERT_TRUE(run.WaitFor(QByteArray::number(connector) + " OK"));
        ASSERT_TRUE(sim->Command("unplug"));
        ASSERT_TRUE(run.WaitFor("connector pulled", true));
        // On disk before the next connector.
        EXPECT_EQ(Contents(log).count('\n'), connector);
        run.Err.clear();
    }
    EXPECT_EQ(run.Stop(SIGINT), 0);
    ASSERT_TRUE(sim->Command("plug"));
    DefaultImage(); // writes defaults.brk
    EXPECT_RESULT(Run({"verify", "--log", log, Path("defaults.brk")}), 5);

    const QList<QByteArray> lines = Contents(log).trimmed().split('\n');
    ASSERT_EQ(lines.size(), 3);
    const QStringList keys{"adapter", "adapter_version", "connector", "exit",    "file", "image",
                           "message", "operation",       "result",    "retries", "time"};
    const QRegularExpression iso(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d(\.\d+)?[+-]\d\d:\d\d$)");
    for (const QByteArray& line : lines) {
        const QJsonObject entry = QJsonDocument::fromJson(line).object();
        EXPECT_EQ(entry.keys(), keys) << line.toStdString();
        EXPECT_TRUE(iso.match(entry.value("time").toString()).hasMatch()) << line.toStdString();
        EXPECT_EQ(entry.value("adapter").toString(), "LOG1");
        EXPECT_EQ(entry.value("adapter_version").toString(), "1.05");
    }
    const QJsonObject second = QJsonDocument::fromJson(lines[1]).object();
    EXPECT_EQ(second.value("operation").toString(), "write");
    EXPECT_EQ(second.value("connector").toInt(), 2);
    EXPECT_EQ(second.value("result").toString(), "ok");
    EXPECT_EQ(second.value("image").toString().toLatin1(), Contents(file).toHex());
    const QJsonObject verify = QJsonDocument::fromJson(lines[2]).object();
    EXPECT_TRUE(verify.value("connector").isNull());
    EXPECT_EQ(verify.value("result").toString(), "differs");
    EXPECT_EQ(verify.value("exit").toInt(), 5);
    EXPECT_TRUE(verify.value("message").toString().startsWith("differs at offset 4 (PrePurge)"));

    // "-" is standard output; a record that cannot be written stops a run before the next
    // connector, saying which one has none.
    const Result toOutput = Run({"read", "--log", "-", Path("again.brk")});
    EXPECT_RESULT(toOutput, 0);
    EXPECT_TRUE(toOutput.Out.startsWith("read the connector into "));
    EXPECT_EQ(QJsonDocument::fromJson(toOutput.Out.split('\n').value(1))
                  .object()
                  .value("operation")
                  .toString(),
              "read");
    ASSERT_TRUE(sim->Command("unplug"));
    ProductionRun full(*this, {"write", "--wait", "--log", "/dev/full", file});
    ASSERT_TRUE(full.WaitFor("waiting for connectors", true));
    ASSERT_TRUE(sim->Command("plug"));
    ASSERT_TRUE(full.Process.waitForFinished(20000)) << "the run did not stop";
    full.WaitFor("");
    EXPECT_EQ(full.Process.exitCode(), 2);
    EXPECT_TRUE(full.Err.contains("cannot write to the log /dev/full (the disk may be full); "
                                  "connector 1 has no record"))
        << full.Err.toStdString();
    EXPECT_EQ(full.Out, "connector 1 OK written and verified\n"
                        "summary: 1 connector, 1 OK, 0 failed\n");

    // A failure before any transfer is kept with what was said and the adapter that said it.
    ASSERT_TRUE(sim->Command("unplug"));
    EXPECT_RESULT(Run({"read", "--log", log, Path("none.brk")}), 4);
    const QJsonObject none =
        QJsonDocument::fromJson(Contents(log).trimmed().split('\n').last()).object();
    EXPECT_TRUE(none.value("message").toString().startsWith("no connector found"));
    EXPECT_EQ(none.value("adapter").toString(), "LOG1");
    EXPECT_EQ(none.value("result").toString(), "failed");
}

// Every transfer lands in the history, whatever happens to the history itself: a cut last entry
// is skipped with a word and the next one still lands whole; a history that cannot be written
// is a warning, and the transfer keeps its outcome.
TEST_F(CliProgramTest, TheHistoryKeepsEveryTransferAndHoldsNoneUp) {
    auto sim = StartSim({"--instant", "--serial", "SN42"});
    const QString file = Path("river.brk");
    ASSERT_EQ(Run({"new", file, "PrePurge=20"}).Code, 0);
    EXPECT_RESULT(Run({"write", file}), 0);
    const Result json = Run({"history", "--json"});
    EXPECT_RESULT(json, 0);
    const QJsonObject entry = QJsonDocument::fromJson(json.Out).object();
    EXPECT_EQ(entry.value("operation").toString(), "write");
    EXPECT_EQ(entry.value("result").toString(), "ok");
    EXPECT_EQ(entry.value("adapter_serial").toString(), "SN42");
    EXPECT_EQ(entry.value("file").toString(), file);
    EXPECT_EQ(entry.value("checksum").toString(),
              QString::asprintf("0x%04X", Checksum(Contents(file))));
    EXPECT_EQ(entry.value("image").toString().toLatin1(), Contents(file).toHex());

    QFile history(History);
    ASSERT_TRUE(history.open(QIODevice::Append));
    history.write("{\"time\":\"2026-12-"); // a power cut in the middle of an entry
    history.close();
    EXPECT_RESULT(Run({"verify", file}), 0);
    const Result table = Run({"history"});
    EXPECT_RESULT(table, 0);
    EXPECT_TRUE(table.Err.contains("warning: skipped 1 damaged line of the history"))
        << table.Err.toStdString();
    const QList<QByteArray> lines = table.Out.split('\n');
    ASSERT_EQ(lines.size(), 4) << table.Out.toStdString(); // the head, two entries, the end
    EXPECT_TRUE(lines[2].contains(" verify ") && lines[2].contains(file.toUtf8()));

    const Result csv = Run({"history", "--csv", "--since", "2000-01-01"});
    EXPECT_RESULT(csv, 0);
    EXPECT_TRUE(csv.Out.startsWith("\xEF\xBB\xBF\"time\",\"operation\",")) << csv.Out.toStdString();
    EXPECT_EQ(csv.Out.count("\r\n"), 3);
    EXPECT_EQ(Run({"history", "--since", "2999-01-01T12:00"}).Out, "");
    EXPECT_RESULT(Run({"history", "--since", "yesterday"}), 64);

    // A file where the history's folder should be.
    const Result unwritable = Run({"read", "--history", file + "/history.jsonl", Path("copy.brk")});
    EXPECT_RESULT(unwritable, 0);
    EXPECT_TRUE(unwritable.Err.contains("warning: the history")) << unwritable.Err.toStdString();
    EXPECT_EQ(Contents(Path("copy.brk")), Contents(file));
}

TEST_F(CliProgramTest, ACorruptedReplyIsReadAgainAndNeverTaken) {
    auto sim = StartSim({"--delay", "20", "--verbose"});
    const QString file = Path("read.brk");
    // A verify whose read meets the corrupted reply: not a difference, a block to read again.
    for (const char* command : {"read", "verify"}) {
        SCOPED_TRACE(command);
        ProductionRun run(*this, {command, file});
        ASSERT_TRUE(sim->WaitForRequest("5A 50 20 00 08"));
        ASSERT_TRUE(sim->Command("fault corrupt 1"));
        ASSERT_TRUE(run.Process.waitForFinished(20000));
        EXPECT_EQ(run.Process.exitCode(), 0);
        const QByteArray errors = run.Process.readAllStandardError();
        EXPECT_FALSE(errors.contains("failed")) << errors.toStdString();
        EXPECT_EQ(Contents(file), Contents(Memory).left(128));
        // What the simulator logged of this command must not be taken for the next one's.
        sim->Process.waitForReadyRead(100);
        sim->Process.readAllStandardError();
        sim->Errors.clear();
    }
}

TEST_F(CliProgramTest, AnAdapterHeldByAnotherProgramIsNamedAsInUse) {
    auto sim = StartSim({"--no-connector", "--serial", "HELD1"});
    ProductionRun holder(*this, {"read", "--wait", Path("batch.brk")});
    ASSERT_TRUE(holder.WaitFor("waiting for connectors", true));
    for (const QStringList& arguments :
         {QStringList{"status"}, QStringList{"read", "--serial", "HELD1", "-"}}) {
        const Result result = Run(arguments);
        EXPECT_RESULT(result, 4);
        EXPECT_TRUE(result.Err.startsWith("brookfetch-cli: adapter HELD1 is in use by another "
                                          "program"))
            << result.Err.toStdString();
        EXPECT_FALSE(result.Err.contains("unplug"));
    }
}

TEST_F(CliProgramTest, AConnectorPulledDuringAVerifyIsNoDifference) {
    const QString file = Path("file.brk");
    ASSERT_EQ(Run({"new", file, "PrePurge=77"}).Code, 0);
    Store(Memory, Contents(file) + QByteArray(128, '\0'));
    auto sim = StartSim({"--delay", "50", "--verbose", "--absent-answer", "0xFF"});

    // The rest of a pulled connector reads as 0xFF: not a difference to write away. The adapter
    // says "no connector" with 0xFF, and the connector is still named as pulled.
    ProductionRun run(*this, {"verify", file});
    ASSERT_TRUE(sim->WaitForRequest("5A 50 20 00 08"));
    ASSERT_TRUE(sim->Command("unplug"));
    ASSERT_TRUE(run.Process.waitForFinished(10000));
    EXPECT_EQ(run.Process.exitCode(), 1);
    EXPECT_FALSE(run.Process.readAllStandardOutput().contains("differs"));
    EXPECT_TRUE(run.Process.readAllStandardError().contains("the connector was pulled"));
}

TEST_F(CliProgramTest, AllRunsOneLanePerAdapterAndEndsWithTheFirstFailure) {
    const QString otherMemory = Path("other.mem");
    auto first = StartSim({"--instant", "--serial", "LANE1", "--name", "a"});
    auto second = StartSim({"--instant", "--serial", "LANE2", "--name", "b"}, otherMemory);
    const QString file = Path("file.brk");
    ASSERT_EQ(Run({"new", file, "PrePurge=55"}).Code, 0);

    const Result written = Run({"write", "--all", file});
    EXPECT_RESULT(written, 0);
    for (const char* lane : {"LANE1: wrote ", "LANE2: wrote "})
        EXPECT_TRUE(written.Out.contains(lane)) << written.Out.toStdString();
    EXPECT_EQ(Contents(Memory).left(128), Contents(file));
    EXPECT_EQ(Contents(otherMemory).left(128), Contents(file));
    EXPECT_RESULT(Run({"read", "--all", Path("copy.brk")}), 0);
    EXPECT_EQ(Contents(Path("copy-LANE1.brk")), Contents(file));
    EXPECT_EQ(Contents(Path("copy-LANE2.brk")), Contents(file));

    // One lane's failure does not stop the other, and gives the exit code.
    second.reset(); // its port file goes with it
    second = StartSim({"--instant", "--serial", "LANE2", "--name", "b", "--lose-write", "1000"},
                      otherMemory);
    const QByteArray defaults = DefaultImage();
    const Result failed = Run({"write", "--all", "--quiet", Path("defaults.brk")});
    EXPECT_RESULT(failed, 5);
    EXPECT_TRUE(failed.Err.startsWith("LANE2: brookfetch-cli: the connector does not keep"))
        << failed.Err.toStdString();
    EXPECT_EQ(Contents(Memory).left(128), defaults);

    // Production mode in every lane; a SIGTERM to the program reaches them all at once, also
    // while they only wait.
    ASSERT_TRUE(first->Command("unplug"));
    ASSERT_TRUE(second->Command("unplug"));
    ProductionRun run(*this, {"read", "--wait", "--all", Path("batch.brk")});
    ASSERT_TRUE(run.WaitFor("LANE2: waiting for connectors", true));
    ASSERT_TRUE(first->Command("plug"));
    ASSERT_TRUE(
        run.WaitFor("LANE1: connector 1 OK read into " + Path("batch-LANE1-0001.brk").toUtf8()))
        << run.Out.toStdString();
    ASSERT_TRUE(first->Command("unplug"));
    ASSERT_TRUE(run.WaitFor("LANE1: connector pulled", true));
    QElapsedTimer stopping;
    stopping.start();
    EXPECT_EQ(run.Stop(SIGTERM), 0);
    EXPECT_LT(stopping.elapsed(), 1000);
    EXPECT_TRUE(run.Out.contains("LANE1: summary: 1 connector, 1 OK"));
    EXPECT_TRUE(run.Out.contains("LANE2: summary: 0 connectors"));

    // Two adapters with one serial number get a lane each, by their ports.
    second.reset();
    second = StartSim({"--instant", "--serial", "LANE1", "--name", "b"}, otherMemory);
    ASSERT_TRUE(first->Command("plug"));
    const Result byPort = Run({"read", "--all", Path("clone.brk")});
    EXPECT_RESULT(byPort, 0);
    for (const auto* sim : {first.get(), second.get()}) {
        const QString tag = sim->Port.mid(5).replace('/', '-'); // /dev/pts/3 gives pts-3
        EXPECT_TRUE(byPort.Out.contains(sim->Port.toUtf8() + ": read the connector into "))
            << byPort.Out.toStdString();
        EXPECT_EQ(Contents(Path("clone-") + tag + ".brk").size(), 128) << tag.toStdString();
    }
}

} // namespace
