// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/ScriptedApplication.h"

TScriptedApplication::TScriptedApplication() : Previous(Application) {
    Title = QStringLiteral("Brookfetch");
    Application = this;
}

TScriptedApplication::~TScriptedApplication() {
    Application = Previous;
}

int TScriptedApplication::MessageBox(const QString& text, const QString& caption, int flags) {
    Boxes.push_back({text, caption, flags});
    if (WhileBoxOpen)
        WhileBoxOpen();
    if (Answers.empty())
        return IDCANCEL;
    const int answer = Answers.front();
    Answers.pop_front();
    return answer;
}

void TScriptedApplication::ShowException(const Exception& error) {
    ErrorBoxes.push_back(ErrorBoxText(error.Message));
    if (WhileBoxOpen)
        WhileBoxOpen();
}

void TScriptedApplication::ProcessMessages() {
    ++ProcessMessagesCalls;
}

void TScriptedApplication::SetBusyCursor(bool busy) {
    Busy = busy;
    ++BusyChanges;
}
