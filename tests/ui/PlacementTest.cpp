// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main window opens: a stored placement is kept when the whole window is on a
// screen, and otherwise moved and cut until it is.
#include "ui/Placement.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

QRect Fit(int left, int top, int width, int height, const QList<QRect>& screens) {
    const TPlacement placement = FitToScreens(left, top, width, height, screens);
    return {placement.Position, placement.Size};
}

} // namespace

TEST(Placement, IsKeptWhenWhollyOnAScreenAndOtherwiseMovedAndCutOntoOne) {
    // A 1280 x 1024 screen with a panel of 30 pixels at the top, a wider one to its right.
    const QList<QRect> one = {QRect(0, 30, 1280, 994)};
    const QList<QRect> two = {QRect(0, 30, 1280, 994), QRect(1280, 0, 1920, 1080)};

    EXPECT_EQ(Fit(10, 40, 800, 600, one), QRect(10, 40, 800, 600));
    EXPECT_EQ(Fit(0, 0, 800, 600, one), QRect(0, 30, 800, 600)); // out from under the panel
    // Too large: cut to the screen and moved onto it.
    EXPECT_EQ(Fit(300, 300, INT_MAX, 99999, one), QRect(0, 30, 1280, 994));
    EXPECT_EQ(Fit(100, 100, 5000, 300, one), QRect(0, 100, 1280, 300));
    // Over an edge, or out of sight: moved inside.
    EXPECT_EQ(Fit(1200, 500, 800, 600, one), QRect(480, 424, 800, 600));
    EXPECT_EQ(Fit(-700, 40, 800, 600, one), QRect(0, 40, 800, 600));
    EXPECT_EQ(Fit(-5000, -5000, 800, 600, one), QRect(0, 30, 800, 600));
    // Values no window has, without overflow.
    EXPECT_EQ(Fit(INT_MAX, INT_MIN, INT_MAX, INT_MAX, one), QRect(0, 30, 1280, 994));
    EXPECT_EQ(Fit(INT_MIN, INT_MAX, 800, 600, one), QRect(0, 424, 800, 600));
    // A small window, and one without a size (Qt makes it as small as it can be), stay.
    EXPECT_EQ(Fit(1250, 990, 20, 20, one), QRect(1250, 990, 20, 20));
    EXPECT_EQ(Fit(300, 200, 0, 0, one), QRect(300, 200, 0, 0));

    // The second screen: kept there, moved and cut to it, or back to the first when unplugged.
    EXPECT_EQ(Fit(1290, 100, 1900, 900, two), QRect(1290, 100, 1900, 900));
    EXPECT_EQ(Fit(1500, 100, 1900, 900, two), QRect(1300, 100, 1900, 900));
    EXPECT_EQ(Fit(1500, 100, 3000, 2000, two), QRect(1280, 0, 1920, 1080));
    EXPECT_EQ(Fit(1500, 100, 1900, 900, one), QRect(0, 100, 1280, 900));
    // No screen known: nothing to fit to.
    EXPECT_EQ(Fit(-5000, 7, 640, 480, {}), QRect(-5000, 7, 640, 480));
}
