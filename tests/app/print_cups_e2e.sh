#!/usr/bin/env bash
# Prints two months from the print window on a real CUPS queue of the cups-pdf virtual
# printer, and checks the PDF file the queue wrote: its pages and its text.
#
#   print_cups_e2e.sh DRIVER CALENDAR YEAR
#
# Starts a cupsd of its own (configuration, spool and socket in a scratch folder), which
# needs root; exits 77 (skipped) with the reason where it cannot: not root, no cupsd, no
# cups-pdf backend (Debian: cups and printer-driver-cups-pdf), or a cupsd that does not come
# up. cups-pdf writes into the home folder of the user (~/PDF); the test removes its file.
set -euo pipefail
driver=$1 calendar=$2 year=$3
skip() { echo "SKIPPED: $*"; exit 77; }

[ "$(id -u)" -eq 0 ] || skip "starting cupsd needs root"
cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
[ -x "$cupsd" ] || skip "cupsd is not installed (package cups)"
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "the cups-pdf backend is not installed (package printer-driver-cups-pdf)"
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$ppd" ] || skip "no $ppd"
for tool in lpadmin lpstat pdfinfo pdftotext xvfb-run; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done

scratch=$(mktemp -d)
cupsd_pid=""
cleanup() {
  [ -n "$cupsd_pid" ] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

# The filters run as the lp user and must reach the spool below the scratch folder.
chmod 755 "$scratch"
mkdir -p "$scratch/etc/ppd" "$scratch/spool/tmp" "$scratch/cache" "$scratch/run"
socket="$scratch/cups.sock"
cat > "$scratch/etc/cupsd.conf" <<CONF
Listen $socket
LogLevel info
WebInterface No
Browsing No
ErrorPolicy abort-job
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF
cat > "$scratch/etc/cups-files.conf" <<CONF
ServerRoot $scratch/etc
RequestRoot $scratch/spool
TempDir $scratch/spool/tmp
CacheDir $scratch/cache
StateDir $scratch/run
ServerBin /usr/lib/cups
DataDir /usr/share/cups
ErrorLog $scratch/error_log
AccessLog $scratch/access_log
PageLog $scratch/page_log
FileDevice No
CONF
"$cupsd" -f -c "$scratch/etc/cupsd.conf" -s "$scratch/etc/cups-files.conf" &
cupsd_pid=$!
for _ in $(seq 50); do [ -S "$socket" ] && break; sleep 0.1; done
[ -S "$socket" ] || skip "cupsd did not start: $(tail -n 3 "$scratch/error_log" 2>/dev/null)"
export CUPS_SERVER="$socket"

lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E 2>/dev/null ||
  lpadmin -p PDF -v cups-pdf:/ -P "$ppd" -E 2>/dev/null
# The poppler-cairo renderer keeps the text of the pages readable in the PDF cups-pdf makes.
lpadmin -p PDF -o pdftops-renderer-default=pdftocairo
lpstat -p PDF

home=$(getent passwd "$(id -un)" | cut -d: -f6)
out="$home/PDF"
mkdir -p "$out"
stamp="$scratch/stamp"
touch "$stamp"
sleep 1 # file times have whole seconds on some file systems

xvfb-run -a -s "-screen 0 1024x768x24" "$driver" "$calendar" "$year" PDF 3,11

# The job goes through the queue's filters and the backend; wait until it is done.
for _ in $(seq 120); do
  lpstat -o PDF | grep -q . || break
  sleep 0.5
done
pdf=$(find "$out" -maxdepth 1 -name '*.pdf' -newer "$stamp" | head -n 1)
[ -n "$pdf" ] || {
  echo "the queue wrote no PDF into $out"; grep -F "[Job" "$scratch/error_log" | tail -n 20; exit 1; }
trap 'rm -f "$pdf"; cleanup' EXIT
echo "the queue wrote $pdf"

pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
[ "$pages" = 2 ] || {
  echo "expected 2 pages, the PDF has $pages"; grep -F "[Job" "$scratch/error_log" | tail -n 20; exit 1; }
first=$(pdftotext -f 1 -l 1 "$pdf" -)
second=$(pdftotext -f 2 -l 2 "$pdf" -)
grep -q "March $year" <<<"$first" || { echo "page 1 is not March $year:"; echo "$first"; exit 1; }
grep -q "November $year" <<<"$second" || { echo "page 2 is not November $year:"; echo "$second"; exit 1; }
grep -q "Thanksgiving" <<<"$second" || { echo "page 2 lacks Thanksgiving:"; echo "$second"; exit 1; }
echo "2 pages: March and November $year"
