// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/framework/Application.h"

#include <QString>
#include <deque>
#include <functional>
#include <vector>

// An application object for tests: message boxes never block. Each box takes the next
// queued answer (IDCANCEL when none is queued) and is recorded with its text, caption and
// button set; error boxes are recorded with the text they would show.
class TScriptedApplication : public TApplication {
public:
    struct Box {
        QString Text;
        QString Caption;
        int Flags;
    };

    TScriptedApplication();           // installs itself as Application
    ~TScriptedApplication() override; // restores the previous one

    int MessageBox(const QString& text, const QString& caption, int flags) override;
    void ShowException(const Exception& error) override;
    void ProcessMessages() override;
    void SetBusyCursor(bool busy) override;

    void Answer(int id) { Answers.push_back(id); }

    std::deque<int> Answers;
    std::vector<Box> Boxes;          // every message box shown, in order
    std::vector<QString> ErrorBoxes; // every default error box, with the text shown
    bool Busy = false;
    int BusyChanges = 0;
    int ProcessMessagesCalls = 0;
    // Runs inside each message box before it answers, e.g. to let timers tick while a box
    // is open, as a real modal box would.
    std::function<void()> WhileBoxOpen;

private:
    TApplication* Previous;
};
