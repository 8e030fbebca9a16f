// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QTranslator>

// The translation the windows are built with: the file chosen for an executable (the stored
// language, else the user's locale) and Qt's own texts (the buttons of the message boxes) in
// the same language. Installed for as long as the object lives.
class TProgramTranslation {
public:
    TProgramTranslation() = default;
    ~TProgramTranslation();
    TProgramTranslation(const TProgramTranslation&) = delete;
    TProgramTranslation& operator=(const TProgramTranslation&) = delete;

    // True when a translation was found and installed; otherwise the built-in English texts
    // stay.
    bool Install(const QString& exePath);
    // The same with a given compiled translation (a .qm file under any name).
    bool InstallFile(const QString& file);

    // The language of the translation installed last while it is installed; English without
    // one: the language the windows speak, and the parameter sheet with them.
    static QLocale::Language Language();

private:
    QTranslator Translation;
    QTranslator QtTranslation;
    QByteArray Data; // the translator reads from it for the whole run
};
