// Where the main window opens: a stored placement is kept when it can be seen and made to fit
// the screens when it cannot.
#include "ui/Placement.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

QRect Fit(int left, int top, int width, int height, const QList<QRect>& screens) {
    const TPlacement placement = FitToScreens(left, top, width, height, screens);
    return {placement.Position, placement.Size};
}

} // namespace

TEST(Placement, IsKeptWhenSeenAndOtherwiseFitToTheScreens) {
    // A 1280 x 1024 screen with a panel of 30 pixels at the top, a wider one to its right.
    const QList<QRect> one = {QRect(0, 30, 1280, 994)};
    const QList<QRect> two = {QRect(0, 30, 1280, 994), QRect(1280, 0, 1920, 1080)};

    EXPECT_EQ(Fit(10, 40, 800, 600, one), QRect(10, 40, 800, 600));
    EXPECT_EQ(Fit(0, 0, 800, 600, one), QRect(0, 0, 800, 600)); // under the panel: still seen
    // Too large: cut to the screen, where it is.
    EXPECT_EQ(Fit(0, 0, INT_MAX, 99999, one), QRect(0, 0, 1280, 994));
    EXPECT_EQ(Fit(100, 100, 5000, 300, one), QRect(100, 100, 1280, 300));
    // Out of sight, or less than 100 x 50 of it in sight: to the default place.
    EXPECT_EQ(Fit(-5000, -5000, 800, 600, one), QRect(0, 0, 800, 600));
    EXPECT_EQ(Fit(1200, 500, 800, 600, one), QRect(0, 0, 800, 600));      // 80 pixels wide
    EXPECT_EQ(Fit(100, 1000, 800, 600, one), QRect(0, 0, 800, 600));      // 24 pixels high
    EXPECT_EQ(Fit(1100, 900, 800, 600, one), QRect(1100, 900, 800, 600)); // 180 x 124
    EXPECT_EQ(Fit(-700, 40, 800, 600, one), QRect(-700, 40, 800, 600));   // 100 x 600
    // Values no window has, without overflow.
    EXPECT_EQ(Fit(INT_MAX, INT_MIN, INT_MAX, INT_MAX, one), QRect(0, 0, 1280, 994));
    EXPECT_EQ(Fit(INT_MIN, INT_MIN, 800, 600, one), QRect(0, 0, 800, 600));
    // A small window, and one without a size (Qt makes it as small as it can be), stay.
    EXPECT_EQ(Fit(1250, 990, 20, 20, one), QRect(1250, 990, 20, 20));
    EXPECT_EQ(Fit(300, 200, 0, 0, one), QRect(300, 200, 0, 0));

    // The second screen: kept there, cut to its size, or back to the first when unplugged.
    EXPECT_EQ(Fit(1500, 100, 1900, 900, two), QRect(1500, 100, 1900, 900));
    EXPECT_EQ(Fit(1500, 100, 3000, 2000, two), QRect(1500, 100, 1920, 1080));
    EXPECT_EQ(Fit(1500, 100, 1900, 900, one), QRect(0, 0, 1280, 900));
    // No screen known: nothing to fit to.
    EXPECT_EQ(Fit(-5000, 7, 640, 480, {}), QRect(-5000, 7, 640, 480));
}
