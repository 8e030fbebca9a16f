// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

// One window per user and desktop session. The first start of the window program holds the
// session's lock and listens for later starts; a later start hands its file (or none) to it
// and ends, so no second window overwrites the first one's settings or competes for the
// adapter. A lock or socket left behind by a program that crashed does not count.
class TSingleWindow : public QObject {
    Q_OBJECT

public:
    // `name` names the lock (name + ".lock") and the local socket; SessionName() by default.
    explicit TSingleWindow(const QString& name = SessionName());
    ~TSingleWindow() override;

    enum class TClaim {
        First,      // this process shows the window and serves the later starts
        HandedOver, // the running window took the request: this process ends
        NoAnswer,   // a window runs but took nothing within the time: this one shows its own
    };
    // `file` is the configuration file this start was given, empty for none. Waits at most
    // `patience` ms for a running window that is still starting or busy.
    TClaim Claim(const QString& file, int patience = 10000);

    // In the first process: runs for each later start, from the event loop, with its file.
    std::function<void(const QString& file)> OnRequest;

    // <the user's runtime folder>/brookfetch-<session>: the runtime folder is the user's own
    // (XDG_RUNTIME_DIR on Linux, %TEMP% on Windows), the session is the Windows session's name
    // (SESSIONNAME) or the desktop's display (WAYLAND_DISPLAY, else DISPLAY). On Windows the
    // socket is a named pipe of that name.
    static QString SessionName();

private:
    void Serve();

    QString Name;
    QLockFile Lock;
    QLocalServer* Server = nullptr;
};
