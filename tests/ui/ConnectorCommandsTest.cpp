// SPDX-License-Identifier: GPL-3.0-or-later
// The status timer that watches the adapter and the connector, and the Read and Write commands,
// run against a simulated adapter in this process and, once, against brookfetch-adapter-sim on
// a pseudo-terminal.
#include "tests/ui/WindowFixture.h"

#include "adapter/TarnAdapter.h"
#include "app/Workplace.h"
#include "model/Q47.h"
#include "platform/d2xx/ftd2xx.h"
#include "sim/InProcessAdapter.h"
#include "ui/ConnectorMonitor.h"
#include "ui/Main.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QStackedWidget>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <optional>

namespace {

using Fault = sim::AdapterFirmware::Fault;

// What the window shows of the link after a tick.
struct LinkView {
    QString Adapter;
    QString Connector;
    bool Enabled;
    int Interval;
};

std::ostream& operator<<(std::ostream& out, const LinkView& view) {
    return out << '"' << view.Adapter.toStdString() << "\" \"" << view.Connector.toStdString()
               << "\" " << (view.Enabled ? "enabled" : "disabled") << ' ' << view.Interval;
}

bool operator==(const LinkView& a, const LinkView& b) {
    return a.Adapter == b.Adapter && a.Connector == b.Connector && a.Enabled == b.Enabled &&
           a.Interval == b.Interval;
}

const QString Found = QStringLiteral("USB FETCHer Adapter 1.05\n");
const QString Ok = QStringLiteral("Connector OK");
const QString NotFound = QStringLiteral("Connector NOT FOUND");
const QString Large = QStringLiteral("Connector NOT USABLE (large memory)");

// A busy-state sample taken while the progress bar moves.
struct ProgressStep {
    int Value;
    bool WindowEnabled;
    bool TimerActive;
    bool Busy;
};

} // namespace

// The window over an adapter of the test's own: no port directory of the machine is looked at,
// so a simulator someone runs beside the tests stays out.
class ConnectorTest : public WindowTest {
protected:
    ConnectorTest() {
        QDir(Temp.path()).mkpath(QStringLiteral("ports"));
        PreviousPorts = qgetenv("BROOKFETCH_PORTS");
        qputenv("BROOKFETCH_PORTS", Temp.filePath(QStringLiteral("ports")).toLocal8Bit());
    }
    ~ConnectorTest() override {
        DestroyWindows();
        qputenv("BROOKFETCH_PORTS", PreviousPorts);
    }

    // The windows, with the adapter ticked into "Connector OK".
    void StartConnected() {
        StartWindows();
        Main->TimerTimer();
        ASSERT_EQ(Main->StatusText(3), Ok);
        Adapter.firmware().clearFrames();
    }

    LinkView View() const {
        return {Main->StatusText(2), Main->StatusText(3), Action("DataRead")->isEnabled(),
                Main->Timer->interval()};
    }

    QProgressBar* Progress() const {
        return Main->findChild<QProgressBar*>(QStringLiteral("ProgressBar"));
    }

    // Records the progress bar and the busy state each time the bar moves.
    void RecordProgress() {
        QObject::connect(Progress(), &QProgressBar::valueChanged, Main, [this](int value) {
            Steps.push_back({value, Main->isEnabled(), Main->Timer->isActive(), App.Busy});
        });
    }
    int Runs() const {
        return int(std::count_if(Steps.begin(), Steps.end(),
                                 [](const ProgressStep& s) { return s.Value == 100; }));
    }

    // The window as it is outside a transfer.
    void ExpectIdle() const {
        EXPECT_TRUE(Main->isEnabled());
        EXPECT_TRUE(Main->Timer->isActive());
        EXPECT_FALSE(App.Busy);
        EXPECT_FALSE(Progress()->isVisibleTo(Main));
        EXPECT_EQ(Progress()->value(), 0);
        EXPECT_FALSE(Workplace->Adapter->OnProgress);
    }

    // Requests of one command the firmware saw.
    int Requests(std::uint8_t command) const {
        const auto& frames = Adapter.firmware().frames();
        return int(std::count_if(frames.begin(), frames.end(), [command](const auto& frame) {
            return frame.size() > 1 && frame[1] == command;
        }));
    }

    // Puts an image with these parameters into the connector.
    void StoreInConnector(TQ47& model) {
        model.Encode();
        std::copy(model.Image, model.Image + TQ47::ImageSize, Adapter.firmware().memory().begin());
    }

    sim::InProcessAdapter Adapter;
    std::vector<ProgressStep> Steps;

private:
    QByteArray PreviousPorts;
};

TEST_F(ConnectorTest, TimerFollowsAdapterAndConnectorThroughTheStateTable) {
    Adapter.unplug();
    StartWindows();
    auto* pages = Main->findChild<QStackedWidget*>(QStringLiteral("PageControl"));
    ASSERT_NE(pages->currentWidget()->objectName(), "Q47Tab");

    struct Step {
        const char* Situation;
        std::function<void(sim::InProcessAdapter&)> Change;
        LinkView Expected;
    };
    const std::vector<Step> steps = {
        {"adapter absent", [](auto&) {}, {"Adapter ?", "", false, 1000}},
        {"adapter without connector",
         [](auto& a) {
             a.firmware().setConnectorPresent(false);
             a.plug();
         },
         {Found, NotFound, false, 1000}},
        // Another adapter may say "no connector" and "small" with other bytes than 0 and 1.
        {"no connector, said with 1",
         [](auto& a) { a.firmware().absentAnswer = 1; },
         {Found, NotFound, false, 1000}},
        {"no connector, said with 0xFF",
         [](auto& a) { a.firmware().absentAnswer = 0xFF; },
         {Found, NotFound, false, 1000}},
        {"small connector, said with 0xFF",
         [](auto& a) {
             a.firmware().smallAnswer = 0xFF;
             a.firmware().setConnectorPresent(true);
         },
         {Found, Ok, true, 5000}},
        {"a presence reply damaged on the way shows as no connector",
         [](auto& a) { a.firmware().setFault(Fault::CorruptByte, 0, 1); },
         {Found, NotFound, true, 5000}},
        {"the next reply is whole", [](auto&) {}, {Found, Ok, true, 5000}},
        {"connector pulled",
         [](auto& a) { a.firmware().setConnectorPresent(false); },
         {Found, NotFound, true, 5000}},
        {"adapter pulled: the failed check only slows the timer",
         [](auto& a) { a.unplug(); },
         {Found, NotFound, true, 1000}},
        {"adapter pulled: the next tick shows it", [](auto&) {}, {"Adapter ?", "", false, 1000}},
        {"large connector",
         [](auto& a) {
             a.firmware().setSmallMemory(false);
             a.firmware().setConnectorPresent(true);
             a.plug();
         },
         {Found, Large, false, 1000}},
        {"large connector, again", [](auto&) {}, {Found, Large, false, 1000}},
    };
    for (const Step& step : steps) {
        step.Change(Adapter);
        Main->TimerTimer();
        EXPECT_EQ(View(), step.Expected) << step.Situation;
        EXPECT_EQ(pages->currentWidget()->objectName(), "Q47Tab") << step.Situation;
        pages->setCurrentIndex(1);
    }
    // The menu item and the tool button follow the action.
    EXPECT_FALSE(Main->findChild<QAction*>(QStringLiteral("MenuDataWrite1"))->isEnabled());
    EXPECT_FALSE(Main->ToolDataRead->isEnabled());
    // The panels show the adapter's text on its one line, and both texts whole in a window of
    // the usual size.
    auto* adapterPanel = Main->findChild<QLabel*>(QStringLiteral("StatusPanel2"));
    auto* connectorPanel = Main->findChild<QLabel*>(QStringLiteral("StatusPanel3"));
    EXPECT_EQ(adapterPanel->text(), "USB FETCHer Adapter 1.05");
    Main->resize(800, 600);
    QApplication::processEvents();
    for (QLabel* panel : {adapterPanel, connectorPanel})
        EXPECT_GE(panel->contentsRect().width(),
                  panel->fontMetrics().horizontalAdvance(panel->text()))
            << panel->text().toStdString();
}

TEST_F(ConnectorTest, AdapterVersionShowsMajorAndMinorInHexadecimal) {
    StartWindows();
    for (const auto& [version, text] : {std::pair{0x0102, "USB FETCHer Adapter 1.02\n"},
                                        std::pair{0x1A0F, "USB FETCHer Adapter 1a.0f\n"}}) {
        Adapter.firmware().setVersion(std::uint16_t(version));
        Main->Monitor().LinkState = 0;
        Main->TimerTimer();
        EXPECT_EQ(Main->StatusText(2), text);
    }
}

TEST_F(ConnectorTest, AnAdapterHeldByAnotherProgramIsNamedInThePanelsToolTip) {
    // Another handle on the adapter stands for another program holding its line.
    DWORD count = 0;
    ASSERT_EQ(FT_ListDevices(&count, nullptr, FT_LIST_NUMBER_ONLY), FT_OK);
    FT_HANDLE held = nullptr;
    for (DWORD index = 0; index < count && held == nullptr; ++index) {
        char serial[32] = {};
        FT_ListDevices(reinterpret_cast<PVOID>(std::uintptr_t{index}), serial,
                       FT_LIST_BY_INDEX | FT_OPEN_BY_SERIAL_NUMBER);
        if (std::string(serial) == "SIM00001") {
            ASSERT_EQ(FT_Open(int(index), &held), FT_OK);
        }
    }
    ASSERT_NE(held, nullptr);
    StartWindows();
    Main->TimerTimer();
    auto* panel = Main->findChild<QLabel*>(QStringLiteral("StatusPanel2"));
    EXPECT_EQ(panel->text(), "Adapter ?");
    EXPECT_EQ(panel->toolTip(), "Adapter SIM00001 is in use by another program");

    FT_W32_CloseHandle(held);
    Main->TimerTimer();
    EXPECT_EQ(Main->StatusText(2), Found);
    EXPECT_TRUE(panel->toolTip().isEmpty());

    // The window works with one adapter: a second one plugged in is named as the cause.
    Main->TimerTimer();
    {
        sim::InProcessAdapter second("SIM00002");
        Adapter.unplug();
        Adapter.plug();
        Workplace->Adapter->Disconnect();
        Main->TimerTimer(); // the link is lost
        Main->TimerTimer();
        EXPECT_EQ(panel->text(), "Adapter ?");
        EXPECT_EQ(panel->toolTip(), "2 adapters are plugged in. Brookfetch works with one "
                                    "adapter at a time: unplug the others.");
    }
    Adapter.unplug();
    Main->TimerTimer();
    Main->TimerTimer();
    EXPECT_EQ(panel->toolTip(), "No USB FETCHer Adapter is plugged in. Plug the adapter into a "
                                "USB port of this computer.");
}

TEST_F(ConnectorTest, UnchangedIntervalKeepsTheTimersCount) {
    StartConnected();
    ASSERT_TRUE(Main->Timer->isActive());
    // A coarse timer may move its timeout by 5 %: 250 ms of 5000.
    QThread::msleep(600);
    Main->TimerTimer(); // 5000 ms again
    EXPECT_LE(Main->Timer->remainingTime(), 4700);
}

// A tick that raises shows one error box; the ticks that come while it is open do nothing,
// and once it is closed the timer goes on as before.
TEST_F(ConnectorTest, FailedTickShowsOneErrorBoxAndTickingResumesAfterIt) {
    StartWindows();
    Adapter.firmware().chatterSpan = std::chrono::milliseconds(5000);
    Adapter.firmware().setFault(Fault::Chatter, 0, 1); // after the version reply
    int ticksWhileOpen = 0;
    App.WhileBoxOpen = [&] {
        for (int i = 0; i < 3; ++i, ++ticksWhileOpen)
            QMetaObject::invokeMethod(Main->Timer, "timeout");
        Adapter.firmware().stopChatter();
    };
    QMetaObject::invokeMethod(Main->Timer, "timeout");
    EXPECT_EQ(ticksWhileOpen, 3);
    ASSERT_EQ(App.ErrorBoxes.size(), 1u);
    EXPECT_TRUE(App.ErrorBoxes[0].startsWith("Error on file UsbUart line "))
        << App.ErrorBoxes[0].toStdString();
    EXPECT_EQ(Main->Monitor().LinkState, 1); // as far as the failed tick got

    App.WhileBoxOpen = nullptr;
    QMetaObject::invokeMethod(Main->Timer, "timeout");
    EXPECT_EQ(App.ErrorBoxes.size(), 1u);
    EXPECT_EQ(Main->StatusText(3), Ok);
    EXPECT_TRUE(Main->Timer->isActive());
}

TEST_F(ConnectorTest, ReadAsksToSaveFirstThenFillsThePageFromTheConnector) {
    TQ47 stored;
    stored.SetPrePurge(42);
    stored.SetSamplingInterval(3723);
    StoreInConnector(stored);
    StartConnected();
    RecordProgress();

    // Unsaved changes: Cancel stops the read before anything is asked of the adapter.
    Type("Q47PrePurge", "20");
    App.Answer(IDCANCEL);
    Action("DataRead")->trigger();
    ASSERT_EQ(App.Boxes.size(), 1u);
    EXPECT_EQ(App.Boxes[0].Text, "File modified, do You want to save it ?");
    EXPECT_TRUE(Adapter.firmware().frames().empty());
    EXPECT_EQ(Field("Q47PrePurge")->text(), "20");

    App.Answer(IDNO);
    Action("DataRead")->trigger();
    EXPECT_EQ(App.Boxes.size(), 2u);
    EXPECT_EQ(Requests(0x50), 34); // two passes, the first block (pump pulses) twice more
    EXPECT_EQ(Runs(), 1);
    ASSERT_FALSE(Steps.empty());
    for (const ProgressStep& step : Steps) {
        if (step.Value == 0)
            continue; // the bar is set back as the busy state ends
        EXPECT_FALSE(step.WindowEnabled);
        EXPECT_FALSE(step.TimerActive);
        EXPECT_TRUE(step.Busy);
    }
    ExpectIdle();
    EXPECT_EQ(Field("Q47PrePurge")->text(), "42");
    EXPECT_EQ(Field("Q47SamplingInterval")->text(), "01:02:03");
    EXPECT_EQ(Main->StatusText(0), "OK");
    EXPECT_EQ(Main->StatusText(1), "<noname>");
    EXPECT_FALSE(Workplace->Modified);
    EXPECT_TRUE(Workplace->FileName.isEmpty());

    // Data from a connector have no file name: Save asks for one.
    Action("FileSave")->trigger();
    ASSERT_EQ(DialogRuns.size(), 1u);
    EXPECT_EQ(DialogRuns[0].Title, "Save file");
}

// Read brings new data onto the page, and the keyboard starts at its first field; Write gives
// the focus back to the field that had it.
TEST_F(ConnectorTest, ReadAndWriteAreConfirmedAndPutTheFocusWhereTheKeyboardExpectsIt) {
    StartConnected();
    auto* panel = Main->findChild<QLabel*>("StatusPanel0");
    QLineEdit* field = Field("Q47Aeration");
    field->setFocus();
    ASSERT_EQ(Main->focusWidget(), field);
    Action("DataRead")->trigger();
    EXPECT_GT(Requests(0x50), 0);
    EXPECT_EQ(Main->focusWidget(), Main->findChild<QWidget*>("Q47ModeSamples"));
    EXPECT_EQ(panel->text(), "Connector read");
    field->setFocus();
    App.Answer(IDOK);
    Action("DataWrite")->trigger();
    EXPECT_GT(Requests(0x60), 0);
    EXPECT_EQ(Main->StatusText(0), "OK");
    EXPECT_EQ(panel->text(), "Connector written and verified");
    EXPECT_EQ(Main->focusWidget(), field);
}

// A block whose every attempt goes unanswered fails the read; adapter and connector are both
// still there afterwards, so the line is to blame.
TEST_F(ConnectorTest, FailedReadReportsTheErrorAndStartsAfresh) {
    TQ47 stored;
    stored.SetPrePurge(42);
    StoreInConnector(stored);
    StartConnected();
    Workplace->Adapter->Timing.ReadTotalMs = 30;
    QObject::connect(Progress(), &QProgressBar::valueChanged, Main, [this](int value) {
        if (value > 0 && value < 50)
            Adapter.firmware().setFault(Fault::DropReply, 0, TTarnAdapter::Attempts);
    });
    Action("DataRead")->trigger();
    ASSERT_EQ(App.Boxes.size(), 1u);
    EXPECT_EQ(App.Boxes[0].Text,
              "Communication error, please try once more\n\nThe adapter's answers were damaged or "
              "missing (a noisy line, or a connector that is not pushed home). Re-seat the "
              "connector, then try again.");
    EXPECT_EQ(App.Boxes[0].Caption, "Error");
    ExpectIdle();
    EXPECT_EQ(Field("Q47PrePurge")->text(), "10");
    // The defaults now shown are no connector's: the read stays told as failed.
    EXPECT_EQ(Main->StatusText(0), "Error");
    EXPECT_EQ(Main->StatusText(1), "<noname>");
    EXPECT_FALSE(Workplace->Modified);
}

TEST_F(ConnectorTest, WriteChecksThePageAsksAndStoresExactlyTheImage) {
    StartConnected();
    RecordProgress();
    const QString path = MakeConfiguration("kept.brk", 30);
    OpenConfiguration(path);
    const std::vector<std::uint8_t> before = Adapter.firmware().memory();

    // A field that is no number: reported, and the question never comes.
    Type("Q47PrePurge", "x");
    Action("DataWrite")->trigger();
    ASSERT_EQ(App.Boxes.size(), 1u);
    EXPECT_EQ(App.Boxes[0].Text,
              "Invalid format of parameter\n\nAllowed for Before Sampling: 1..240 s.");

    // The question says what the write changes on the connector, read right before it; Cancel
    // writes nothing.
    Type("Q47PrePurge", "55");
    App.Answer(IDCANCEL);
    Action("DataWrite")->trigger();
    ASSERT_EQ(App.Boxes.size(), 2u);
    EXPECT_EQ(App.Boxes[1].Text, "Do You really want to write data into Connector ?\n\n"
                                 "The connector holds other parameters. The write changes:\n"
                                 "Before Sampling: 10 s \u2192 55 s");
    EXPECT_EQ(App.Boxes[1].Caption, "Confirmation");
    EXPECT_EQ(App.Boxes[1].Flags, MB_OKCANCEL);
    EXPECT_EQ(Requests(0x60), 0);
    EXPECT_EQ(Runs(), 1);

    App.Answer(IDOK);
    Action("DataWrite")->trigger();
    EXPECT_EQ(App.Boxes.size(), 3u);
    EXPECT_EQ(Runs(), 4); // each question's read, the write, then the read-back
    for (const ProgressStep& step : Steps) {
        if (step.Value != 0) {
            EXPECT_TRUE(!step.WindowEnabled && !step.TimerActive && step.Busy) << step.Value;
        }
    }
    ExpectIdle();
    EXPECT_EQ(Main->StatusText(0), "OK");
    // The connector holds the model's own image, the rest of its memory untouched.
    const auto& memory = Adapter.firmware().memory();
    const TQ47& model = *Workplace->Model;
    EXPECT_TRUE(std::equal(model.Image, model.Image + TQ47::ImageSize, memory.begin()));
    EXPECT_TRUE(std::equal(memory.begin() + TQ47::ImageSize, memory.end(),
                           before.begin() + TQ47::ImageSize));
    TQ47 written;
    std::copy(memory.begin(), memory.begin() + TQ47::ImageSize, written.Image);
    ASSERT_TRUE(written.ImageValid());
    written.Decode();
    EXPECT_EQ(written.PrePurge, 55);
    EXPECT_EQ(Workplace->FileName, path);
    EXPECT_TRUE(Workplace->Modified);
}

TEST_F(ConnectorTest, WriteTheConnectorDoesNotKeepIsACommunicationError) {
    StartConnected();
    Adapter.firmware().setFault(Fault::LoseWrite, 1.0);
    Type("Q47PrePurge", "55");
    App.Answer(IDOK);
    Action("DataWrite")->trigger();
    ASSERT_EQ(App.Boxes.size(), 2u);
    EXPECT_EQ(App.Boxes[1].Text,
              "Communication error, please try once more\n\nThe connector read back other bytes "
              "than were written: it does not keep what is written into it. Write it again; if "
              "that fails too, replace the connector.");
    EXPECT_EQ(Main->StatusText(0), "Error");
    EXPECT_EQ(Main->findChild<QLabel*>("StatusPanel0")->text(), "Error");
    EXPECT_EQ(Field("Q47PrePurge")->text(), "55");
    ExpectIdle();
}

// An adapter pulled in the middle of a write leaves old and new parameters on the connector:
// the box says what went away and that the connector must be written again, and a read of it
// afterwards says why it fails.
TEST_F(ConnectorTest, AWriteCutByAnUnplugAsksForTheConnectorToBeWrittenAgain) {
    StartConnected();
    Workplace->Adapter->Timing.ReadTotalMs = 30; // the pulled adapter is given up sooner
    Type("Q47DeadTime", "01:00:00");
    // The question's read ends (its progress reaches 100), then the write's first block goes
    // out and the next request is left unanswered.
    int stage = 0; // 1: the question's read is over, 2: the write was cut
    QObject::connect(Progress(), &QProgressBar::valueChanged, Main, [this, &stage](int value) {
        if (stage == 0 && value == 100)
            stage = 1;
        else if (stage == 1 && value > 0 && value < 100) {
            Adapter.firmware().setUnplugAfter(1);
            stage = 2;
        }
    });
    App.Answer(IDOK);
    Action("DataWrite")->trigger();
    ASSERT_EQ(App.Boxes.size(), 2u);
    EXPECT_EQ(App.Boxes[1].Text,
              "Communication error, please try once more\n\nThe adapter does not answer. Check "
              "that it is plugged in, then try again.\n\nThe connector may now hold a mix of old "
              "and new parameters. Write it again before it is used.");
    ExpectIdle();

    Adapter.firmware().setUnplugAfter(-1);
    App.Answer(IDNO); // the page's changes are not saved first
    Action("DataRead")->trigger();
    ASSERT_EQ(App.Boxes.size(), 4u);
    EXPECT_EQ(App.Boxes[3].Text, "Communication error, please try once more\n\nA write that was "
                                 "cut short may have left the connector half-written. Re-seat it "
                                 "and read it again, or write it again.");
}

// Found small once, then swapped for a large-memory one or pulled: Read and Write stay enabled,
// as the status check leaves them, but neither touches the connector; the box says why and the
// page, its edits and the connector stay as they were.
TEST_F(ConnectorTest, ALargeOrAbsentConnectorIsNeitherReadNorWrittenAndTheBoxSaysWhy) {
    StartConnected();
    Type("Q47PrePurge", "55");
    Adapter.firmware().setSmallMemory(false);
    const std::vector<std::uint8_t> memory = Adapter.firmware().memory();
    Main->TimerTimer();
    ASSERT_EQ(Main->StatusText(3), Large);
    ASSERT_TRUE(Action("DataWrite")->isEnabled() && Action("DataRead")->isEnabled());
    // No "try once more": another try meets the same connector.
    const QString large =
        "The connector in the adapter has a large "
        "memory: it is not a sampler's configuration connector, and nothing was read from it or "
        "written into it. Plug in a sampler's connector.";
    const QString none = "Communication error, please try once more\n\nThere is no connector in "
                         "the adapter. Plug a connector into the adapter, then try again.";
    Action("DataWrite")->trigger(); // refused before any question
    App.Answer(IDNO);               // the save question: nothing is lost either way
    Action("DataRead")->trigger();
    Adapter.firmware().setConnectorPresent(false);
    App.Answer(IDNO);
    Action("DataRead")->trigger();
    ASSERT_EQ(App.Boxes.size(), 5u);
    EXPECT_EQ(App.Boxes[0].Text, large);
    EXPECT_EQ(App.Boxes[2].Text, large);
    EXPECT_EQ(App.Boxes[4].Text, none);
    EXPECT_EQ(App.Boxes[4].Caption, "Error");
    EXPECT_EQ(Requests(0x50) + Requests(0x60), 0);
    EXPECT_EQ(Adapter.firmware().memory(), memory);
    EXPECT_EQ(Field("Q47PrePurge")->text(), "55");
    EXPECT_TRUE(Workplace->Modified);
    EXPECT_EQ(Main->StatusText(0), "Error");
    ExpectIdle();
}

// The causes speak the user's language.
TEST_F(ConnectorTest, TheCauseOfARefusedTransferIsToldInGerman) {
    const GermanScope german;
    ASSERT_TRUE(german.Loaded);
    StartWindows();
    Main->TimerTimer();
    ASSERT_TRUE(Action("DataRead")->isEnabled());
    Adapter.firmware().setSmallMemory(false);
    Action("DataRead")->trigger();
    Adapter.firmware().setConnectorPresent(false);
    Action("DataRead")->trigger();
    ASSERT_EQ(App.Boxes.size(), 2u);
    const QString error =
        QString::fromUtf8("Kommunikationsfehler, bitte noch einmal versuchen\n\n");
    EXPECT_EQ(App.Boxes[0].Text,
              QString::fromUtf8("Der Stecker im Adapter hat einen großen Speicher: Er ist "
                                "kein Konfigurationsstecker eines Probenehmers, und es "
                                "wurde nichts aus ihm gelesen oder in ihn geschrieben. "
                                "Stecken Sie den Stecker eines Probenehmers ein."));
    EXPECT_EQ(App.Boxes[1].Text,
              error + QString::fromUtf8("Im Adapter steckt kein Stecker. Stecken Sie einen "
                                        "Stecker in den Adapter und versuchen Sie es dann "
                                        "erneut."));
    EXPECT_EQ(App.Boxes[1].Caption, "Fehler");
    DestroyWindows();
}

// What a read met is told apart: a connector pulled during it, and one whose memory holds
// nothing; neither is called half-written.
TEST_F(ConnectorTest, AReadSaysWhetherTheConnectorWentAwayOrHoldsNothing) {
    StartConnected();
    QObject::connect(Progress(), &QProgressBar::valueChanged, Main, [this](int value) {
        if (value >= 50)
            Adapter.firmware().setConnectorPresent(false);
    });
    Action("DataRead")->trigger();
    Adapter.firmware().setConnectorPresent(true);
    std::fill_n(Adapter.firmware().memory().begin(), TQ47::ImageSize, std::uint8_t{0xFF});
    QObject::disconnect(Progress(), nullptr, Main, nullptr);
    Action("DataRead")->trigger();
    ASSERT_EQ(App.Boxes.size(), 2u);
    EXPECT_EQ(App.Boxes[0].Text, "Communication error, please try once more\n\nThe connector "
                                 "was pulled out during the transfer. Plug it in again, then try "
                                 "again.");
    EXPECT_EQ(App.Boxes[1].Text, "Communication error, please try once more\n\nThe connector "
                                 "holds no parameters: its memory is blank. Write a parameter set "
                                 "into it.");
    ExpectIdle();
}

// An internal failure in the middle of a transfer still ends the busy state, and a read cut
// short leaves the new data set it began on the page, as a failed read does.
TEST_F(ConnectorTest, TransferEndedByAnExceptionLeavesTheBusyState) {
    StartConnected();
    OpenConfiguration(MakeConfiguration("before.brk", 30));
    Adapter.firmware().chatterSpan = std::chrono::milliseconds(5000);
    QObject::connect(Progress(), &QProgressBar::valueChanged, Main, [this](int value) {
        if (value > 0 && value < 50)
            Adapter.firmware().setFault(Fault::Chatter, 0, 1); // after a block of the read
    });
    Action("DataRead")->trigger();
    ASSERT_EQ(App.ErrorBoxes.size(), 1u);
    EXPECT_GT(Requests(0x50), 0);
    ExpectIdle();
    EXPECT_EQ(Field("Q47PrePurge")->text(), "10");
    EXPECT_EQ(Main->StatusText(1), "<noname>");
    EXPECT_TRUE(Workplace->FileName.isEmpty());
    EXPECT_FALSE(Workplace->Modified);
    Adapter.firmware().stopChatter();
}

// A signal that would end the program (a closed terminal, a shutdown) waits until the transfer
// is over; the program then quits without a box.
TEST_F(ConnectorTest, AStopSignalDuringATransferWaitsForItsEndThenQuits) {
    TQ47 stored;
    stored.SetPrePurge(42);
    StoreInConnector(stored);
    StartConnected();
    bool raised = false;
    QObject::connect(Progress(), &QProgressBar::valueChanged, Main, [&raised](int value) {
        if (value >= 50 && !raised)
            raised = std::raise(SIGTERM) == 0;
    });
    QTimer::singleShot(0, Main, [this] { Action("DataRead")->trigger(); });
    EXPECT_EQ(QApplication::exec(), 128 + SIGTERM);
    EXPECT_TRUE(raised);
    EXPECT_EQ(Requests(0x50), 34); // the read went to its end
    EXPECT_TRUE(App.Boxes.empty() && App.ErrorBoxes.empty());
    EXPECT_EQ(Workplace->Model->PrePurge, 42);
}

// The whole way a user goes, through a real pseudo-terminal and the simulator program.
TEST_F(ConnectorTest, SimulatorProgramOnAPseudoTerminalIsReadAndWritten) {
    Adapter.unplug();
    const QString memoryFile = Temp.filePath(QStringLiteral("connector.bin"));
    QProcess simulator;
    simulator.start(QStringLiteral(BROOKFETCH_SIM_PROGRAM),
                    {"--ports", Temp.filePath(QStringLiteral("ports")), "--name", "ui", "--memory",
                     memoryFile, "--firmware-version", "2.10"});
    ASSERT_TRUE(simulator.waitForStarted(5000));
    QElapsedTimer waited;
    waited.start();
    while (!simulator.canReadLine() && waited.elapsed() < 10000 &&
           simulator.state() == QProcess::Running)
        simulator.waitForReadyRead(100);
    ASSERT_TRUE(simulator.readLine().startsWith("ready "));

    StartWindows();
    Main->TimerTimer();
    EXPECT_EQ(View(), (LinkView{"USB FETCHer Adapter 2.10\n", Ok, true, 5000}));

    Action("DataRead")->trigger();
    EXPECT_EQ(Main->StatusText(0), "OK");
    EXPECT_EQ(Field("Q47PrePurge")->text(), "10");

    Type("Q47PrePurge", "77");
    App.Answer(IDOK);
    Action("DataWrite")->trigger();
    EXPECT_EQ(Main->StatusText(0), "OK");
    EXPECT_TRUE(App.Boxes.size() == 1u && App.ErrorBoxes.empty());

    simulator.write("quit\n");
    EXPECT_TRUE(simulator.waitForFinished(5000));
    QFile stored(memoryFile);
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    TQ47 expected;
    expected.SetPrePurge(77);
    expected.Encode();
    EXPECT_EQ(stored.read(TQ47::ImageSize),
              QByteArray(reinterpret_cast<const char*>(expected.Image), TQ47::ImageSize));

    // The simulator is gone: its port file with it, so the next tick slows the timer and the
    // one after reports the adapter missing.
    Main->TimerTimer();
    Main->TimerTimer();
    EXPECT_EQ(View(), (LinkView{"Adapter ?", "", false, 1000}));
}
