// SPDX-License-Identifier: GPL-3.0-or-later
// The parameters' setters: what each accepts and how a value out of range is refused.
#include "model/Q47.h"
#include "platform/framework/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace {

TEST(Q47Defaults, NewParameterSetHoldsTheSamplersDefaults) {
    const TQ47 model;
    EXPECT_EQ(model.PumpPulses, 1500);
    EXPECT_EQ(model.DeadTime, 0);
    EXPECT_EQ(model.PrePurge, 10);
    EXPECT_EQ(model.Aeration, 10);
    EXPECT_EQ(model.PostPurge, 10);
    EXPECT_EQ(model.SamplingInterval, 900);
    EXPECT_FALSE(model.Continuous);
    EXPECT_EQ(model.SamplesCount, 8);
    EXPECT_EQ(model.AccuWarning, 11.0);
    EXPECT_EQ(model.AccuOff, 10.5);
    EXPECT_EQ(model.MaxSuctionTime, 60);
    EXPECT_EQ(model.PurgesCount, 0);
    EXPECT_EQ(model.VarMode, 0);
    EXPECT_EQ(model.LastError, TQ47::NoError);
    EXPECT_EQ(model.Device, nullptr);
    EXPECT_EQ(TQ47::VoltsToCode(model.AccuWarning), 177);
    EXPECT_EQ(TQ47::VoltsToCode(model.AccuOff), 168);
}

struct IntSetter {
    const char* Name;
    void (TQ47::*Set)(int);
    int TQ47::*Member;
    int Low;
    int High;
};

// Test listings name the setter instead of dumping the struct's bytes.
void PrintTo(const IntSetter& setter, std::ostream* out) {
    *out << setter.Name;
}

const IntSetter IntSetters[] = {
    {"DeadTime", &TQ47::SetDeadTime, &TQ47::DeadTime, 0, 54000},
    {"PrePurge", &TQ47::SetPrePurge, &TQ47::PrePurge, 1, 240},
    {"Aeration", &TQ47::SetAeration, &TQ47::Aeration, 0, 255},
    {"PostPurge", &TQ47::SetPostPurge, &TQ47::PostPurge, 1, 240},
    {"SamplingInterval", &TQ47::SetSamplingInterval, &TQ47::SamplingInterval, 1, 54000},
    {"SamplesCount", &TQ47::SetSamplesCount, &TQ47::SamplesCount, 1, 255},
    {"MaxSuctionTime", &TQ47::SetMaxSuctionTime, &TQ47::MaxSuctionTime, 0, 255},
    {"PurgesCount", &TQ47::SetPurgesCount, &TQ47::PurgesCount, 0, 5},
    {"VarMode", &TQ47::SetVarMode, &TQ47::VarMode, 0, 3},
};

class IntRange : public testing::TestWithParam<IntSetter> {};

// Sets a value the setter must reject and checks the whole failure contract: the range
// error with an empty message, LastError 3, the member as it was.
template <class Value, class Member>
void ExpectRejected(TQ47& model, void (TQ47::*set)(Value), Member TQ47::*member, Value value) {
    const Member before = model.*member;
    try {
        (model.*set)(value);
        ADD_FAILURE() << "accepted " << value;
    } catch (const ERangeError& error) {
        EXPECT_TRUE(error.Message.isEmpty());
    }
    EXPECT_EQ(model.LastError, TQ47::RangeError) << value;
    EXPECT_EQ(model.*member, before) << value;
}

TEST_P(IntRange, AcceptsBothEndsAndRejectsJustOutside) {
    const IntSetter& setter = GetParam();
    TQ47 model;
    for (const int value : {setter.Low, setter.High, (setter.Low + setter.High) / 2}) {
        model.LastError = TQ47::RangeError;
        (model.*setter.Set)(value);
        EXPECT_EQ(model.*setter.Member, value);
        EXPECT_EQ(model.LastError, TQ47::NoError);
    }
    for (const int value : {setter.Low - 1, setter.High + 1, -1000000, 1000000,
                            std::numeric_limits<int>::min(), std::numeric_limits<int>::max()})
        ExpectRejected(model, setter.Set, setter.Member, value);
}

INSTANTIATE_TEST_SUITE_P(Setters, IntRange, testing::ValuesIn(IntSetters),
                         [](const testing::TestParamInfo<IntSetter>& info) {
                             return std::string(info.param.Name);
                         });

struct VoltSetter {
    const char* Name;
    void (TQ47::*Set)(double);
    double TQ47::*Member;
};

void PrintTo(const VoltSetter& setter, std::ostream* out) {
    *out << setter.Name;
}

class VoltageRange : public testing::TestWithParam<VoltSetter> {};

TEST_P(VoltageRange, AcceptsWhatACodeCanHold) {
    const VoltSetter& setter = GetParam();
    TQ47 model;
    // 0.55 is the lowest value that rounds to 0.6 V (code 0); values are kept as given.
    for (const double value : {15.6, 0.55, 0.6, 11.04, 7.0}) {
        model.LastError = TQ47::RangeError;
        (model.*setter.Set)(value);
        EXPECT_EQ(model.*setter.Member, value);
        EXPECT_EQ(model.LastError, TQ47::NoError);
    }
    EXPECT_EQ(TQ47::VoltsToCode(model.*setter.Member), 109); // 7.0 V
}

TEST_P(VoltageRange, RejectsWhatNoCodeCanHold) {
    const VoltSetter& setter = GetParam();
    TQ47 model;
    // Below 0.55 V the code would be negative; above 15.6 V there is no code.
    for (const double value :
         {15.61, std::nextafter(15.6, 16.0), -0.1, 0.0, 0.3, 0.54, std::nextafter(0.55, 0.0),
          -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()})
        ExpectRejected(model, setter.Set, setter.Member, value);
}

INSTANTIATE_TEST_SUITE_P(
    Setters, VoltageRange,
    testing::Values(VoltSetter{"AccuWarning", &TQ47::SetAccuWarning, &TQ47::AccuWarning},
                    VoltSetter{"AccuOff", &TQ47::SetAccuOff, &TQ47::AccuOff}),
    [](const testing::TestParamInfo<VoltSetter>& info) { return std::string(info.param.Name); });

TEST(Q47Ranges, NextAcceptedValueOfAnySetterClearsTheRangeError) {
    TQ47 model;
    EXPECT_THROW(model.SetVarMode(4), ERangeError);
    EXPECT_EQ(model.LastError, TQ47::RangeError);
    model.SetAccuOff(12.0);
    EXPECT_EQ(model.LastError, TQ47::NoError);

    EXPECT_THROW(model.SetAccuWarning(20.0), ERangeError);
    EXPECT_EQ(model.LastError, TQ47::RangeError);
    model.SetDeadTime(0);
    EXPECT_EQ(model.LastError, TQ47::NoError);
}

} // namespace
