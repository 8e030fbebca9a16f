// SPDX-License-Identifier: GPL-3.0-or-later
// The battery thresholds' one-byte codes and their 0.1 V grid.
#include "model/Q47.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(Q47VoltageCodes, CodesReadAsTheSamplerShowsThem) {
    const struct {
        int Code;
        double Volts;
    } table[] = {{0, 0.6},    {1, 0.7},    {2, 0.7},    {100, 6.5}, {168, 10.5},
                 {177, 11.0}, {200, 12.4}, {254, 15.6}, {255, 15.6}};
    for (const auto& row : table)
        EXPECT_EQ(TQ47::CodeToVolts(static_cast<std::uint8_t>(row.Code)), row.Volts) << row.Code;
}

TEST(Q47VoltageCodes, VoltagesGiveTheSamplersCodes) {
    const struct {
        double Volts;
        int Code;
    } table[] = {{0.6, 0}, {1.0, 7}, {5.0, 75}, {10.5, 168}, {11.0, 177}, {12.0, 194}, {15.6, 255}};
    for (const auto& row : table)
        EXPECT_EQ(TQ47::VoltsToCode(row.Volts), row.Code) << row.Volts;
}

TEST(Q47VoltageCodes, EveryTenthOfAVoltSurvivesTheRoundTrip) {
    std::set<int> codes;
    for (int tenths = 6; tenths <= 156; ++tenths) {
        const double volts = tenths / 10.0;
        const std::uint8_t code = TQ47::VoltsToCode(volts);
        EXPECT_EQ(TQ47::CodeToVolts(code), volts) << volts;
        codes.insert(code);
    }
    EXPECT_EQ(codes.size(), 151u);
}

TEST(Q47VoltageCodes, VoltsRiseWithTheCodeAndStayOnTheGrid) {
    double previous = TQ47::CodeToVolts(0);
    for (int code = 1; code <= 255; ++code) {
        const double volts = TQ47::CodeToVolts(static_cast<std::uint8_t>(code));
        EXPECT_GE(volts, previous) << code;
        EXPECT_LE(volts - previous, 0.1 + 1e-9) << code;
        EXPECT_EQ(volts, static_cast<int>(volts * 10 + 0.5) / 10.0) << code;
        previous = volts;
    }
}

TEST(Q47VoltageCodes, HalfStepsRoundByTheirExactBinaryValue) {
    // 0.15 and 10.45 are held a little below the half step and round down in extended
    // precision (plain double arithmetic would round them up); 0.55 and 10.55 are held a
    // little above and round up.
    EXPECT_EQ(TQ47::VoltsToCode(0.15), TQ47::VoltsToCode(0.1));
    EXPECT_NE(TQ47::VoltsToCode(0.15), TQ47::VoltsToCode(0.2));
    EXPECT_EQ(TQ47::VoltsToCode(10.45), TQ47::VoltsToCode(10.4));
    EXPECT_NE(TQ47::VoltsToCode(10.45), TQ47::VoltsToCode(10.5));
    EXPECT_EQ(TQ47::VoltsToCode(0.55), 0);
    EXPECT_EQ(TQ47::VoltsToCode(10.55), TQ47::VoltsToCode(10.6));
    // Unrounded values take the code of their nearest tenth.
    EXPECT_EQ(TQ47::VoltsToCode(11.04), 177);
    EXPECT_EQ(TQ47::VoltsToCode(10.96), 177);
}

} // namespace
