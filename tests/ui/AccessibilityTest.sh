#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window program as a screen reader meets it, through the real accessibility bus:
# AccessibilityTest.py driving the program and the adapter simulator on a desktop of its own,
# in English and German.
#   AccessibilityTest.sh PROGRAM SIMULATOR      (CTest runs it so)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/../support/DesktopSession.sh" "accessibility test" "$here/AccessibilityTest.py" "$@"
