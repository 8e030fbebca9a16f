#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A real print of the parameter sheet: a CUPS server of this test's own (its own folders and
# socket, nothing of the system's printing touched) with a queue of Debian's cups-pdf printer,
# which the window prints to through Qt's print support; the PDF cups-pdf makes of the job must
# hold the same text as the exported sheet. cups-pdf reads its settings for a queue from
# /etc/cups/cups-pdf-<queue>.conf and its backend runs as root, so the test needs root; without
# it, or without cupsd or cups-pdf, the window prints to Qt's PDF output instead, and the test
# says so.
#   CupsPrintTest.sh UI_WINDOWS_TEST_PROGRAM   (CTest runs it so)
set -euo pipefail
tests=$1
filter=--gtest_filter=WindowTest.APrintedSheetSaysWhatTheExportedOneSays

ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
missing=
command -v cupsd >/dev/null || missing="cupsd (package cups)"
[[ -f $ppd && -x /usr/lib/cups/backend/cups-pdf ]] || missing="cups-pdf (package printer-driver-cups-pdf)"
[[ $(id -u) == 0 ]] || missing="root (cups-pdf's backend runs as root)"
if [[ -n $missing ]]; then
    echo "CupsPrintTest: no $missing: printing to Qt's PDF output instead of a CUPS queue" >&2
    exec "$tests" "$filter"
fi

dir=$(mktemp -d)
chmod 755 "$dir" # the filters run as the user lp and read the spool files
queue=brookfetch-test-$$
config=/etc/cups/cups-pdf-$queue.conf
server=
cleanup() {
    [[ -n $server ]] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null || true
    rm -f "$config"
    rm -rf "$dir"
}
trap cleanup EXIT
mkdir -p "$dir"/{root,spool,cache,state,tmp,log,out}
chmod 1777 "$dir/tmp"
cat >"$dir/cups-files.conf" <<END
ServerRoot $dir/root
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/tmp
ServerBin /usr/lib/cups
DataDir /usr/share/cups
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
SystemGroup root
END
cat >"$dir/cupsd.conf" <<END
Listen $dir/cups.sock
LogLevel info
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
END
# The queue's own settings: its PDFs and log in the test's folder.
printf 'Out %s\nLog %s\nSpool %s\nUserUMask 0022\n' "$dir/out" "$dir/log" "$dir/cups-pdf-spool" \
    >"$config"

cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" &
server=$!
export CUPS_SERVER=$dir/cups.sock
for _ in $(seq 50); do
    [[ -S $CUPS_SERVER ]] && break
    sleep 0.1
done
# The device URI names the settings file: cups-pdf:/<queue> reads cups-pdf-<queue>.conf.
lpadmin -p "$queue" -E -v "cups-pdf:/$queue" -P "$ppd" 2>/dev/null
lpstat -p "$queue" >/dev/null

BROOKFETCH_TEST_PRINTER=$queue BROOKFETCH_TEST_PRINTED=$dir/out "$tests" "$filter" || {
    echo "--- CUPS error log" >&2
    tail -n 30 "$dir/log/error_log" >&2 || true
    exit 1
}
