#!/usr/bin/env bash
# Starts the real daylark on a virtual display with a calendar file on its command line,
# finds the main window named after the calendar's title, then ends the program with
# File > Exit from the keyboard: without a notification area the program must end, not hide.
# usage: open_calendar_e2e.sh DAYLARK CALENDAR TITLE
# The user's data folder is a scratch folder, or $DAYLARK_E2E_DATA_HOME when set (to look at
# what the program wrote there).
set -euo pipefail
export E2E_FIND_WINDOW="$(cd "$(dirname "$0")" && pwd)/find_window.sh"
daylark=$1 calendar=$2 title=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="${DAYLARK_E2E_DATA_HOME:-$scratch/data}" XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  source "$E2E_FIND_WINDOW"
  daylark=$1 calendar=$2 title=$3
  "$daylark" "$calendar" 2>/dev/null &
  pid=$!
  window=$(find_window "^Daylark - ${title}\$") || {
    echo "no window titled \"Daylark - ${title}\""; kill $pid; exit 1; }
  echo "found window $window: $(xdotool getwindowname "$window")"
  xdotool windowfocus --sync "$window"
  xdotool key --clearmodifiers alt+f
  sleep 0.5
  xdotool key --clearmodifiers x
  for _ in $(seq 100); do
    kill -0 $pid 2>/dev/null || { echo "daylark ended after File > Exit"; exit 0; }
    sleep 0.1
  done
  echo "daylark did not end after File > Exit"; kill $pid; exit 1
' bash "$daylark" "$calendar" "$title"
