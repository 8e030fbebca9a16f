// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/framework/Exceptions.h"

#include <QString>
#include <exception>

// Button sets of the application's message box and the answers it returns (Win32 values).
enum : int { MB_OK = 0, MB_OKCANCEL = 1, MB_YESNOCANCEL = 3 };
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// The services the program expects from its application object. The window program installs
// a Qt implementation; tests install a scripted one.
class TApplication {
public:
    virtual ~TApplication() = default;

    QString Title; // "Brookfetch"

    // A plain box: text, caption, one of the three button sets, no icon.
    virtual int MessageBox(const QString& text, const QString& caption, int flags) = 0;
    // The default error box: the message (with a full stop appended when its last character
    // sorts after "."), the title as caption, the error icon and one OK button.
    virtual void ShowException(const Exception& error) = 0;
    // Handles every pending event once.
    virtual void ProcessMessages() = 0;
    // The screen cursor: the hourglass while true.
    virtual void SetBusyCursor(bool busy) = 0;

    // The text the default error box shows for this message.
    static QString ErrorBoxText(const QString& message);
};

// The one application object; set at start-up (or by a test) before any window exists.
extern TApplication* Application;

// Runs an event handler so that an Exception never crosses the event loop: it is shown in
// the application's error box and the program goes on with the next event. So is any other
// standard exception (a failed allocation, a library's own error): across Qt's event loop it
// would end the program.
template <class Handler>
void Guarded(Handler&& handler) {
    try {
        handler();
    } catch (const Exception& error) {
        Application->ShowException(error);
    } catch (const std::exception& error) {
        Application->ShowException(Exception(QString::fromLocal8Bit(error.what())));
    }
}
