#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A desktop of a test's own: an X server, a window manager and a D-Bus session, whose
# accessibility bus and registry at-spi2-core starts on demand; runs SCRIPT in it (a .py with
# the Debian Python, which has the AT-SPI bindings) with a scratch folder as its last argument.
#   DesktopSession.sh NAME SCRIPT ARGUMENTS...      (BROOKFETCH_KEEP=1 keeps the scratch folder)
set -euo pipefail
name=$1
script=$2
shift 2
for tool in Xvfb openbox dbus-run-session xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "$name: $tool is missing (scripts/setup installs it)" >&2
        exit 1
    fi
done
runner=()
if [[ $script == *.py ]]; then
    runner=(/usr/bin/python3)
    if ! "${runner[0]}" -c 'import pyatspi' 2>/dev/null; then
        echo "$name: python3-pyatspi is missing (scripts/setup installs it)" >&2
        exit 1
    fi
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
    echo "$name: Xvfb did not start" >&2
    cat "$scratch/xvfb.log" >&2
    exit 1
fi
export DISPLAY=:$display
openbox >"$scratch/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

status=0
dbus-run-session -- "${runner[@]}" "$script" "$@" "$scratch" || status=$?
# A failed run keeps what it left (the scripts put a screenshot there at each failure).
((status == 0)) || BROOKFETCH_KEEP=1
exit "$status"
