// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SingleWindow.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <algorithm>

namespace {

// What a later start sends: the file it was given, in one stream; the answer is one byte.
constexpr QDataStream::Version StreamVersion = QDataStream::Qt_6_0;
constexpr char Taken = 'K';

} // namespace

TSingleWindow::TSingleWindow(const QString& name)
    : Name(name), Lock(name + QStringLiteral(".lock")) {
    // A window may run for days: only a lock whose process is gone is stale, never an old one.
    Lock.setStaleLockTime(0);
}

TSingleWindow::~TSingleWindow() = default;

QString TSingleWindow::SessionName() {
    // Windows names its sessions (Console, RDP-Tcp#2), whatever DISPLAY an X server for
    // Windows may have left in the environment; a Linux desktop is known by its display.
    QString session = qEnvironmentVariable("SESSIONNAME");
    if (session.isEmpty())
        session = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (session.isEmpty())
        session = qEnvironmentVariable("DISPLAY");
    session.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    if (session.isEmpty())
        session = QStringLiteral("none");
    // Windows has no runtime folder: Qt gives the user's home, where the lock would lie in
    // sight. The user's temporary folder is the user's own there too.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || folder == QDir::homePath())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("brookfetch-") + session.right(40));
}

TSingleWindow::TClaim TSingleWindow::Claim(const QString& file, int patience) {
    if (Lock.tryLock(0)) {
        Serve();
        return TClaim::First;
    }
    // No lock can be made here at all (no runtime folder): a window of its own, as before.
    if (Lock.error() != QLockFile::LockFailedError)
        return TClaim::First;
    // The running window may not listen yet (it is starting) or not read yet (a transfer
    // holds it): tried until the patience is spent.
    const QDeadlineTimer deadline(patience);
    do {
        QLocalSocket socket;
        socket.connectToServer(Name);
        if (socket.waitForConnected(
                static_cast<int>(std::min<qint64>(deadline.remainingTime(), 1000)))) {
            QDataStream out(&socket);
            out.setVersion(StreamVersion);
            out << file;
            socket.flush();
            while (!deadline.hasExpired() && socket.bytesAvailable() == 0 &&
                   socket.state() == QLocalSocket::ConnectedState)
                socket.waitForReadyRead(
                    static_cast<int>(std::min<qint64>(deadline.remainingTime(), 1000)));
            char answer = 0;
            if (socket.getChar(&answer) && answer == Taken)
                return TClaim::HandedOver;
        }
        // The window that held the lock may have ended meanwhile: then this start is the first.
        if (Lock.tryLock(0)) {
            Serve();
            return TClaim::First;
        }
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return TClaim::NoAnswer;
}

void TSingleWindow::Serve() {
    // A socket left by a window that crashed would keep the name taken.
    QLocalServer::removeServer(Name);
    Server = new QLocalServer(this);
    Server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!Server->listen(Name))
        return; // this window runs on; later starts then find no one to hand over to
    connect(Server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = Server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                QDataStream in(socket);
                in.setVersion(StreamVersion);
                in.startTransaction();
                QString file;
                in >> file;
                if (!in.commitTransaction())
                    return; // the rest is still on its way
                socket->putChar(Taken);
                socket->flush();
                // Run from the event loop: the request may ask a question of its own.
                QTimer::singleShot(0, this, [this, file] {
                    if (OnRequest)
                        OnRequest(file);
                });
            });
        }
    });
}
