#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The parameter sheet of the Windows programs under Wine, read back on the host with pdftotext:
# brookfetch-cli.exe sheet in English, German and Russian, on A4 and Letter, holds every caption
# it should, the values and the checksum, with its fonts embedded; and the window's File, Export
# as PDF (the window tests, which leave their PDF and its file here) says what the command line
# says of the same file.
#   WindowsSheetTest.sh WINE PROGRAM_FOLDER   (CTest runs it so)
set -euo pipefail
wine=$1
cli=$2/brookfetch-cli.exe
tests=$2/ui_windows.exe
export LC_ALL=C.UTF-8

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "FAILED: $*" >&2
    exit 1
}
command -v pdftotext >/dev/null || fail "pdftotext is missing (Debian package poppler-utils)"
win() { printf 'Z:%s' "${1//\//\\}"; }
# The text of a PDF as drawn, blanks folded, the time of printing masked.
text() {
    pdftotext -raw -enc UTF-8 "$1" - | tr '\n\240' '  ' | tr -s ' ' |
        sed -E 's/[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2} [^ ]+/<time>/'
}
holds() { # FILE.pdf TEXT...
    local pdf=$1 shown
    shift
    shown=$(text "$pdf")
    for piece in "$@"; do
        [[ $shown == *"$piece"* ]] || fail "${pdf##*/} lacks \"$piece\": $shown"
    done
}

river=$scratch/river.brk
"$wine" "$cli" -q new "$(win "$river")" PrePurge=30 SamplesCount=12 || fail "new"
checksum=$(od -An -tu1 -j2 -N124 -v "$river" | tr -s ' ' '\n' | awk 'NF { s += $1 } END {
    printf "0x%04X", (65535 - s % 65536) }')
run() { # NAME ARGUMENTS...
    local name=$1
    shift
    "$wine" "$cli" sheet "$@" "$(win "$river")" "$(win "$scratch/$name.pdf")" \
        >"$scratch/$name.out" 2>"$scratch/$name.err" || fail "sheet $*: $(cat "$scratch/$name.err")"
    pdffonts "$scratch/$name.pdf" | awk 'NR > 2 && $(NF-4) != "yes" { exit 1 }' ||
        fail "$name.pdf has a font that is not embedded"
}
run en --language en
holds "$scratch/en.pdf" "Parameter sheet" "$checksum" "Time Delay : 00:00:00" "[hh:mm:ss]" \
    "Before Sampling : 30 [s]" "Warning at : 11.0 [V]" "Pump Pulses : 1500" \
    "12 samples, the first 00:00:00 after the start, then one every 00:15:00, the last 02:45:00" \
    "Programmed by" "Checked by"
run de --language deu --paper a4
holds "$scratch/de.pdf" "Parameterblatt" "$checksum" "Verzögerung: 00:00:00" \
    "Vor der Probenahme: 30 [s]" "Warnung bei: 11,0 [V]" "Programmiert von" "Geprüft von"
run ru --language ru --paper letter
holds "$scratch/ru.pdf" "Лист параметров" "$checksum" "Задержка: 00:00:00" "[чч:мм:сс]" \
    "Перед отбором: 30 [с]" "Предупреждение: 11,0 [В]" "Запрограммировал" "Проверил"
[[ $(pdfinfo "$scratch/ru.pdf" | sed -n 's/^Page size: *//p') == 612*792* ]] ||
    fail "--paper letter did not give a Letter page"

# The window's Export as PDF, and the command line's sheet of the file it exported.
BROOKFETCH_SHEET_KEEP=$(win "$scratch") QT_QPA_PLATFORM=offscreen \
    QT_QPA_FONTDIR=Z:/usr/share/fonts/truetype/dejavu "$wine" "$tests" \
    --gtest_filter=SheetCommandsTest.ExportProposesTheFilesNameAndAsksBeforeReplacing \
    >"$scratch/window.out" 2>&1 || fail "the window's export: $(tail -20 "$scratch/window.out")"
[[ -f $scratch/window.pdf && -f $scratch/window.brk ]] || fail "the window test left no sheet"
"$wine" "$cli" sheet --language en "$(win "$scratch/window.brk")" "$(win "$scratch/cli.pdf")" ||
    fail "the command line's sheet of the window's file"
# The file's folder differs (the window's was a folder of its own): its line is left aside.
window=$(text "$scratch/window.pdf" | sed -E 's/File: [^ ]+ //')
line=$(text "$scratch/cli.pdf" | sed -E 's/File: [^ ]+ //')
[[ -n $window && $window == "$line" ]] || fail "the window's sheet says: $window
the command line's says: $line"
echo "the parameter sheet under Wine: all checks passed"
