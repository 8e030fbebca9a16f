// The window program: builds the windows in the language chosen for this executable and
// runs them until the main window closes.
//
//   brookfetch [FILE.brk]
//
// A configuration file given as the one argument (a double click on it, "Open with") is
// opened once the window is up, as File > Open would open it; other arguments are ignored.
#include "BrookfetchVersion.h"
#include "ui/Main.h"
#include "ui/Startup.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstring>

namespace {

// --help and --version answer on the terminal, without a display; true when one did.
bool AnsweredOnTheTerminal(int argc, char* argv[]) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (!std::strcmp(argv[i], "-h") || !std::strcmp(argv[i], "--help")) {
            std::fputs("Usage: brookfetch [options] [FILE.brk]\n"
                       "Programs the configuration connector of the Q47 water sampler through "
                       "the USB adapter.\n"
                       "A FILE.brk given is opened once the window is up.\n"
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
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    QString file;
    if (arguments.size() == 1 && arguments[0].endsWith(QLatin1String(".brk"), Qt::CaseInsensitive))
        file = QFileInfo(arguments[0]).absoluteFilePath();
    if (file.isEmpty())
        return RunWindows();
    return RunWindows([file] { MainForm->OpenNamedFile(file); });
}
