// The window program: builds the windows in the language chosen for this executable and
// runs them until the main window closes.
#include "ui/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    return RunWindows();
}
