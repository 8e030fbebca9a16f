#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window program on an X desktop with a window manager, driven with the pointer and the
# keyboard (DesktopJourneys.py).
#   DesktopJourneys.sh PROGRAM SIMULATOR CLI      (CTest runs it so)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/../support/DesktopSession.sh" "desktop journeys" "$here/DesktopJourneys.py" "$@"
