# Sourced by the end-to-end scripts. find_window PATTERN prints the first window whose name
# matches, asked again every tenth of a second for 30 s: one search can fail with an X error
# when a window (the splash) goes while it is listed. The scripts pass this file's path to
# the shells they start under xvfb-run in E2E_FIND_WINDOW (xvfb-run's own shell would drop
# an exported function).
find_window() {
  local found
  for _ in $(seq 300); do
    found=$(xdotool search --name "$1" 2>/dev/null | head -n 1)
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.1
  done
  return 1
}
