#!/usr/bin/env bash
# The real daylark on a virtual display with a window manager and a notification area
# (xvfb-run with icewm), driven from the keyboard and mouse with xdotool.
# usage: startup_e2e.sh DAYLARK CALENDAR SCENARIO
#   splash:     a start-up message is never hidden under the splash window
#   unreadable: a calendar on the command line that cannot be read is never saved over
#   setup:      the setup window cannot be closed, and bringing it back from the tray menu
#               keeps what was typed (nothing is read again, Save still saves it)
# CALENDAR is a readable calendar titled "Our Family 2027". Exits 77 (skipped) when a tool
# is missing.
set -euo pipefail
daylark=$1 calendar=$2 scenario=$3
for tool in xvfb-run icewm xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
cp "$calendar" "$scratch/family.qvf"
printf 'Version 1.0\r\nOld notes\r\n' >"$scratch/notes.qvf"

xvfb-run -a -s "-screen 0 1280x1024x24" bash -s "$daylark" "$scratch" "$scenario" <<'SCRIPT'
set -uo pipefail
daylark=$1 scratch=$2 scenario=$3
icewm >/dev/null 2>&1 &
sleep 2
fail() { echo "FAILED: $*"; exit 1; }
start() { "$daylark" "$@" 2>/dev/null & pid=$!; }
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
size() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p'; }
position() { xdotool getwindowgeometry "$1" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p'; }
# Visible windows titled "Daylark" other than the tray icon: the splash and the messages.
daylark_windows() {
  local id w h
  for id in $(xdotool search --all --onlyvisible --pid "$pid" --name '^Daylark$' 2>/dev/null); do
    read -r w h < <(size "$id")
    [ "${w:-0}" -gt 64 ] && echo "$id"
  done
}
focus() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; sleep 0.3; }
trap 'kill $pid 2>/dev/null' EXIT

case $scenario in
splash)
  start "$scratch/missing file.qvf"
  box=$(window '^File Error$' 30) || fail "no message about the missing file"
  sleep 0.5
  for id in $(daylark_windows); do
    read -r w h < <(size "$id")
    fail "the splash window ($w x $h) is still on the screen over the message"
  done
  focus "$box"
  xdotool key --clearmodifiers Return
  window '^Daylark - \[Untitled\]$' 10 >/dev/null || fail "no main window after the message"
  echo "the message came up alone; the main window followed it"
  ;;
unreadable)
  start "$scratch/notes.qvf"
  box=""
  for _ in $(seq 300); do # the message titled "Daylark", not the splash of that title
    for id in $(daylark_windows); do
      [ "$(size "$id")" = "440 250" ] || box=$id
    done
    [ -n "$box" ] && break
    sleep 0.1
  done
  [ -n "$box" ] || fail "no message about the unreadable file"
  focus "$box"
  xdotool key --clearmodifiers Return
  main=$(window '^Daylark - \[Untitled\]$' 10) || fail "no main window"
  focus "$main"
  xdotool key --clearmodifiers Tab
  xdotool type --delay 30 "hello"
  xdotool key --clearmodifiers ctrl+s
  window '^Save Vemora File As$' 10 >/dev/null || fail "Save asked for no file name"
  [ "$(head -c 11 "$scratch/notes.qvf")" = "Version 1.0" ] || fail "notes.qvf was written over"
  echo "Save asked for a name and notes.qvf is as it was"
  ;;
setup)
  start "$scratch/family.qvf"
  main=$(window '^Daylark - Our Family 2027$' 30) || fail "no main window"
  focus "$main"
  xdotool key --clearmodifiers ctrl+w # the keys that close a window inside the main window
  sleep 0.3
  xdotool key --clearmodifiers End
  xdotool type --delay 30 " Edited"
  window '^Daylark - Our Family 2027 Edited$' 5 >/dev/null ||
    fail "typing reached no title box: the setup window was closed"
  tray=""
  for _ in $(seq 50); do
    # The icon sits in the window manager's tray, where a search by name does not reach.
    for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
      read -r w h < <(size "$id")
      [ "$(xdotool getwindowname "$id")" = Daylark ] && [ "${w:-99}" -le 64 ] && tray=$id
    done
    [ -n "$tray" ] && break
    sleep 0.1
  done
  [ -n "$tray" ] || fail "no tray icon"
  read -r x y < <(position "$tray")
  xdotool mousemove $(( x + 12 )) $(( y + 12 )) click 1
  sleep 0.7
  xdotool key Down Return # "Display Daylark Setup", the first item that is enabled
  sleep 0.7
  main=$(window '^Daylark - Our Family 2027 Edited$' 5) || fail "the calendar was read again"
  focus "$main"
  xdotool key --clearmodifiers ctrl+s
  sleep 1
  [ "$(sed -n 2p "$scratch/family.qvf" | tr -d '\r')" = "Our Family 2027 Edited" ] ||
    fail "Save did not save the edited title"
  echo "the setup window stayed, and Save saved the edit after Display Daylark Setup"
  ;;
*)
  fail "unknown scenario $scenario"
  ;;
esac
SCRIPT
