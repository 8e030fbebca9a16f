#!/usr/bin/env bash
# The window program as a screen reader meets it, through the real accessibility bus: an X
# server of its own, a window manager, a D-Bus session with at-spi2-core, and
# AccessibilityTest.py driving the program and the adapter simulator, in English and German.
#   AccessibilityTest.sh PROGRAM SIMULATOR      (CTest runs it so)
set -euo pipefail
program=$1
simulator=$2
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb openbox dbus-run-session xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "accessibility test: $tool is missing (scripts/setup installs it)" >&2
        exit 1
    fi
done
# The Debian Python, which has the AT-SPI bindings, whatever python3 comes first in PATH.
python=/usr/bin/python3
if ! "$python" -c 'import pyatspi' 2>/dev/null; then
    echo "accessibility test: python3-pyatspi is missing (scripts/setup installs it)" >&2
    exit 1
fi

scratch=$(mktemp -d)
xvfb_pid=
wm_pid=
cleanup() {
    [[ -n $wm_pid ]] && kill "$wm_pid" 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    [[ -n ${BROOKFETCH_KEEP:-} ]] && echo "kept $scratch" >&2 || rm -rf "$scratch"
}
trap cleanup EXIT

# The server picks a free display number and writes it into the file.
: >"$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
display=
for _ in $(seq 100); do
    display=$(tr -dc 0-9 <"$scratch/display")
    [[ -n $display && $(tail -c1 "$scratch/display") == "" ]] && break
    display=
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
if [[ -z $display ]]; then
    echo "accessibility test: Xvfb did not start" >&2
    cat "$scratch/xvfb.log" >&2
    exit 1
fi
export DISPLAY=:$display
openbox >"$scratch/openbox.log" 2>&1 &
wm_pid=$!

# The at-spi bus and its registry are started by the session bus on demand and see DISPLAY.
dbus-run-session -- "$python" "$here/AccessibilityTest.py" "$program" "$simulator" "$scratch"
