// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// brookfetch-adapter-sim as a child process of a test or a benchmark: started on a port folder
// and a memory file of the caller's, ready once it has said so; commands go to its standard
// input. The caller defines BROOKFETCH_SIM_PROGRAM, the program's path.

#include <QByteArray>
#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace testsupport {

class SimulatorProcess {
public:
    SimulatorProcess(const QString& ports, const QString& memory, const QStringList& extra) {
        Process.setProgram(QStringLiteral(BROOKFETCH_SIM_PROGRAM));
        Process.setArguments(QStringList{"--ports", ports, "--memory", memory} + extra);
        Process.start();
        if (!Process.waitForStarted(5000))
            return;
        QElapsedTimer timer;
        timer.start();
        while (!Process.canReadLine() && timer.elapsed() < 10000 &&
               Process.state() == QProcess::Running)
            Process.waitForReadyRead(100);
        // "ready <port file> <terminal>"
        const QList<QByteArray> ready = Process.readLine().trimmed().split(' ');
        Ready = ready.value(0) == "ready";
        Port = QString::fromUtf8(ready.value(2));
    }
    ~SimulatorProcess() {
        if (Process.state() != QProcess::NotRunning) {
            Process.write("quit\n");
            if (!Process.waitForFinished(3000)) {
                Process.kill();
                Process.waitForFinished(3000);
            }
        }
    }
    // Sends a command and waits until the simulator has carried it out.
    bool Command(const QByteArray& word) {
        Process.write(word + "\n");
        const QByteArray done = "brookfetch-adapter-sim: " + word;
        QElapsedTimer timer;
        timer.start();
        while (!Errors.contains(done) && timer.elapsed() < 5000) {
            Process.waitForReadyRead(50);
            Errors += Process.readAllStandardError();
        }
        const bool taken = Errors.contains(done);
        Errors.clear();
        return taken;
    }

    // With --verbose: waits until the simulator has served a request that it logs with this
    // text, after the last command.
    bool WaitForRequest(const QByteArray& text) {
        QElapsedTimer timer;
        timer.start();
        while (!Errors.contains(text) && timer.elapsed() < 10000) {
            Process.waitForReadyRead(50);
            Errors += Process.readAllStandardError();
        }
        return Errors.contains(text);
    }

    QProcess Process;
    QByteArray Errors;
    bool Ready = false;
    QString Port; // the pseudo-terminal it serves, as the adapter's port
};

} // namespace testsupport
