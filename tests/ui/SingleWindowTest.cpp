// SPDX-License-Identifier: GPL-3.0-or-later
// One window per session: the first start serves, a later one hands its file over; what a
// crashed window left behind does not stop a start.
#include "tests/ui/WindowFixture.h"

#include "ui/SingleWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <future>

TEST(SingleWindow, ALaterStartHandsItsFileToTheFirstAndALeftoverLockCountsForNothing) {
    EnsureQtApplication();
    QTemporaryDir temp;
    const QString name = temp.filePath("brookfetch-session");
    // A window that crashed: its lock, as this system's lock files are written, names a
    // process that is gone; its socket is a file.
    QByteArray lock;
    {
        QLockFile held(name + ".lock");
        ASSERT_TRUE(held.tryLock(0));
        QFile file(name + ".lock");
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        lock = file.readAll();
    }
    lock = "2147483644" + lock.mid(lock.indexOf('\n'));
    for (const QString& path : {name + ".lock", name}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(path.endsWith(".lock") ? lock : QByteArray());
    }

    TSingleWindow first(name);
    ASSERT_EQ(first.Claim(QString(), 1000), TSingleWindow::TClaim::First);
    QStringList requests;
    first.OnRequest = [&requests](const QString& file) { requests << file; };

    for (const QString& file : {QStringLiteral("/sets/river 2.brk"), QString()}) {
        auto later = std::async(std::launch::async,
                                [&name, file] { return TSingleWindow(name).Claim(file, 5000); });
        QElapsedTimer waited;
        waited.start();
        while (later.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready &&
               waited.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        ASSERT_EQ(later.get(), TSingleWindow::TClaim::HandedOver) << file.toStdString();
        QCoreApplication::processEvents(); // the request runs from the event loop
    }
    EXPECT_EQ(requests, QStringList({"/sets/river 2.brk", ""}));
}
