// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing one of several adapters by serial number, in process.

#include "cli/AdapterLink.h"
#include "sim/InProcessAdapter.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Only the in-process adapters of a test are listed: no simulator that happens to run on
// this machine may join them through the default port folder.
class AdapterLink : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(EmptyPorts.isValid());
        qputenv("BROOKFETCH_PORTS", EmptyPorts.path().toLocal8Bit());
    }
    QTemporaryDir EmptyPorts;
};

TEST_F(AdapterLink, SerialPicksOneAdapterAndNeverFallsBackToAnother) {
    sim::InProcessAdapter first("FIRST");
    sim::InProcessAdapter second("SECOND");
    sim::InProcessAdapter other("ELSE", "Some Other Device");
    first.firmware().setVersion(0x0101);
    second.firmware().setVersion(0x0203);

    // Two adapters of the same description: the adapter's own lookup refuses both.
    cli::TAdapterLink any;
    EXPECT_FALSE(any.FindAdapter());
    EXPECT_TRUE(any.NoAdapterMessage().contains(QStringLiteral("2 adapters")))
        << any.NoAdapterMessage().toStdString();
    // Each named, with its port where the system has one (a device index on Windows).
    EXPECT_TRUE(
        any.NoAdapterMessage().contains(QRegularExpression(QStringLiteral("FIRST.*, SECOND"))))
        << any.NoAdapterMessage().toStdString();

    cli::TAdapterLink link(QStringLiteral("SECOND"));
    ASSERT_TRUE(link.FindAdapter());
    EXPECT_EQ(link.Device().Version, 0x0203);
    EXPECT_EQ(link.Description(), QStringLiteral("USB FETCHer Adapter"));

    // The chosen adapter goes away; the one left must not take its place, not even within
    // the retries of a single exchange.
    second.unplug();
    first.firmware().clearFrames();
    EXPECT_FALSE(link.Device().ReadVersion());
    EXPECT_TRUE(first.firmware().frames().empty());
    EXPECT_FALSE(link.FindAdapter());
    EXPECT_TRUE(link.NoAdapterMessage().startsWith(
        QStringLiteral("no adapter found with serial number SECOND (attached: FIRST)")))
        << link.NoAdapterMessage().toStdString();

    // Back again: the link comes up on it.
    second.plug();
    ASSERT_TRUE(link.FindAdapter());
    EXPECT_EQ(link.Device().Version, 0x0203);
    EXPECT_TRUE(first.firmware().frames().empty());

    // A device of another description is no candidate, whatever its serial number.
    cli::TAdapterLink elsewhere(QStringLiteral("ELSE"));
    EXPECT_FALSE(elsewhere.FindAdapter());
    EXPECT_TRUE(other.firmware().frames().empty());
}

} // namespace
