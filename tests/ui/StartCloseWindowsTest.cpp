// The window on Windows without FTDI's driver (the test runs beside no FTD2XX.DLL): no adapter,
// and the adapter's panel says why in its tool tip.
#include "tests/ui/WindowFixture.h"

#include "ui/Main.h"

#include <QAction>
#include <QLabel>

TEST_F(WindowTest, WithoutTheAdaptersDriverTheAdapterPanelSaysWhy) {
    StartWindows();
    Main->TimerTimer();
    const auto* panel = Main->findChild<QLabel*>(QStringLiteral("StatusPanel2"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->text(), "Adapter ?");
    EXPECT_EQ(panel->toolTip(), "FTDI's D2XX driver (FTD2XX.DLL) is not installed. Install the "
                                "adapter maker's driver package.");
    EXPECT_FALSE(Action("DataRead")->isEnabled());
}
