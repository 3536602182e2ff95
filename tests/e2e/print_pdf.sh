#!/usr/bin/env bash
# Print (Alt+P) to a real CUPS queue on the cups-pdf driver, and the PDF read
# back with pdftotext: the heading, every name, the count, the version line
# and the date, in order and nothing else. With two queues and neither the
# default, printing says that no default printer is set; with only one, it
# prints there.
#
# The scheduler is the test's own cupsd: its configuration, spool, logs and
# socket lie in the test's folder, and the program finds it through
# CUPS_SERVER. The cups-pdf backend reads its settings only from /etc/cups,
# from cups-pdf-<name>.conf for a queue with the device URI cups-pdf:/<name>;
# the test adds such a file of its own, which sends the PDF into the test's
# folder, and removes it at the end. Nothing else of the machine's set-up is
# touched. Where this cannot be done the test is skipped (exit code 77).
source "$(dirname "$0")/lib.sh"
e2e_init print_pdf "$1" "$2"
for t in cupsd lpadmin lpstat pdftotext; do command -v $t >/dev/null || skip "no $t (packages cups, cups-client, poppler-utils)"; done
PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -x /usr/lib/cups/backend/cups-pdf ] && [ -f $PPD ] || skip "no cups-pdf driver (package printer-driver-cups-pdf)"
[ "$(id -u)" -eq 0 ] || skip "the cups-pdf backend works only for a root scheduler"

# Files of a run that was killed before its clean-up.
for f in /etc/cups/cups-pdf-lullarae2e*.conf; do
  [ -e "$f" ] && { kill -0 "$(tr -dc 0-9 <<<"${f##*/}")" 2>/dev/null || rm -f "$f"; }
done

C=$E2E_TMP/cups
mkdir -p "$C/pdf" "$C/pdfspool"
chmod 711 "$E2E_TMP"   # the filters run as the user lp and read the spool here
printf '%s\n' "ServerRoot $C" "RequestRoot $C/spool" "CacheDir $C/cache" "StateDir $C/state" "Printcap $C/printcap" \
  "ErrorLog $OUT/cupsd_error_log" "AccessLog $OUT/cupsd_access_log" "PageLog $OUT/cupsd_page_log" >"$C/cups-files.conf"
printf '%s\n' "Listen $C/socket" "Browsing No" "WebInterface No" "DefaultAuthType None" \
  "<Location />" "Order allow,deny" "Allow all" "</Location>" \
  "<Policy default>" "<Limit All>" "Order deny,allow" "</Limit>" "</Policy>" >"$C/cupsd.conf"
INSTANCE=lullarae2e$$
on_exit "rm -f /etc/cups/cups-pdf-$INSTANCE.conf"
printf '%s\n' "Out $C/pdf" "AnonDirName $C/pdf" "Spool $C/pdfspool" "GSTmp $C/pdfspool" "Log $OUT" "Grp lp" \
  >/etc/cups/cups-pdf-$INSTANCE.conf
cupsd -f -c "$C/cupsd.conf" -s "$C/cups-files.conf" >"$OUT/cupsd.log" 2>&1 &
on_exit "stop_pid $!"
export CUPS_SERVER=$C/socket
wait_for 20 'lpstat -r 2>/dev/null | grep -q "is running"' || fail "the test's cupsd did not start (see cupsd_error_log)"
# Poppler's pdftops keeps the program's text as text on its way through
# PostScript to cups-pdf; Ghostscript's renderer turns it into Type 3 glyphs
# that pdftotext cannot read back.
lpadmin -p LullaraPDF -E -v cups-pdf:/$INSTANCE -P $PPD -o pdftops-renderer-default=pdftocairo >"$OUT/lpadmin.log" 2>&1 ||
  fail "lpadmin could not add the queue (see lpadmin.log)"
lpadmin -p LullaraOther -E -v cups-pdf:/$INSTANCE -P $PPD >>"$OUT/lpadmin.log" 2>&1 ||
  fail "lpadmin could not add the second queue (see lpadmin.log)"

start_x
conf_write cmbNum=2 cmbInterval=0
start_app
W=$(main_window)
keys "$W" F6
wait_rows "$W" 3 30 "$OUT/clip.txt"
mapfile -t NAMES < <(tr -d '\r' <"$OUT/clip.txt")
# Two queues, neither the default: the box says so (Ctrl+C copies its text).
keys "$W" alt+p
b=$(wait_window '^Lullara$' 15) || fail "no box when no default printer is set"
keys "$b" ctrl+c; sleep 0.3
timeout 5 xclip -o -selection clipboard >"$OUT/nodefault.txt" 2>&1
grep -q "Printer error: no default printer is set" "$OUT/nodefault.txt" ||
  fail "the box does not say that no default printer is set (see nodefault.txt)"
keys "$b" Return
# The only queue left is used, default or not.
lpadmin -x LullaraOther >>"$OUT/lpadmin.log" 2>&1 || fail "lpadmin could not remove the second queue (see lpadmin.log)"
[ -z "$(lpstat -d 2>/dev/null | grep -i 'destination:')" ] || fail "a default printer is set after all: $(lpstat -d)"
keys "$W" alt+p
pdf_ready() {
  ! window_gone '^Lullara$' && fail "the program showed a box instead of printing"
  pdf=$(find "$C/pdf" -name '*.pdf' -size +0)
  [ -n "$pdf" ] && [ -z "$(lpstat -o)" ]   # the job has left the queue: the file is complete
}
wait_for 60 pdf_ready || fail "no PDF in the cups-pdf folder within 60 s ($(lpstat -W all -o))"
pdftotext -layout "$pdf" "$OUT/printout.txt" || fail "pdftotext could not read $pdf"

mapfile -t got < <(sed 's/^[[:space:]]*//; s/[[:space:]]*$//' "$OUT/printout.txt" | grep -v '^$')
expected=("============[ Lullara ]============" "${NAMES[@]}" "3 names" "Created with Lullara v.2.0")
[ "$(printf '%s\n' "${got[@]:0:6}")" = "$(printf '%s\n' "${expected[@]}")" ] && [ ${#got[@]} -eq 7 ] ||
  fail "the printout's lines are not the heading, the names, the count and the version in order; see printout.txt"
[[ "${got[6]}" == *"$(date +%Y)"* || "${got[6]}" == *"$(date +%y)"* ]] || fail "the printout does not end with the date (\"${got[6]}\")"
close_by_wm "$W"
log passed
