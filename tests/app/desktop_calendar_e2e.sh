#!/usr/bin/env bash
# Starts the real daylark into the tray on a virtual display with a window manager that has
# a notification area, with the desktop calendar set to open at start: the week window of
# the chosen calendar must come up. Then the tray icon is clicked with the right mouse
# button, and "Close" (the last item of its menu) must end the program.
# usage: desktop_calendar_e2e.sh DAYLARK CALENDAR TITLE
# Exits 77 (skipped) when icewm or xdotool is missing: without them there is no tray to click.
set -euo pipefail
export E2E_FIND_WINDOW="$(cd "$(dirname "$0")" && pwd)/find_window.sh"
daylark=$1 calendar=$2 title=$3
for tool in xvfb-run icewm xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/Daylark" && chmod 700 "$XDG_RUNTIME_DIR"
cp "$calendar" "$scratch/calendar.qvf"
cat > "$XDG_CONFIG_HOME/Daylark/Daylark.conf" <<CONF
[Software]
Daylark\\Tray\\Display=True
Daylark\\Tray\\DispStart=True
Daylark\\Tray\\FileName=$scratch/calendar.qvf
Daylark\\Tray\\NumWeeks=2
Daylark\\Tray\\ListMonths=3
CONF

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  source "$E2E_FIND_WINDOW"
  daylark=$1 title=$2
  icewm >/dev/null 2>&1 &
  sleep 1
  "$daylark" /tray 2>/dev/null &
  pid=$!
  fail() { echo "$1"; kill $pid 2>/dev/null; exit 1; }
  week=$(find_window "^Daylark - ${title}\$") ||
    fail "no week window titled \"Daylark - ${title}\""
  echo "week window $week: $(xdotool getwindowname "$week")"

  # The tray icon: the small window of the program that the notification area shows.
  icon=""
  for _ in $(seq 100); do
    for id in $(xdotool search --onlyvisible --pid $pid 2>/dev/null); do
      eval "$(xdotool getwindowgeometry --shell "$id")"
      if [ "$WIDTH" -le 64 ] && [ "$HEIGHT" -le 64 ]; then icon=$id; break 2; fi
    done
    sleep 0.1
  done
  [ -n "$icon" ] || fail "no tray icon"
  echo "tray icon $icon"

  before=$(xdotool search --onlyvisible --pid $pid 2>/dev/null | sort)
  xdotool mousemove --window "$icon" 8 8 click 3
  menu=""
  for _ in $(seq 50); do
    menu=$(comm -13 <(echo "$before") <(xdotool search --onlyvisible --pid $pid 2>/dev/null | sort) | head -n 1)
    [ -n "$menu" ] && break
    sleep 0.1
  done
  [ -n "$menu" ] || fail "the tray menu did not open"
  eval "$(xdotool getwindowgeometry --shell "$menu")"
  echo "tray menu $menu, ${WIDTH}x${HEIGHT}"
  xdotool mousemove --window "$menu" $((WIDTH / 2)) $((HEIGHT - 8)) click 1

  for _ in $(seq 100); do
    kill -0 $pid 2>/dev/null || { echo "daylark ended after the tray menu'"'"'s Close"; exit 0; }
    sleep 0.1
  done
  fail "daylark did not end after the tray menu'"'"'s Close"
' bash "$daylark" "$title"
