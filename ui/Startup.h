#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QTranslator>
#include <functional>

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

// Qt ends a program it can give no display with an abort and a page about reinstalling it.
// While this object lives (around the making of the QApplication), such an end prints one line
// saying what the window program needs and exits with 1 instead; Qt's other messages of that
// time are held and passed on when the object goes.
class TDisplayGuard {
public:
    TDisplayGuard();
    ~TDisplayGuard();
    TDisplayGuard(const TDisplayGuard&) = delete;
    TDisplayGuard& operator=(const TDisplayGuard&) = delete;
};

// The window program from start to end, inside the running QApplication: the application
// title, the translation, the four windows in their order, the main window shown and the
// event loop until it closes. `started` runs once from the event loop after the main window
// has been shown and has begun its first data set; an error it raises is shown as any
// handler's. Returns the main routine's exit code, 0.
int RunWindows(const std::function<void()>& started = {});
