// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter image: encoding, decoding, the checksum and what two sets differ in.
#include "model/Q47.h"
#include "model/Q47Differences.h"
#include "model/Q47Parameters.h"
#include "platform/framework/Exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> DefaultImage() {
    std::vector<std::uint8_t> bytes = {0xDC, 0x05, 0x00, 0x00, 0x0A, 0x0A, 0x0A, 0x84,
                                       0x03, 0x08, 0xB1, 0xA8, 0x3C, 0x01, 0x00, 0x00};
    bytes.resize(126, 0x00);
    bytes.push_back(0xBC);
    bytes.push_back(0xFD);
    return bytes;
}

std::vector<std::uint8_t> ImageOf(const TQ47& model) {
    return {std::begin(model.Image), std::end(model.Image)};
}

TEST(Q47Image, DefaultsEncodeToTheKnownImage) {
    TQ47 model;
    model.Encode();
    EXPECT_EQ(ImageOf(model), DefaultImage());
    EXPECT_EQ(model.Checksum(), 0xFDBC);
    EXPECT_TRUE(model.ImageValid());
    EXPECT_EQ(model.LastError, TQ47::NoError);
}

TEST(Q47Image, FieldsAreLittleEndianAtTheirOffsets) {
    TQ47 model;
    model.PumpPulses = 0xBEEF;
    model.SetDeadTime(0x1234);
    model.SetPrePurge(240);
    model.SetAeration(255);
    model.SetPostPurge(1);
    model.SetSamplingInterval(54000); // 0xD2F0
    model.SetSamplesCount(200);
    model.SetAccuWarning(12.0);
    model.SetAccuOff(0.6);
    model.SetMaxSuctionTime(7);
    model.SetPurgesCount(5);
    model.SetVarMode(3);
    model.Encode();
    const std::array<std::uint8_t, 16> head = {0xEF, 0xBE, 0x34, 0x12, 240, 255, 1, 0xF0,
                                               0xD2, 200,  194,  0,    7,   1,   5, 3};
    EXPECT_TRUE(std::equal(head.begin(), head.end(), model.Image));
    EXPECT_TRUE(std::all_of(model.Image + 16, model.Image + 126, [](auto b) { return b == 0; }));
    EXPECT_TRUE(model.ImageValid());
}

TEST(Q47Image, DecodeGivesBackWhatWasEncoded) {
    TQ47 source;
    source.PumpPulses = 65535;
    source.SetDeadTime(54000);
    source.SetPrePurge(33);
    source.SetAeration(0);
    source.SetPostPurge(240);
    source.SetSamplingInterval(1);
    source.SetSamplesCount(255);
    source.SetAccuWarning(11.04); // comes back on the 0.1 V grid
    source.SetAccuOff(15.6);
    source.SetMaxSuctionTime(255);
    source.SetPurgesCount(2);
    source.SetVarMode(1);
    source.Encode();

    TQ47 target;
    std::copy(std::begin(source.Image), std::end(source.Image), target.Image);
    target.Decode();
    EXPECT_EQ(target.PumpPulses, 65535);
    EXPECT_EQ(target.DeadTime, 54000);
    EXPECT_EQ(target.PrePurge, 33);
    EXPECT_EQ(target.Aeration, 0);
    EXPECT_EQ(target.PostPurge, 240);
    EXPECT_EQ(target.SamplingInterval, 1);
    EXPECT_FALSE(target.Continuous);
    EXPECT_EQ(target.SamplesCount, 255);
    EXPECT_EQ(target.AccuWarning, 11.0);
    EXPECT_EQ(target.AccuOff, 15.6);
    EXPECT_EQ(target.MaxSuctionTime, 255);
    EXPECT_EQ(target.PurgesCount, 2);
    EXPECT_EQ(target.VarMode, 1);
}

TEST(Q47Image, ContinuousModeIsAZeroSamplesCount) {
    TQ47 model;
    model.Continuous = true;
    model.SetSamplesCount(77);
    model.Encode();
    EXPECT_EQ(model.Image[9], 0);
    model.Decode();
    EXPECT_TRUE(model.Continuous);
    EXPECT_EQ(model.SamplesCount, 8);

    // A samples count of 0 would be written the same way and read as continuous: the setter
    // refuses it in counted mode, and an image holding 0 decodes as continuous mode.
    TQ47 zero;
    EXPECT_THROW(zero.SetSamplesCount(0), ERangeError);
    zero.Encode();
    zero.Image[9] = 0;
    zero.Decode();
    EXPECT_TRUE(zero.Continuous);
    EXPECT_EQ(zero.SamplesCount, 8);

    zero.Image[9] = 1;
    zero.Decode();
    EXPECT_FALSE(zero.Continuous);
    EXPECT_EQ(zero.SamplesCount, 1);
}

TEST(Q47Image, ChecksumCoversBytes2To125Only) {
    TQ47 model;
    model.Encode();
    for (const int offset : {0, 1}) {
        model.Image[offset] ^= 0x5A;
        EXPECT_TRUE(model.ImageValid()) << offset;
        model.Image[offset] ^= 0x5A;
    }
    for (int offset = 2; offset < 126; ++offset) {
        model.Image[offset] ^= 0x01;
        EXPECT_FALSE(model.ImageValid()) << offset;
        model.Image[offset] ^= 0x01;
    }
    EXPECT_TRUE(model.ImageValid());

    // Valid again once bytes 126 and 127 are recomputed.
    model.Image[60] = 0x99;
    const std::uint16_t sum = model.Checksum();
    model.Image[126] = static_cast<std::uint8_t>(sum);
    model.Image[127] = static_cast<std::uint8_t>(sum >> 8);
    EXPECT_TRUE(model.ImageValid());

    // Either checksum byte alone is checked.
    model.Image[126] ^= 0x80;
    EXPECT_FALSE(model.ImageValid());
    model.Image[126] ^= 0x80;
    model.Image[127] ^= 0x01;
    EXPECT_FALSE(model.ImageValid());
}

TEST(Q47Image, ChecksumWrapsAtSixteenBits) {
    TQ47 model;
    std::fill(std::begin(model.Image), std::end(model.Image), std::uint8_t{0xFF});
    // 124 bytes of 255 sum to 31620; complement 0x8480.
    EXPECT_EQ(model.Checksum(), static_cast<std::uint16_t>(~31620));
    std::fill(std::begin(model.Image), std::end(model.Image), std::uint8_t{0});
    EXPECT_EQ(model.Checksum(), 0xFFFF);
    EXPECT_FALSE(model.ImageValid());  // an erased connector is never taken for a parameter set
    EXPECT_FALSE(TQ47().ImageValid()); // nor is a model that has not encoded anything yet
}

TEST(Q47Image, DecodeIgnoresTheConstantTheReservedBytesAndTheChecksum) {
    TQ47 reference;
    reference.Encode();
    TQ47 model;
    model.Encode();
    model.Image[13] = 0xEE;
    for (int offset = 16; offset < 128; ++offset)
        model.Image[offset] = static_cast<std::uint8_t>(offset * 7);
    model.Decode();
    model.Encode();
    // The next encoding writes 1 and zeros again.
    EXPECT_EQ(ImageOf(model), ImageOf(reference));
}

TEST(Q47Image, DecodeTakesValuesTheSettersWouldReject) {
    TQ47 model;
    model.Encode();
    model.Image[2] = 0xFF; // DeadTime 65535
    model.Image[3] = 0xFF;
    model.Image[4] = 0;   // PrePurge 0
    model.Image[6] = 250; // PostPurge 250
    model.Image[7] = 0;   // SamplingInterval 0
    model.Image[8] = 0;
    model.Image[14] = 9;   // PurgesCount 9
    model.Image[15] = 200; // VarMode 200
    model.Image[10] = 255;
    model.Image[11] = 0;
    model.LastError = TQ47::RangeError;
    model.Decode();
    EXPECT_EQ(model.DeadTime, 65535);
    EXPECT_EQ(model.PrePurge, 0);
    EXPECT_EQ(model.PostPurge, 250);
    EXPECT_EQ(model.SamplingInterval, 0);
    EXPECT_EQ(model.PurgesCount, 9);
    EXPECT_EQ(model.VarMode, 200);
    EXPECT_EQ(model.AccuWarning, 15.6);
    EXPECT_EQ(model.AccuOff, 0.6);
    EXPECT_EQ(model.LastError, TQ47::RangeError); // decoding is not an operation that reports
}

TEST(Q47Image, EncodingWritesTheLowBitsOfMembersSetDirectly) {
    // Members are public; whatever lands in them must still encode without running over.
    TQ47 model;
    model.PumpPulses = 0x12345;
    model.PrePurge = 0x1FF;
    model.AccuOff = std::numeric_limits<double>::quiet_NaN();
    model.Encode();
    EXPECT_EQ(model.Image[0], 0x45);
    EXPECT_EQ(model.Image[1], 0x23);
    EXPECT_EQ(model.Image[4], 0xFF);
    EXPECT_EQ(model.Image[11], 0);
    EXPECT_TRUE(model.ImageValid());
}

// An image written by other means keeps what a change does not touch: each parameter changed
// alone rewrites only its own bytes and the checksum, and one set to the value it shows keeps
// its code, even off the 0.1 V grid.
TEST(Q47Image, EncodingChangesTouchesOnlyTheChangedParametersBytesAndTheChecksum) {
    TQ47 before;
    before.Encode();
    before.Image[TQ47::ConstantOffset] = 7;
    before.Image[60] = 0x42;
    before.Image[11] = 0x67; // AccuOff, 6.7 V, whose own code is 0x68
    const std::uint16_t sum = before.Checksum();
    before.Image[126] = static_cast<std::uint8_t>(sum);
    before.Image[127] = static_cast<std::uint8_t>(sum >> 8);
    before.Decode();

    for (const TQ47Parameter& parameter : Q47Parameters()) {
        if (parameter.Kind == TParameterKind::Pulses)
            continue; // no setter
        SCOPED_TRACE(parameter.Name);
        TQ47 changed = before;
        if (parameter.Kind == TParameterKind::Mode)
            changed.Continuous = true;
        else if (parameter.Volts != nullptr)
            (changed.*parameter.SetVolts)(12.0);
        else
            (changed.*parameter.Set)(parameter.High);
        changed.EncodeChanges(before);
        // Continuous lives in the samples count's byte.
        const int first = parameter.Offset;
        const int last = first + std::max(parameter.Width, 1);
        for (int offset = 0; offset < 126; ++offset) {
            if (offset < first || offset >= last) {
                EXPECT_EQ(changed.Image[offset], before.Image[offset]) << offset;
            }
        }
        EXPECT_NE(ImageOf(changed), ImageOf(before));
        EXPECT_TRUE(changed.ImageValid());
    }

    TQ47 same = before;
    same.SetAccuOff(6.7);
    same.SetPrePurge(20);
    same.EncodeChanges(before);
    EXPECT_EQ(same.Image[11], 0x67);
    EXPECT_EQ(same.Image[4], 20);
}

} // namespace

// What a write would change, as the sampler would take it: only values that encode differently.
TEST(Q47Image, DifferencesAreWhatTheImageWouldChange) {
    const auto names = [](const TQ47& before, const TQ47& after) {
        std::vector<std::string> result;
        for (const TQ47Parameter* parameter : Q47Differences(before, after))
            result.emplace_back(parameter->Name);
        return result;
    };
    using Names = std::vector<std::string>;
    TQ47 connector;
    TQ47 page = connector;
    EXPECT_EQ(names(connector, page), Names{});
    page.SetSamplesCount(12);
    page.SetAccuWarning(11.04); // the same 0.1 V code as 11.0
    EXPECT_EQ(names(connector, page), Names{"SamplesCount"});
    page.SetAccuOff(10.0);
    page.SetVarMode(3);
    EXPECT_EQ(names(connector, page), (Names{"SamplesCount", "AccuOff", "VarMode"}));

    // In continuous mode the samples count is not written; leaving it counts as a change.
    connector.Continuous = true;
    page = connector;
    page.SetSamplesCount(3);
    EXPECT_EQ(names(connector, page), Names{});
    page.Continuous = false;
    EXPECT_EQ(names(connector, page), (Names{"Continuous", "SamplesCount"}));
}
