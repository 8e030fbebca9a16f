// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TLicencesBox;
}

// The licences, reached from the About box: Brookfetch's own (the GPL, built into the
// program) and the notices of the other software a package brings along, which lie beside
// the program's data as THIRD-PARTY-NOTICES.txt. Where there is no such file (Linux, where
// the system's own libraries are used) a short text says where their licences are.
class TLicencesBox : public QDialog {
    Q_OBJECT

public:
    // exePath names the executable whose notices are shown; empty means the running program.
    explicit TLicencesBox(QWidget* parent = nullptr, const QString& exePath = QString());
    ~TLicencesBox() override;

    // The name of the notices file beside the program's data.
    static const char NoticesFile[];

    // The libraries of the system the program runs on, one a line, as the package manager
    // knows them: package, version, the licences its copyright file names, and that file
    // ("libqt6core6 6.4.2+dfsg-10 - LGPL-3, GPL-2 - /usr/share/doc/libqt6core6/copyright").
    // Empty where the system keeps no Debian package database.
    static QString
    SystemLibraries(const QString& statusFile = QStringLiteral("/var/lib/dpkg/status"),
                    const QString& docFolder = QStringLiteral("/usr/share/doc"));

private:
    void LoadTexts(const QString& exePath);

    std::unique_ptr<Ui::TLicencesBox> ui;
};
