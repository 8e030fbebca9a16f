#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows window program under Wine, on a desktop with a window manager, driven with the
# pointer and the keyboard through xdotool: the VAR mode chosen from its open list with the mouse
# and saved through the Save dialog (the file read back by brookfetch-cli.exe); the language
# chosen with the mouse in Properties, the next start in that language. Wine's windows carry no
# accessibility bus, so a drop-down is found by what the window shows: its list, opened once with
# the keyboard, stands right below it; the list's rows share its height.
#   WineJourneys.sh WINE SIMULATED-DRIVER-FOLDER    (CTest runs it on a desktop of its own)
set -euo pipefail
wine_run=$1
from=$2
scratch=$3
here=$(cd "$(dirname "$0")" && pwd)
window_wait=$here/../../scripts/window-wait

# A copy of the program folder: its settings file beside it is this test's own.
folder=$scratch/Brookfetch
cp -rL "$from" "$folder"
rm -f "$folder"/*.INI "$folder"/*.mem
export BROOKFETCH_SIM="--memory Z:$scratch/connector.mem"
# A Windows profile of this test's own, copied from the build's: Wine serves one profile with one
# wineserver, whose desktop belongs to the first program that started it. A window test that
# ran offscreen beside this one in the build's profile took that desktop (no window of ours came
# up on this screen, and the program logged nothing); in a profile of its own the program's
# windows come up on this test's screen, whatever runs beside it.
profile=${WINEPREFIX:-$(cd "$from/.." && pwd)/wine}
export WINEPREFIX=$scratch/wine
# A profile not made yet is made afresh here by the first start (scripts/windows-wine).
[[ -f $profile/.brookfetch-ready ]] && cp -a "$profile" "$WINEPREFIX"
winpath() { echo "Z:${1//\//\\}"; }

failures=0
program=
fail() {
    echo "wine journeys: FAILED: $*" >&2
    failures=$((failures + 1))
    # What the screen showed then, for whoever reads the failure.
    import -window root "$scratch/failure-$failures.png" 2>/dev/null || true
}
step() { echo "wine journeys: $*" >&2; }
stop() {
    [[ -n $program ]] && kill "$program" 2>/dev/null || true
    program=
}
trap 'stop; wineserver -k 2>/dev/null || true' EXIT

start() {
    "$wine_run" "$folder/brookfetch.exe" >>"$scratch/program.log" 2>&1 &
    program=$!
    window=$("$window_wait" '^Brookfetch$' 180) || { fail "no Brookfetch window"; return 1; }
    xdotool windowactivate --sync "$window"
    sleep 2 # the status check's first tick brings the parameters in front of the logo
}
quit() {
    xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4
    if ! timeout 60 tail --pid="$program" -f /dev/null; then
        fail "Alt+F4 did not end the program"
        kill "$program" 2>/dev/null || true
    fi
    wait "$program" || true
    program=
}
visible() { xdotool search --onlyvisible --name '' 2>/dev/null | sort; }
geometry() { # window: "x y width height"
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
        /^  Width/{w=$NF} /^  Height/{h=$NF} END{print x, y, w, h}'
}
# The window that came up since the list of windows `before`, once it is there.
new_window() { # before
    local found
    for _ in $(seq 100); do
        found=$(comm -13 <(echo "$1") <(visible) | head -n1)
        [[ -n $found ]] && { echo "$found"; return 0; }
        sleep 0.1
    done
    return 1
}
# Chooses row `row` of `rows` shown in the list of the drop-down that has the keyboard: the
# list opened with Alt+Down shows where it stands, then it is opened with a click on the box
# above it and the row clicked.
choose_with_mouse() { # row rows what
    local before list x y w h
    before=$(visible)
    xdotool key --clearmodifiers alt+Down
    list=$(new_window "$before") || { fail "$3: its list did not open"; return 1; }
    read -r x y w h < <(geometry "$list")
    xdotool key --clearmodifiers Escape
    sleep 0.5
    before=$(visible)
    xdotool mousemove --sync $((x + w / 2)) $((y - 8)) click 1
    list=$(new_window "$before") || { fail "$3: a click on the box did not open its list"; return 1; }
    read -r x y w h < <(geometry "$list")
    xdotool mousemove --sync $((x + w / 3)) $((y + h * (2 * $1 + 1) / (2 * $2))) click 1
    sleep 0.5
    visible | grep -qx "$list" && fail "$3: the list stayed open after the click"
    return 0
}
save_as() { # path
    local before dialog
    before=$(visible)
    xdotool key --clearmodifiers ctrl+s
    dialog=$(new_window "$before") || { fail "no Save dialog"; return 1; }
    sleep 1
    # The name field offers "noname" with the caret before it: the typed path replaces it.
    xdotool key --clearmodifiers End shift+Home
    xdotool type --delay 30 "$(winpath "$1")"
    xdotool key --clearmodifiers Return
    for _ in $(seq 100); do [[ -f $1 ]] && return 0; sleep 0.1; done
    fail "the Save dialog wrote no $1"
}
# The window has the keyboard again once a dialog is gone, without a click: Alt+F opens File
# (Alt+D its German "Datei").
keyboard_back() { # dialog [key]
    local before
    sleep 1
    before=$(visible)
    xdotool key --clearmodifiers "${2:-alt+f}"
    if new_window "$before" >/dev/null; then
        xdotool key --clearmodifiers Escape
    else
        fail "the window did not take the keyboard back after the $1"
    fi
}
cli() { "$wine_run" "$folder/brookfetch-cli.exe" "$@" 2>&1 | tr -d '\r'; }

step "the VAR mode chosen from its open list with the mouse, saved through the Save dialog"
mkdir -p "$scratch/files"
file=$scratch/files/river.brk
start
# The fields in the page's order: the mode, the samples count, the two purging times, the VAR
# mode.
xdotool key --clearmodifiers Tab Tab Tab Tab
choose_with_mouse 2 3 "the VAR mode"
save_as "$file"
keyboard_back "Save dialog"
shown=$(cli show --json "$(winpath "$file")")
[[ $shown == *'"VarMode":3'* ]] || fail "the saved file's VAR mode: $shown"
# Byte for byte the defaults with the 4-20 mA input, as brookfetch-cli makes them.
cli new --quiet "$(winpath "$scratch/files/expected.brk")" VarMode=3 >/dev/null
cmp "$file" "$scratch/files/expected.brk" || fail "the saved file's bytes differ"
quit

step "the language chosen with the mouse in Properties, OK"
start
before=$(visible)
xdotool key --clearmodifiers alt+f r
dialog=$(new_window "$before") || fail "Properties did not open"
"$window_wait" '^Program Properties$' 30 >/dev/null || fail "Properties did not come up"
sleep 1
# The list: <Default>, then the fourteen languages by name: Čeština, Deutsch, ...
choose_with_mouse 2 15 "the language"
xdotool key --clearmodifiers Return
# The notice is answered once it has the keyboard; on a busy machine it may come up a while after
# it is mapped, so Enter is pressed until it is gone.
if notice=$("$window_wait" '^Warning$' 30); then
    for _ in 1 2 3 4 5; do
        xdotool windowactivate --sync "$notice" 2>/dev/null || true
        xdotool key --clearmodifiers Return
        sleep 1
        xdotool search --onlyvisible --name '^Warning$' >/dev/null 2>&1 || break
    done
else
    fail "no notice of the new language"
fi
quit
grep -q '^LanguageId=5' "$folder/brookfetch.INI" || fail "the settings hold no LanguageId=5"
stored=$(wine reg query 'HKCU\Software\Borland\Locales' /v "$(winpath "$folder/brookfetch.exe")" \
    2>/dev/null | tr -d '\r' || true)
[[ $stored == *REG_SZ*deu* ]] || fail "the language store holds: $stored"

step "the next start in German"
start
xdotool key --clearmodifiers ctrl+n ctrl+s
# Found by its German title: the first new window is not always the dialog's own.
if "$window_wait" '^Datei speichern$' 30 >/dev/null; then
    sleep 1
    xdotool key --clearmodifiers Escape
else
    fail "no Save dialog titled \"Datei speichern\""
fi
keyboard_back "German Save dialog" alt+d
quit

((failures == 0)) || exit 1
echo "wine journeys: passed"
