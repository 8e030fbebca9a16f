// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up with a settings file that cannot be made anywhere: the user's folder is where
// XDG_CONFIG_HOME says, which only Linux reads.
#include "tests/ui/WindowFixture.h"

#include "ui/Main.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTimer>

TEST_F(WindowTest, ASettingsFileThatCannotBeMadeIsReportedAtStartAndCloseAndTheWindowWorks) {
    // A folder the program cannot write sends its settings to the user's folder, and that
    // lies below a regular file: no one can write there, not even root.
    ExePath = Temp.filePath("missing/brookfetch");
    QFile blocker(Temp.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_CONFIG_HOME", blocker.fileName().toLocal8Bit());
    // The status timer ticks while that error box is open, before the message texts exist.
    const QByteArray previousPorts = qgetenv("BROOKFETCH_PORTS");
    qputenv("BROOKFETCH_PORTS", Temp.filePath("ports").toLocal8Bit());
    App.WhileBoxOpen = [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer")))
                QMetaObject::invokeMethod(timer, "timeout");
    };
    StartWindows();
    App.WhileBoxOpen = nullptr;
    qputenv("BROOKFETCH_PORTS", previousPorts);
    ASSERT_EQ(App.ErrorBoxes.size(), 1u);
    EXPECT_EQ(App.ErrorBoxes[0],
              "Unable to write to " + Temp.filePath("blocker/brookfetch/brookfetch.INI") + ".");
    EXPECT_EQ(Main->StatusText(0), "OK");
    EXPECT_EQ(Main->StatusText(1), "<noname>");
    EXPECT_FALSE(Action("DataRead")->isEnabled());
    EXPECT_FALSE(Action("DataWrite")->isEnabled());
    EXPECT_TRUE(Main->close());
    ASSERT_EQ(App.ErrorBoxes.size(), 2u) << "the placement is not kept either: told at the close";
    EXPECT_EQ(App.ErrorBoxes[1], App.ErrorBoxes[0]);
}
