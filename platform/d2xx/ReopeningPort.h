// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/d2xx/Port.h"

#include <functional>
#include <memory>

// Linux's ftdi_sio stops reading from an adapter whose USB endpoint stalled once, until the port
// is opened again: from then on every reply is lost, although the adapter sends it. The Linux
// driver therefore keeps each terminal it opens behind a port that watches the exchanges: after
// SilentExchanges writes in a row, each followed by a read that heard nothing at all, it closes
// the terminal and opens it again with the settings it had. A byte heard starts the count
// again; a read that no write preceded (a line drained before a retry) counts for nothing.
// Windows' driver has no such fault, and the program above never learns of it.
namespace d2xx {

constexpr int SilentExchanges = 2;

// `port`, opened again by `reopen` when it fell silent; a reopening that fails (nullptr) leaves
// the port gone.
std::unique_ptr<Port> reopenAfterSilence(std::unique_ptr<Port> port,
                                         std::function<std::unique_ptr<Port>()> reopen);

} // namespace d2xx
