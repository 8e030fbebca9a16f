#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window program on an X display with a window manager, driven with keys as a user drives
# it: a stored placement that no screen can hold, or that no screen shows, still opens a
# window wholly on the screen, and closes normally with Ctrl+Q; a window closed maximized goes
# back to its earlier size next time; Save and Open by their dialogs leave nothing behind that
# takes the next keys (Alt+F, X closes the program); a file given as the argument is the
# current file, saved without a dialog; a second start hands its file to the running window.
#   DesktopTest.sh PROGRAM      (under xvfb-run with a 1280x1024 screen; CTest runs it so)
set -euo pipefail
program=$1
# Waits for a window by name; see there why not xdotool search --sync.
window_wait=$(cd "$(dirname "$0")/../.." && pwd)/scripts/window-wait
for tool in openbox xdotool xwininfo xprop; do
    if ! command -v "$tool" >/dev/null; then
        echo "desktop test: $tool is missing (scripts/setup installs it)" >&2
        exit 1
    fi
done

scratch=$(mktemp -d)
wm_pid=
pid=
cleanup() {
    [[ -n $pid ]] && kill "$pid" 2>/dev/null || true
    [[ -n $wm_pid ]] && kill "$wm_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*" >&2
    [[ -s $scratch/program.log ]] && sed 's/^/program: /' "$scratch/program.log" >&2
    exit 1
}

mkdir -m 700 "$scratch/config" "$scratch/ports" "$scratch/files" "$scratch/run"
export XDG_CONFIG_HOME=$scratch/config BROOKFETCH_PORTS=$scratch/ports LANG=C.UTF-8
export XDG_RUNTIME_DIR=$scratch/run QT_QPA_PLATFORM=xcb
cp "$program" "$scratch/brookfetch"

# Super+M maximizes and restores, as a user does with the title bar.
cat >"$scratch/openbox.xml" <<'END'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <keyboard><keybind key="W-m"><action name="ToggleMaximize"/></keybind></keyboard>
</openbox_config>
END
openbox --config-file "$scratch/openbox.xml" >"$scratch/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

settings() { # top left width height
    printf '[Properties]\nVersion=256\n[MainForm]\nMainTop=%s\nMainLeft=%s\nMainWidth=%s\nMainHeight=%s\nMainState=0\nLanguageId=0\n' \
        "$@" >"$scratch/brookfetch.INI"
}
# The inside of the window: "width height".
inside() {
    xwininfo -id "$window" | awk '/^  Width/{w=$NF} /^  Height/{h=$NF} END{print w, h}'
}
setting() {
    sed -n "s/^$1=//p" "$scratch/brookfetch.INI"
}

# Starts the program and waits for its main window, which it leaves in $window.
start() {
    "$scratch/brookfetch" "$@" >"$scratch/program.log" 2>&1 &
    pid=$!
    window=$("$window_wait" '^Brookfetch$' 20) ||
        fail "no main window"
    xdotool windowactivate --sync "$window"
    sleep 0.5
}

# The window with the window manager's frame: "x y width height".
frame() {
    local left right top bottom x y w h
    IFS=', ' read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS |
        sed 's/.*= //')
    read -r x y w h < <(xwininfo -id "$window" |
        awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
             /^  Width/{w=$NF} /^  Height/{h=$NF} END{print x, y, w, h}')
    echo $((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))
}

# The window manager frames the window; the program then fits the frame to the screen.
expect_on_screen() {
    local x y w h
    for _ in $(seq 50); do
        read -r x y w h < <(frame)
        ((x >= 0 && y >= 0 && x + w <= 1280 && y + h <= 1024)) && return 0
        sleep 0.1
    done
    fail "$1: the window is at $x,$y, $w x $h on a 1280 x 1024 screen"
}

# Waits for the program to end by itself and expects exit code 0.
expect_ended() {
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "$1: the program did not end"
    local code=0
    wait "$pid" || code=$?
    pid=
    ((code == 0)) || fail "$1: the program ended with $code"
}

# Waits for a dialog of that title to come and to have the keyboard, or to go.
dialog() {
    local id
    id=$("$window_wait" "^$1\$" 10) ||
        fail "no dialog \"$1\""
    timeout 10 xdotool windowactivate --sync "$id" || fail "the dialog \"$1\" gets no focus"
    sleep 0.3
}
dialog_gone() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null || return 0
        sleep 0.1
    done
    fail "the dialog \"$1\" stays"
}

# 1. A size no screen holds, at a place where even a smaller one would hang over the edge.
settings 300 300 2147483647 99999
start
expect_on_screen "a stored size of 2147483647 x 99999 at 300, 300"
peak=$(awk '/VmHWM/{print $2}' "/proc/$pid/status")
((peak < 400 * 1024)) || fail "the program uses $peak kB"
echo "size 2147483647 x 99999: window $(frame), peak memory $peak kB"
xdotool key ctrl+q
expect_ended "Ctrl+Q"
(($(setting MainWidth) <= 1280 && $(setting MainHeight) <= 1024)) ||
    fail "stored again: $(setting MainWidth) x $(setting MainHeight)"

# 2. A place no screen shows.
settings -5000 -5000 800 600
start
expect_on_screen "a stored place of -5000, -5000"
echo "place -5000, -5000: window $(frame)"

# 3. Closed maximized, it stores the size it goes back to.
xdotool key ctrl+q
expect_ended "Ctrl+Q"
settings 100 150 700 500
start
xdotool key super+m
sleep 0.5
[[ $(inside) != "700 500" ]] || fail "Super+M did not maximize the window"
xdotool key ctrl+q
expect_ended "Ctrl+Q while maximized"
[[ $(setting MainState) == 1 && $(setting MainWidth) == 700 && $(setting MainHeight) == 500 &&
    $(setting MainLeft) == 150 && $(setting MainTop) == 100 ]] ||
    fail "stored while maximized: $(grep Main "$scratch/brookfetch.INI" | tr '\n' ' ')"
start
xdotool key super+m
sleep 0.5
[[ $(inside) == "700 500" ]] || fail "restored to $(inside), not 700 x 500"
echo "maximized, closed, started and restored: $(inside)"

# 4. Save and Open by their dialogs, typed as a user types; then Alt+F, X.
file=$scratch/files/one.brk
xdotool key ctrl+s
dialog "Save file"
xdotool key ctrl+a type --delay 20 "$file"
xdotool key Return
dialog_gone "Save file"
[[ -s $file ]] || fail "Save As wrote no $file"
xdotool key ctrl+o
dialog "Open File"
# A part of the name first, so the name completion shows its list.
xdotool type --delay 20 "${file%ne.brk}"
sleep 0.5
xdotool type --delay 20 "ne.brk"
xdotool key Return
dialog_gone "Open File"
sleep 0.5
xdotool key alt+f
sleep 0.3
xdotool key x
expect_ended "Alt+F, X after the Open dialog"

# 5. The file as the argument: the current file, saved without a dialog.
before=$(stat -c %i "$file")
start "$file"
xdotool key ctrl+s
for _ in $(seq 50); do
    [[ $(stat -c %i "$file") != "$before" ]] && break
    sleep 0.1
done
[[ $(stat -c %i "$file") != "$before" ]] || fail "Save did not write $file"
xdotool search --onlyvisible --name '^Save file$' >/dev/null && fail "Save asked for a name"

# 6. A second start with a file, while an edit waits to be saved: the running window asks,
# then opens the file; the second start ends at once with 0 and no second window comes.
other=$scratch/files/two.brk
cp "$file" "$other"
xdotool key ctrl+n
sleep 1.5 # the status check's first tick shows the parameters again
xdotool key Tab Tab type 7 # the mode, then the samples count
code=0
timeout 20 "$scratch/brookfetch" "$other" || code=$?
((code == 0)) || fail "the second start ended with $code"
dialog "Confirmation"
xdotool key alt+n
dialog_gone "Confirmation"
windows=$(xdotool search --onlyvisible --name '^Brookfetch$' | wc -l)
((windows == 1)) || fail "$windows windows after the second start"
xdotool windowactivate --sync "$window"
xdotool key ctrl+q
expect_ended "Ctrl+Q"
[[ $(setting File1) == "$other" ]] || fail "the second start's file was not opened: $(setting File1)"
echo "desktop test: passed"
