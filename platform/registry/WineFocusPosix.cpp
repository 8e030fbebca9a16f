// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/registry/WineFocus.h"

// A Linux build does not run under Wine: its windows are X11's or Wayland's own.
std::optional<int> PreferDirectFocusUnderWine() {
    return std::nullopt;
}
