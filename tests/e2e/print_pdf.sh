#!/usr/bin/env bash
# Print (Alt+P) to a real CUPS queue backed by the cups-pdf driver and read
# the produced PDF back with pdftotext: the heading, every name, the count and
# the version line, in order.
#
# The test starts cupsd when it is not running and adds the queue LullaraPDF
# for its own use; it removes what it added and restores cups-pdf.conf at the
# end. Where CUPS cannot be used here the test reports itself as skipped
# (exit code 77), never as passed.
source "$(dirname "$0")/lib.sh"
e2e_init print_pdf "$1" "$2"

QUEUE=LullaraPDF
PDFCONF=/etc/cups/cups-pdf.conf
BACKEND=/usr/lib/cups/backend/cups-pdf

for t in cupsd lpadmin lpstat lpinfo pdftotext; do
  command -v "$t" >/dev/null 2>&1 || skip "$t is not installed (packages cups, cups-client, poppler-utils)"
done
[ -e "$BACKEND" ] && [ -f "$PDFCONF" ] || skip "the cups-pdf driver is not installed (package printer-driver-cups-pdf)"
[ "$(id -u)" -eq 0 ] || skip "starting cupsd and adding a queue needs root"

# 1. The scheduler.
if ! timeout 5 lpstat -r 2>/dev/null | grep -q 'is running'; then
  mkdir -p /run/cups
  cupsd -f >"$E2E_LOGS/cupsd.log" 2>&1 &
  CUPSD_PID=$!
  on_exit "stop_pid $CUPSD_PID"
  for n in $(seq 1 50); do
    timeout 5 lpstat -r 2>/dev/null | grep -q 'is running' && break
    kill -0 "$CUPSD_PID" 2>/dev/null || break
    sleep 0.2
  done
  timeout 5 lpstat -r 2>/dev/null | grep -q 'is running' || skip "cupsd could not be started here (see cupsd.log)"
  log "started cupsd (pid $CUPSD_PID)"
fi

# 2. The cups-pdf output folder, for this test only.
PDFDIR=$E2E_TMP/pdf
mkdir -p "$PDFDIR"
chmod 0777 "$PDFDIR"
cp -p "$PDFCONF" "$E2E_TMP/cups-pdf.conf.saved"
# A run that was killed before it could restore the file left its own
# folder there: put back the packaged default.
sed -i 's|^Out .*/lullara-e2e\..*$|Out ${HOME}/PDF|' "$E2E_TMP/cups-pdf.conf.saved"
on_exit "cp -p '$E2E_TMP/cups-pdf.conf.saved' '$PDFCONF'"
{ grep -v -E '^[[:space:]]*Out[[:space:]]' "$E2E_TMP/cups-pdf.conf.saved"; echo "Out $PDFDIR"; } >"$PDFCONF"

# 3. The queue.
if ! lpstat -p "$QUEUE" >/dev/null 2>&1; then
  model=$(timeout 30 lpinfo -m 2>/dev/null | awk '/CUPS-PDF_opt\.ppd/ {print $1; exit}') || true
  if [ -n "$model" ]; then
    lpadmin -p "$QUEUE" -E -v cups-pdf:/ -m "$model" >"$E2E_LOGS/lpadmin.log" 2>&1 ||
      skip "lpadmin could not add the queue (see lpadmin.log)"
  else
    ppd=$(ls /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/ppd/cups-pdf/*.ppd 2>/dev/null | head -n 1)
    [ -n "$ppd" ] || skip "no cups-pdf PPD found"
    lpadmin -p "$QUEUE" -E -v cups-pdf:/ -P "$ppd" >"$E2E_LOGS/lpadmin.log" 2>&1 ||
      skip "lpadmin could not add the queue (see lpadmin.log)"
  fi
  on_exit "lpadmin -x $QUEUE"
  log "added queue $QUEUE"
fi
# Poppler's pdftops keeps the program's text as text on its way through
# PostScript to cups-pdf; Ghostscript's renderer turns it into unmapped
# Type 3 glyphs that pdftotext cannot read back.
lpadmin -p "$QUEUE" -o pdftops-renderer-default=pdftocairo >>"$E2E_LOGS/lpadmin.log" 2>&1 || true
cupsenable "$QUEUE" 2>/dev/null || true
cupsaccept "$QUEUE" 2>/dev/null || true
# The program prints to the user's default printer; LPDEST makes it ours
# without touching the machine's default.
export LPDEST=$QUEUE PRINTER=$QUEUE

# 4. A short run, then Print.
start_x
conf_write cmbNum=2 cmbInterval=0
start_app
W=$(main_window)
keys "$W" F6
wait_rows "$W" 3 30 "$E2E_TMP/out/clip.txt"
mapfile -t NAMES < <(tr -d '\r' <"$E2E_TMP/out/clip.txt")
log "generated: ${NAMES[*]}"
keys "$W" alt+p

pdf=""
for n in $(seq 1 120); do
  pdf=$(find "$PDFDIR" -name '*.pdf' -size +0 2>/dev/null | head -n 1)
  [ -n "$pdf" ] && break
  if [ $((n % 10)) -eq 0 ]; then
    xdotool search --onlyvisible --name '^Lullara$' >/dev/null 2>&1 && { shot "print-error" >/dev/null; fail "the program showed a box instead of printing"; }
  fi
  sleep 0.5
done
lpstat -W all -o >"$E2E_LOGS/jobs.txt" 2>&1 || true
[ -n "$pdf" ] || fail "no PDF appeared in the cups-pdf folder within 60 s"
sleep 1   # cups-pdf writes the file in one go; give it a moment to close it
keep "$pdf"
pdftotext -layout "$pdf" "$E2E_TMP/out/printout.txt" || fail "pdftotext could not read $pdf"

# 5. The page: heading, blank, names, blank, count, version, date, in order.
expected=("============[ Lullara ]============" "${NAMES[@]}" "${#NAMES[@]} names" "Created with Lullara v.2.0")
mapfile -t got < <(sed 's/^[[:space:]]*//; s/[[:space:]]*$//' "$E2E_TMP/out/printout.txt" | grep -v '^$')
i=0
for line in "${got[@]}"; do
  [ $i -lt ${#expected[@]} ] || break
  [ "$line" = "${expected[$i]}" ] && i=$((i + 1))
done
[ $i -eq ${#expected[@]} ] || fail "the printout lacks \"${expected[$i]}\" (in order); see printout.txt"
last=${got[${#got[@]} - 1]}
[[ "$last" == *"$(date +%Y)"* || "$last" == *"$(date +%y)"* ]] || fail "the printout does not end with the date (\"$last\")"
# Nothing but those lines: no name outside the run, no extra rows.
[ ${#got[@]} -eq $((${#expected[@]} + 1)) ] || fail "the printout has ${#got[@]} text lines, expected $((${#expected[@]} + 1))"

close_by_wm "$W"
log "passed"
