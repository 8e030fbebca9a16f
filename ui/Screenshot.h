#pragma once

#include <QString>

// Saves pictures of the windows into `folder` once the main window is on the screen, then
// ends the program: main-window.png (parameter page), about.png and properties.png. Used by
// scripts/screenshot to show the windows in the documentation.
void ScheduleScreenshots(const QString& folder);
