// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PageCheck.h"

#include "ui/Accessibility.h"
#include "ui/CommandHost.h"

TPageCheck::TPageCheck(TCommandHost& host) : Focused(host.Window().focusWidget()) {
    if (Focused)
        Focused->clearFocus();
    Accepted = host.PageToModel();
    if (!Accepted)
        Focused = nullptr;
}

TPageCheck::~TPageCheck() {
    accessibility::ReturnFocus(Focused);
}
