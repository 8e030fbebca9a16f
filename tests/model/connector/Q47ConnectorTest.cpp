// SPDX-License-Identifier: GPL-3.0-or-later
// Connector reads, writes and read-backs of the model through the simulated adapter.
#include "model/Q47.h"

#include "adapter/TarnAdapter.h"
#include "platform/framework/Exceptions.h"
#include "sim/InProcessAdapter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QtGlobal>
#include <algorithm>
#include <map>

#include <cstring>

namespace {

// Only the in-process adapters of these tests may be listed: a simulator that someone runs
// meanwhile registers in the usual port directory, which must not be looked at.
const bool portsIsolated = qputenv("BROOKFETCH_PORTS", BROOKFETCH_TEST_NO_PORTS);

using Fault = sim::AdapterFirmware::Fault;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// A model attached to a device, with a simulated adapter behind it.
struct Bench {
    sim::InProcessAdapter adapter;
    TTarnDevice device;
    TQ47 model;
    std::vector<int> progress;

    Bench() {
        model.Device = &device;
        device.OnProgress = [this](int percent) { progress.push_back(percent); };
    }
    sim::AdapterFirmware& firmware() { return adapter.firmware(); }
    int writeFrames() const {
        int count = 0;
        for (const auto& frame : adapter.firmware().frames())
            count += frame[1] == 0x60 ? 1 : 0;
        return count;
    }
};

// The progress a transfer reports runs once from 0 to 100.
void expectOneRun(const std::vector<int>& progress) {
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(progress.back(), 100);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(std::count(progress.begin(), progress.end(), 100), 1);
}

// An adapter whose block-read replies come back changed as a test says: read `read` (from 0;
// -1 for every read) of the block at `address` gets `delta` (plus the read's number, for every
// read) added to its byte `at`.
class TamperingAdapter : public d2xx::InProcessDevice {
public:
    struct Change {
        int address;
        int read;
        int at;
        int delta;
    };
    explicit TamperingAdapter(std::vector<Change> changes)
        : d2xx::InProcessDevice("USB FETCHer Adapter", "TAMPER"), changes_(std::move(changes)) {
        d2xx::attach(*this);
    }
    ~TamperingAdapter() override { d2xx::detach(*this); }

    void received(const std::uint8_t* data, std::size_t size) override {
        for (auto& answer : firmware.receive(data, size)) {
            if (answer.frame.size() > 2 && answer.frame[1] == 0x50) {
                const int address = answer.frame[2];
                const int read = readsOf_[address]++;
                for (const Change& change : changes_)
                    if (change.address == address && (change.read == read || change.read < 0))
                        answer.reply[std::size_t(1 + change.at)] +=
                            std::uint8_t(change.delta + (change.read < 0 ? read : 0));
                ++reads;
            }
            send(answer.reply.data(), answer.reply.size());
        }
    }

    sim::AdapterFirmware firmware;
    int reads = 0;

private:
    std::vector<Change> changes_;
    std::map<int, int> readsOf_;
};

// Puts an image of another parameter set into the simulated connector.
void storeImage(sim::AdapterFirmware& firmware, TQ47& source) {
    source.Encode();
    std::copy(source.Image, source.Image + TQ47::ImageSize, firmware.memory().begin());
}

TEST(Q47Connector, FreshSimulatorHoldsTheModelsDefaultImage) {
    TQ47 defaults;
    defaults.Encode();
    const auto& image = sim::AdapterFirmware::defaultImage();
    EXPECT_EQ(std::memcmp(defaults.Image, image.data(), TQ47::ImageSize), 0);
}

TEST(Q47Connector, ReadDecodesTheConnectorImage) {
    Bench bench;
    TQ47 other;
    other.SetPrePurge(25);
    other.SetSamplingInterval(7200);
    other.Continuous = true;
    other.SetPurgesCount(4);
    storeImage(bench.firmware(), other);
    bench.model.LastError = TQ47::CommError;

    ASSERT_TRUE(bench.model.ReadConnector());
    EXPECT_EQ(bench.model.LastError, TQ47::NoError);
    EXPECT_EQ(bench.model.PrePurge, 25);
    EXPECT_EQ(bench.model.SamplingInterval, 7200);
    EXPECT_TRUE(bench.model.Continuous);
    EXPECT_EQ(bench.model.PurgesCount, 4);
    // Two passes over the image, the pump pulses' block twice more; one run of the bar.
    EXPECT_EQ(bench.firmware().frames().size(), 34u);
    expectOneRun(bench.progress);
}

TEST(Q47Connector, FailedReadsReportACommunicationErrorAndKeepTheParameters) {
    struct Case {
        const char* name;
        void (*arrange)(sim::AdapterFirmware&);
    };
    const Case cases[] = {
        {"checksum mismatch", [](sim::AdapterFirmware& f) { f.memory()[40] ^= 0x01; }},
        {"dropped block", [](sim::AdapterFirmware& f) { f.setFault(Fault::DropReply, 0, 5); }},
        {"no connector", [](sim::AdapterFirmware& f) { f.setConnectorPresent(false); }},
        {"corrupted reply", [](sim::AdapterFirmware& f) { f.setFault(Fault::CorruptByte, 1.0); }},
        {"erased memory",
         [](sim::AdapterFirmware& f) { std::fill(f.memory().begin(), f.memory().end(), 0); }},
    };
    for (const auto& c : cases) {
        Bench bench;
        TQ47 other;
        other.SetPrePurge(42);
        storeImage(bench.firmware(), other);
        c.arrange(bench.firmware());
        bench.model.SetPrePurge(11);
        EXPECT_FALSE(bench.model.ReadConnector()) << c.name;
        EXPECT_EQ(bench.model.LastError, TQ47::CommError) << c.name;
        EXPECT_EQ(bench.model.PrePurge, 11) << c.name;
    }
}

// A reply damaged on the way is never taken, even when the checksum cannot see it: two changes
// in one pass that cancel in its sum, one in the pump pulses (bytes 0 and 1), which it does not
// cover, or the same damage to the pump pulses twice. A block whose reads never agree fails the
// read.
TEST(Q47Connector, DamagedRepliesAreNeverTaken) {
    struct Case {
        const char* name;
        std::vector<TamperingAdapter::Change> changes;
        bool read;
    };
    const std::vector<Case> cases = {
        {"cancelling pair", {{8, 0, 3, +1}, {16, 0, 5, -1}}, true},
        {"cancelling pair, second pass", {{8, 1, 2, +7}, {24, 1, 2, -7}}, true},
        {"pump pulses", {{0, 0, 1, +1}}, true},
        {"pump pulses alike twice", {{0, 0, 1, 0x5A}, {0, 1, 1, 0x5A}}, true},
        {"never twice alike", {{24, -1, 0, 1}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TamperingAdapter adapter(c.changes);
        TQ47 stored;
        stored.PumpPulses = 0x1234;
        stored.Encode();
        for (int i = 16; i < 126; ++i)
            stored.Image[i] = std::uint8_t(i * 7); // reserved bytes as another tool left them
        const std::uint16_t checksum = stored.Checksum();
        stored.Image[126] = std::uint8_t(checksum & 0xFF);
        stored.Image[127] = std::uint8_t(checksum >> 8);
        std::copy(stored.Image, stored.Image + TQ47::ImageSize, adapter.firmware.memory().begin());

        TTarnDevice device;
        std::vector<int> progress;
        device.OnProgress = [&progress](int percent) { progress.push_back(percent); };
        TQ47 model;
        model.Device = &device;
        EXPECT_EQ(model.ReadConnector(), c.read);
        EXPECT_LE(adapter.reads, 16 * TTarnDevice::ReadPasses);
        if (c.read) {
            EXPECT_EQ(std::memcmp(model.Image, stored.Image, TQ47::ImageSize), 0);
            EXPECT_EQ(model.PumpPulses, 0x1234);
            expectOneRun(progress);
        } else {
            EXPECT_EQ(model.LastError, TQ47::CommError);
            EXPECT_EQ(model.PumpPulses, 1500);
        }
    }
}

TEST(Q47Connector, WriteStoresTheImageAndVerifiesIt) {
    Bench bench;
    bench.model.SetDeadTime(90);
    bench.model.SetAccuOff(9.8);
    bench.model.LastError = TQ47::CommError;
    ASSERT_TRUE(bench.model.WriteConnector());
    EXPECT_EQ(bench.model.LastError, TQ47::NoError);

    TQ47 expected;
    expected.SetDeadTime(90);
    expected.SetAccuOff(9.8);
    expected.Encode();
    EXPECT_EQ(std::memcmp(bench.firmware().memory().data(), expected.Image, TQ47::ImageSize), 0);
    // Write, then the verifying read: progress runs twice.
    const std::vector<int> pass{0, 6, 12, 18, 25, 31, 37, 43, 50, 56, 62, 68, 75, 81, 87, 93, 100};
    std::vector<int> twice = pass;
    twice.insert(twice.end(), pass.begin(), pass.end());
    EXPECT_EQ(bench.progress, twice);
    EXPECT_EQ(bench.writeFrames(), 16);
    EXPECT_EQ(bench.firmware().frames().size(), 32u);

    // What was written reads back into a fresh model as the same parameters.
    TQ47 reader;
    reader.Device = &bench.device;
    ASSERT_TRUE(reader.ReadConnector());
    EXPECT_EQ(reader.DeadTime, 90);
    EXPECT_NEAR(reader.AccuOff, 9.8, 0.051);
}

TEST(Q47Connector, WriteAcceptedButNotStoredFailsTheVerification) {
    Bench bench;
    bench.model.SetPrePurge(33);
    bench.firmware().setFault(Fault::LoseWrite, 0, 1);
    EXPECT_FALSE(bench.model.WriteConnector());
    EXPECT_EQ(bench.model.LastError, TQ47::CommError);
    EXPECT_EQ(bench.writeFrames(), 16); // every block was accepted
}

TEST(Q47Connector, AWriteRefusedAtEveryAttemptStopsBeforeAnyVerification) {
    Bench bench;
    bench.firmware().setFault(Fault::RefuseWrite, 1.0);
    EXPECT_FALSE(bench.model.WriteConnector());
    EXPECT_EQ(bench.model.LastError, TQ47::CommError);
    EXPECT_EQ(bench.firmware().frames().size(), std::size_t(TTarnAdapter::Attempts));
    EXPECT_THAT(bench.progress, ElementsAre(0));
    EXPECT_EQ(bench.model.Left, TQ47::TConnectorLeft::Unchanged); // the adapter said so
}

// An adapter pulled in the middle of a write: the connector keeps what had been stored, under
// the old checksum, and says so; pulled during the read-back, it holds the whole new image.
TEST(Q47Connector, AWriteCutByAnUnplugSaysWhatItLeftOnTheConnector) {
    {
        Bench bench;
        bench.device.Timing.ReadTotalMs = 30; // an unplugged adapter is given up sooner
        const std::vector<std::uint8_t> before = bench.firmware().memory();
        bench.model.SetDeadTime(3600);
        bench.model.SetAeration(20);
        bench.model.SetPurgesCount(4);
        bench.firmware().setUnplugAfter(1);
        EXPECT_FALSE(bench.model.WriteConnector());
        EXPECT_EQ(bench.model.LastError, TQ47::CommError);
        EXPECT_EQ(bench.model.Left, TQ47::TConnectorLeft::Mixed);
        EXPECT_EQ(bench.device.StoredBytes, 8);
        const std::vector<std::uint8_t>& after = bench.firmware().memory();
        EXPECT_TRUE(std::equal(after.begin(), after.begin() + 8, bench.model.Image));
        EXPECT_TRUE(std::equal(after.begin() + 8, after.end(), before.begin() + 8));

        // Plugged in again, the connector reads alike every time, and its checksum is wrong.
        bench.firmware().setUnplugAfter(-1);
        TQ47 reader;
        reader.Device = &bench.device;
        EXPECT_FALSE(reader.ReadConnector());
        EXPECT_EQ(reader.Left, TQ47::TConnectorLeft::BadChecksum);
    }
    // Cut after the 16 blocks: the connector holds the image, unchecked.
    Bench late;
    late.device.Timing.ReadTotalMs = 30;
    late.model.SetDeadTime(3600);
    late.firmware().setUnplugAfter(16);
    EXPECT_FALSE(late.model.WriteConnector());
    EXPECT_EQ(late.model.Left, TQ47::TConnectorLeft::Unverified);
    EXPECT_EQ(late.device.StoredBytes, TQ47::ImageSize);
    EXPECT_TRUE(std::equal(late.model.Image, late.model.Image + TQ47::ImageSize,
                           late.firmware().memory().begin()));
}

TEST(Q47Connector, VerifyComparesEveryByte) {
    Bench bench;
    bench.model.Encode();
    storeImage(bench.firmware(), bench.model);
    EXPECT_TRUE(bench.model.Verify());
    bench.firmware().memory()[127] ^= 0x80;
    EXPECT_FALSE(bench.model.Verify());
}

TEST(Q47Connector, AnImageWrittenAsItStandsKeepsEveryByteAndTellsADifferenceFromALinkFailure) {
    Bench bench;
    bench.model.Encode();
    bench.model.Image[13] = 7;    // the constant byte as another program left it
    bench.model.Image[40] = 0x5A; // a reserved byte
    bench.model.Image[11] = 0x67; // a voltage code that encoding would move to 0x68
    const std::uint16_t checksum = bench.model.Checksum();
    bench.model.Image[126] = std::uint8_t(checksum & 0xFF);
    bench.model.Image[127] = std::uint8_t(checksum >> 8);
    bool differs = true;
    ASSERT_TRUE(bench.model.WriteImageToConnector(differs));
    EXPECT_FALSE(differs);
    EXPECT_EQ(std::memcmp(bench.firmware().memory().data(), bench.model.Image, TQ47::ImageSize), 0);

    bench.firmware().setFault(Fault::LoseWrite, 0, 16);
    bench.model.Image[40] = 0x5B;
    EXPECT_FALSE(bench.model.WriteImageToConnector(differs));
    EXPECT_TRUE(differs);
    EXPECT_EQ(bench.model.LastError, TQ47::CommError);

    bench.firmware().setFault(Fault::RefuseWrite, 1.0);
    EXPECT_FALSE(bench.model.WriteImageToConnector(differs));
    EXPECT_FALSE(differs);
    EXPECT_EQ(bench.model.LastError, TQ47::CommError);
}

TEST(Q47Connector, NoDeviceIsAnInternalError) {
    TQ47 model;
    for (auto operation : {&TQ47::ReadConnector, &TQ47::WriteConnector}) {
        try {
            (model.*operation)();
            ADD_FAILURE() << "no exception";
        } catch (const Exception& error) {
            EXPECT_THAT(error.Message.toStdString(), HasSubstr("Error on file Q47Connector line "));
        }
    }
}

} // namespace
