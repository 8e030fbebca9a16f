#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# brookfetch-cli.exe under Wine as a technician runs it on Windows, through the simulated
# FTD2XX.DLL beside it: write, verify and read clone a connector byte for byte under Cyrillic and
# Chinese file names; the exit codes are Linux's; --all reads two adapters in lanes (child
# processes); Ctrl+C (Wine turns a SIGINT into the console's Ctrl+C) lets a write finish and
# stops the lanes after their connector. Without the DLL the program names the missing driver.
#   WindowsCliTest.sh WINE SIMULATED_DRIVER_FOLDER PROGRAM_FOLDER   (CTest runs it so)
set -euo pipefail
wine=$1
simulated=$2/brookfetch-cli.exe
plain=$3/brookfetch-cli.exe
export LC_ALL=C.UTF-8 # names reach Wine in UTF-8, the program in UTF-16

scratch=$(mktemp -d)
running=
cleanup() {
    [[ -n $running ]] && kill "$running" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*" >&2
    for file in "$scratch"/*.out "$scratch"/*.err; do
        [[ -s $file ]] && sed "s|^|${file##*/}: |" "$file" >&2
    done
    exit 1
}
# A Linux path as Wine's drive Z: shows it to Windows programs.
win() { printf 'Z:%s' "${1//\//\\}"; }
# Each transfer's entry goes into a history of the test's own, not the Wine profile's.
BROOKFETCH_HISTORY=$(win "$scratch/history.jsonl")
export BROOKFETCH_HISTORY
# run CODE NAME ARGUMENTS...: brookfetch-cli.exe ($program, else the one beside the simulated
# driver) must end with CODE; its output is kept in NAME.out and NAME.err.
run() {
    local code=$1 name=$2 got=0
    shift 2
    "$wine" "${program:-$simulated}" "$@" >"$scratch/$name.out" 2>"$scratch/$name.err" || got=$?
    [[ $got == "$code" ]] || fail "$name: exit code $got instead of $code"
}
same() { cmp -s "$1" "$2" || fail "$3"; }
first128() { head -c 128 "$1"; }
# started PID NAME PATTERN...: waits until NAME.out and NAME.err together hold every PATTERN.
started() {
    local pid=$1 name=$2 pattern missing
    shift 2
    for _ in $(seq 200); do
        kill -0 "$pid" 2>/dev/null || fail "$name ended before it got going"
        missing=
        for pattern in "$@"; do
            cat "$scratch/$name.out" "$scratch/$name.err" | grep -q -- "$pattern" || missing=1
        done
        [[ -z $missing ]] && return
        sleep 0.1
    done
    fail "$name never showed: $*"
}
# ended PID: sets `code` to its exit code, after at most 20 s.
ended() {
    for _ in $(seq 200); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$1" 2>/dev/null && fail "still running 20 s after Ctrl+C"
    code=0
    wait "$1" || code=$?
    running=
}

# Without FTD2XX.DLL: no adapter, and why.
program=$plain run 4 no-driver status
grep -q "FTDI's D2XX driver (FTD2XX.DLL) is not installed" "$scratch/no-driver.err" ||
    fail "the missing driver is not named"

# Windows words only: no Linux driver, group or device path in what a technician reads.
linux_words() { grep -E 'ftdi_sio|lsmod|dialout|/dev/' "$@"; }
BROOKFETCH_SIM="--description Other" run 4 no-adapter status
grep -q "Device Manager" "$scratch/no-adapter.err" || fail "no adapter: Device Manager not named"
run 0 help-write help write
run 0 help --help
! linux_words "$scratch"/no-driver.* "$scratch"/no-adapter.* "$scratch"/help-write.* \
    "$scratch"/help.* || fail "Linux words in the Windows program's texts"
grep -q "device index" "$scratch/help-write.out" || fail "--port does not say it takes an index"

# read -> write -> read: the same bytes as the connector memory, under names in any script.
river=$scratch/Образец.brk
lake=$scratch/样本.brk
copy=$scratch/копия-副本.brk
run 0 new-river new "$(win "$river")" PrePurge=77 SamplesCount=5
run 0 new-lake new "$(win "$lake")" PrePurge=12 AccuWarning=11.5
memory=$scratch/connector.mem
{ cat "$river"; head -c 128 /dev/urandom; } >"$memory"
cp "$memory" "$scratch/memory.before"
export BROOKFETCH_SIM="--serial SIM1 --memory $(win "$memory")"
run 0 read read "$(win "$copy")"
same "$copy" <(first128 "$memory") "read did not save the connector's bytes"
grep -qF "read the connector into $(win "$copy")" "$scratch/read.out" ||
    fail "the file is not named as given"
run 0 write write "$(win "$lake")"
same <(first128 "$memory") "$lake" "write did not store the file's bytes"
run 0 verify verify "$(win "$lake")"
# A support trace: every call of the driver's functions and every frame, with its time.
run 0 traced --trace "$(win "$scratch/trace.txt")" status
grep -q '^ *[0-9.]* FT_Open(#0) = FT_OK' "$scratch/trace.txt" &&
    grep -q -- ' --> 5A 10$' "$scratch/trace.txt" || fail "the trace lacks its calls and frames"
run 5 verify-other verify "$(win "$copy")"
run 0 write-back write "$(win "$copy")"
same "$memory" "$scratch/memory.before" "the clone written back differs from the first connector"
run 0 read-again read "$(win "$scratch/again.brk")"
same "$scratch/again.brk" "$copy" "a second read differs from the first"
# Every one of them is in the history, with the image's checksum, under the name as given.
run 0 history history --json
[[ $(grep -c '"checksum":"0x' "$scratch/history.out") == 6 ]] || fail "the history lacks entries"
grep -qF '"file":"'"$(win "$copy" | sed 's/\\/\\\\/g')"'"' "$scratch/history.out" ||
    fail "the history does not name the file as Windows does"

# --port takes the device index that list shows.
export BROOKFETCH_SIM="--serial SIMA;--serial SIMB --no-connector"
run 0 list-two list
grep -qE '^SIMB +1 ' "$scratch/list-two.out" || fail "list does not show the device index as port"
run 4 port-one status --port 1
grep -q "SIMB" "$scratch/port-one.out" || fail "--port 1 did not choose the second adapter"

# Pulled in the middle of a write: the connector must be written again, and a read says why.
# 48 requests find the connector and read what it holds before the write; five blocks are stored.
export BROOKFETCH_SIM="--serial SIM1 --memory $(win "$memory") --unplug-after 53"
run 1 cut write "$(win "$lake")"
grep -q "must be written again before use" "$scratch/cut.err" || fail "a cut write was not told"
export BROOKFETCH_SIM="--serial SIM1 --memory $(win "$memory")"
run 1 half-written read "$(win "$scratch/half.brk")"
grep -q "half-written" "$scratch/half-written.err" || fail "a half-written connector was not told"
run 0 rewrite write "$(win "$copy")"

# The exit codes of Linux.
head -c 100 "$river" >"$scratch/short.brk"
run 64 unknown frobnicate
run 2 missing verify "$(win "$scratch/missing.brk")"
run 3 out-of-range new "$(win "$scratch/x.brk")" PrePurge=999
run 1 short write "$(win "$scratch/short.brk")"
BROOKFETCH_SIM=--no-connector run 4 no-connector status
# An adapter that says "no connector" with another byte than 0.
BROOKFETCH_SIM="--no-connector --absent-answer 0xFF" run 4 no-connector-ff status
grep -q "connector: none" "$scratch/no-connector-ff.out" || fail "0xFF was not taken for none"

# --all: one lane per adapter, each file named by its adapter.
cp "$memory" "$scratch/a.mem"
{ cat "$lake"; head -c 128 /dev/urandom; } >"$scratch/b.mem"
export BROOKFETCH_SIM="--serial SIMA --memory $(win "$scratch/a.mem");--serial SIMB --memory $(win "$scratch/b.mem")"
site=$scratch/站点
run 0 all --all read "$(win "$site.brk")"
same "$site-SIMA.brk" <(first128 "$scratch/a.mem") "lane SIMA read other bytes"
same "$site-SIMB.brk" <(first128 "$scratch/b.mem") "lane SIMB read other bytes"

# Ctrl+C in the middle of a write: the write goes to its end, then the program stops as Windows
# shows an end by Ctrl+C (0xC000013A, of which Wine passes on the low byte: 58).
export BROOKFETCH_SIM="--serial SIM1 --memory $(win "$memory") --delay 40"
"$wine" "$simulated" --trace - write "$(win "$lake")" >"$scratch/stopped.out" 2>"$scratch/stopped.err" &
running=$!
started "$running" stopped '--> 5A 60 '
kill -INT "$running"
ended "$running"
[[ $code == 58 ]] || fail "a write stopped by Ctrl+C ended with $code instead of 58"
grep -q "written and verified first" "$scratch/stopped.err" || fail "the stop was not told"
same <(first128 "$memory") "$lake" "Ctrl+C cut the write short"

# Ctrl+C to --all --wait: each lane finishes its connector, sums up and ends.
export BROOKFETCH_SIM="--serial SIMA --memory $(win "$scratch/a.mem");--serial SIMB --memory $(win "$scratch/b.mem")"
"$wine" "$simulated" --all --wait read "$(win "$site.brk")" >"$scratch/lanes.out" 2>"$scratch/lanes.err" &
running=$!
started "$running" lanes 'SIMA: connector 1 OK' 'SIMB: connector 1 OK'
kill -INT "$running"
ended "$running"
[[ $code == 0 ]] || fail "--all --wait stopped by Ctrl+C ended with $code"
for lane in SIMA SIMB; do
    grep -q "$lane: summary: 1 connector, 1 OK" "$scratch/lanes.out" "$scratch/lanes.err" ||
        fail "lane $lane did not sum up"
done
same "$site-SIMA-0001.brk" <(first128 "$scratch/a.mem") "lane SIMA read other bytes"
echo "brookfetch-cli.exe under Wine: all checks passed"
