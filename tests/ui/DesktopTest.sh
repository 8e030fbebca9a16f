#!/usr/bin/env bash
# The window program on an X display with a window manager, driven with keys as a user drives
# it: a stored placement that no screen can hold, or that no screen shows, still opens a
# window that fits and is seen, and closes normally with Ctrl+Q; Save and Open by their
# dialogs leave nothing behind that takes the next keys (Alt+F, X closes the program); a file
# given as the argument is the current file, saved without a dialog.
#   DesktopTest.sh PROGRAM      (under xvfb-run with a 1280x1024 screen; CTest runs it so)
set -euo pipefail
program=$1
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

mkdir -m 700 "$scratch/config" "$scratch/ports" "$scratch/files"
export XDG_CONFIG_HOME=$scratch/config BROOKFETCH_PORTS=$scratch/ports LANG=C.UTF-8
export QT_QPA_PLATFORM=xcb
cp "$program" "$scratch/brookfetch"

openbox >"$scratch/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

settings() { # top left width height
    printf '[Properties]\nVersion=256\n[MainForm]\nMainTop=%s\nMainLeft=%s\nMainWidth=%s\nMainHeight=%s\nMainState=0\nLanguageId=0\n' \
        "$@" >"$scratch/brookfetch.INI"
}
setting() {
    sed -n "s/^$1=//p" "$scratch/brookfetch.INI"
}

# Starts the program and waits for its main window, which it leaves in $window.
start() {
    "$scratch/brookfetch" "$@" >"$scratch/program.log" 2>&1 &
    pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Brookfetch$' | head -1) ||
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
    id=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -1) ||
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

# 1. A size no screen holds.
settings 0 0 2147483647 99999
start
expect_on_screen "a stored size of 2147483647 x 99999"
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

# 3. Save and Open by their dialogs, typed as a user types; then Alt+F, X.
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

# 4. The file as the argument: the current file, saved without a dialog.
before=$(stat -c %i "$file")
start "$file"
xdotool key ctrl+s
for _ in $(seq 50); do
    [[ $(stat -c %i "$file") != "$before" ]] && break
    sleep 0.1
done
[[ $(stat -c %i "$file") != "$before" ]] || fail "Save did not write $file"
xdotool search --onlyvisible --name '^Save file$' >/dev/null && fail "Save asked for a name"
xdotool key ctrl+q
expect_ended "Ctrl+Q"
[[ $(setting File1) == "$file" ]] || fail "the recent files are \"$(setting File1)\""
echo "desktop test: passed"
