#!/usr/bin/env bash
# The real programs on a virtual display pick the desktop's language at start: under
# LANGUAGE=de the main window's menu and the print window speak German, under LANGUAGE=fr the
# wizard speaks French, and an English desktop keeps the English windows. Windows are found
# by their translated titles.
# usage: language_e2e.sh DAYLARK QVFSCH CALENDAR
# CALENDAR is a readable calendar titled "Our Family 2027". Exits 77 (skipped) when a tool
# is missing.
set -euo pipefail
daylark=$1 qvfsch=$2 calendar=$3
for tool in xvfb-run icewm xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
cp "$calendar" "$scratch/family.qvf"

xvfb-run -a -s "-screen 0 1280x1024x24" bash -s "$daylark" "$qvfsch" "$scratch" <<'SCRIPT'
set -uo pipefail
daylark=$1 qvfsch=$2 scratch=$3
icewm >/dev/null 2>&1 &
sleep 2
fail() { echo "FAILED: $*"; exit 1; }
pid=""
# The first visible window of the program whose title matches $1, waiting up to $2 seconds.
window() {
  local id
  for _ in $(seq $(( $2 * 10 ))); do
    id=$(xdotool search --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
focus() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; sleep 0.3; }
stop() { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; }
trap 'kill $pid 2>/dev/null' EXIT

# $1 LANGUAGE, $2 main window title, $3 print window title
print_window_in() {
  LANGUAGE=$1 "$daylark" "$scratch/family.qvf" 2>/dev/null & pid=$!
  main=$(window "^$2\$" 30) || fail "LANGUAGE=$1: no main window titled \"$2\""
  focus "$main"
  xdotool key --clearmodifiers Escape # the splash window, if it is still up
  xdotool key --clearmodifiers ctrl+p
  window "^$3\$" 10 >/dev/null || fail "LANGUAGE=$1: no print window titled \"$3\""
  stop
}

print_window_in de 'Daylark - Our Family 2027' 'Kalender drucken'
echo "LANGUAGE=de: the print window is \"Kalender drucken\""
print_window_in en 'Daylark - Our Family 2027' 'Print Calendar'
echo "LANGUAGE=en: the print window is \"Print Calendar\""

LANGUAGE=fr:de "$qvfsch" 2>/dev/null & pid=$!
window '^Planificateur QVF$' 30 >/dev/null || fail "LANGUAGE=fr:de: the wizard is not in French"
stop
echo "LANGUAGE=fr:de: the wizard is \"Planificateur QVF\""
# A language the programs do not speak falls to the next one the user named.
LANGUAGE=it:es "$qvfsch" 2>/dev/null & pid=$!
window '^Planificador QVF$' 30 >/dev/null || fail "LANGUAGE=it:es: the wizard is not in Spanish"
stop
echo "LANGUAGE=it:es: the wizard is \"Planificador QVF\""
SCRIPT
