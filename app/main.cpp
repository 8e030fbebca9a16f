// The window program: builds the windows in the language chosen for this executable and
// runs them until the main window closes.
#include "BrookfetchVersion.h"
#include "ui/Startup.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

namespace {

// --help and --version answer on the terminal, without a display; true when one did.
bool AnsweredOnTheTerminal(int argc, char* argv[]) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (!std::strcmp(argv[i], "-h") || !std::strcmp(argv[i], "--help")) {
            std::fputs("Usage: brookfetch [options]\n"
                       "Programs the configuration connector of the Q47 water sampler through "
                       "the USB adapter.\n"
                       "\n"
                       "Options:\n"
                       "  -h, --help     Show this help.\n"
                       "  -V, --version  Show the program's version.\n",
                       stdout);
            return true;
        }
        if (!std::strcmp(argv[i], "-V") || !std::strcmp(argv[i], "--version")) {
            std::printf("brookfetch %s\n", BrookfetchVersion);
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (AnsweredOnTheTerminal(argc, argv))
        return 0;
    QApplication qt(argc, argv);
    // Names the desktop entry, so that a Wayland desktop shows its icon for the window.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brookfetch.Brookfetch"));
    return RunWindows();
}
