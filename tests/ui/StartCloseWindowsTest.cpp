// SPDX-License-Identifier: GPL-3.0-or-later
// The window on what only Windows has: no FTDI driver (the test runs beside no FTD2XX.DLL), so
// no adapter and the adapter's panel says why in its tool tip; a file another program holds.
#include "tests/ui/WindowFixture.h"

#include "ui/Main.h"

#include <QAction>
#include <QLabel>
#include <windows.h>

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

// Another program holds the settings file and lets nobody else at it: the start cannot make its
// settings and the close cannot keep the placement, and the user hears of both; the file the
// other program holds is not touched.
TEST_F(WindowTest, ASettingsFileHeldByAnotherProgramIsToldAtStartAndCloseAndLeftAlone) {
    const QByteArray before = "[Properties]\r\nVersion=256\r\n[MainForm]\r\nMainWidth=700\r\n"
                              "[Bench]\r\nStation=4\r\n";
    WriteSettings(before);
    const HANDLE held = CreateFileW(
        reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(SettingsPath()).utf16()),
        GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    StartWindows();
    Main->move(40, 50);
    EXPECT_TRUE(Main->close());
    CloseHandle(held);
    const QString told = "Unable to write to " + QDir::toNativeSeparators(SettingsPath()) + ".";
    ASSERT_EQ(App.ErrorBoxes.size(), 2u);
    EXPECT_EQ(App.ErrorBoxes[0], told);
    EXPECT_EQ(App.ErrorBoxes[1], told) << "the close is told too";
    EXPECT_EQ(ReadSettings(), before);
}
