// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/framework/Application.h"

// Runs an event handler of a window through the application's guard: an error it raises is
// shown in a box and the program goes on with the next event.
template <class Handler>
auto Guard(Handler handler) {
    return [handler] { Guarded(handler); };
}
