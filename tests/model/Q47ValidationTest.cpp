// SPDX-License-Identifier: GPL-3.0-or-later
// The check of a whole parameter set before it is kept or written.
#include "model/Q47Validation.h"
#include "model/Q47.h"
#include "model/Q47Parameters.h"

#include <gtest/gtest.h>

#include <span>
#include <string_view>

namespace {

TEST(Q47Validation, ASetIsTakenThroughTheSettersUpToTheFirstRefusal) {
    TQ47 model;
    model.Image[0] = 0x42; // the image and the device are not the set's
    TQ47 set;
    set.PrePurge = 30;
    set.AccuOff = 9.8;
    set.Continuous = true;
    set.SamplesCount = 999; // unused in continuous mode: neither checked nor stored
    EXPECT_EQ(TakeParameterSet(model, set), nullptr);
    EXPECT_EQ(model.PrePurge, 30);
    EXPECT_EQ(model.AccuOff, 9.8);
    EXPECT_TRUE(model.Continuous);
    EXPECT_EQ(model.SamplesCount, 8);
    EXPECT_EQ(model.Image[0], 0x42);
    EXPECT_EQ(model.LastError, TQ47::NoError);

    // Refused: what comes before is stored, what comes after is not; the first refused is
    // named and LastError says why.
    TQ47 bad;
    bad.PrePurge = 40;
    bad.Aeration = 100;
    bad.PostPurge = 0;
    bad.MaxSuctionTime = 200;
    const TQ47Parameter* refused = TakeParameterSet(model, bad);
    ASSERT_NE(refused, nullptr);
    EXPECT_EQ(std::string_view(refused->Name), "PostPurge");
    EXPECT_EQ(model.PrePurge, 40);
    EXPECT_EQ(model.Aeration, 100);
    EXPECT_EQ(model.PostPurge, 10);
    EXPECT_EQ(model.MaxSuctionTime, 60);
    EXPECT_TRUE(model.Continuous) << "comes after the refused one";
    EXPECT_EQ(model.LastError, TQ47::RangeError);

    // In the page's order, and only as far as the page asks.
    bad.PurgesCount = 9;
    constexpr std::string_view pageOrder[] = {"MaxSuctionTime", "PurgesCount", "PostPurge"};
    refused = FirstRefusedParameter(bad, pageOrder);
    ASSERT_NE(refused, nullptr);
    EXPECT_EQ(std::string_view(refused->Name), "PurgesCount");
    EXPECT_EQ(TakeParameterSet(model, bad, std::span(pageOrder).first(1)), nullptr);
    EXPECT_EQ(model.MaxSuctionTime, 200);
    EXPECT_EQ(TakeParameterSet(model, bad, std::span(pageOrder).first(0)), nullptr);

    bad = TQ47();
    bad.SamplesCount = 256; // counted mode checks it
    refused = FirstRefusedParameter(bad);
    ASSERT_NE(refused, nullptr);
    EXPECT_EQ(std::string_view(refused->Name), "SamplesCount");
}

TEST(Q47Validation, VarModeItemsMapToTheirCodes) {
    EXPECT_EQ(Q47VarModeCode(0), 0);
    EXPECT_EQ(Q47VarModeCode(1), 1);
    EXPECT_EQ(Q47VarModeCode(2), 3);
    EXPECT_FALSE(Q47VarModeCode(3).has_value());
    EXPECT_FALSE(Q47VarModeCode(-1).has_value());
    EXPECT_EQ(Q47VarModeItem(3), 2);
    EXPECT_EQ(Q47VarModeItem(2), 0); // passes the setter, shown as disabled
    EXPECT_EQ(Q47VarModeItem(200), 0);
}

TEST(Q47Validation, ConfigurationFilesGoByTheirExtensionInAnyCase) {
    EXPECT_TRUE(IsConfigurationFileName(QStringLiteral("/data/site-12.brk")));
    EXPECT_TRUE(IsConfigurationFileName(QStringLiteral("C:/Data/SITE.BRK")));
    EXPECT_FALSE(IsConfigurationFileName(QStringLiteral("/data/site.brk.txt")));
    EXPECT_FALSE(IsConfigurationFileName(QStringLiteral("/data/brk")));
}

} // namespace
