// The yardstick for bench_startup: an empty Qt Widgets main window that reports when it is up
// the same way bench_startup_probe does, then quits.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <ctime>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.resize(640, 480);
    window.show();
    QTimer::singleShot(0, &window, [] {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::fprintf(stderr, "probe shown %lld\n",
                     static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000);
        QCoreApplication::quit();
    });
    return QApplication::exec();
}
