#!/usr/bin/env bash
# The real program in a real X server, its windows destroyed from outside
# (as a tool that kills windows does): a destroyed settings window no longer
# blocks the play field, and once the start screen is destroyed the program
# ends instead of running on without a window.
#   lost_windows_test.sh PATH/TO/turnip-trek
# Exit status 77 (skipped) when the X tools are missing.
set -euo pipefail

if [ "${1:-}" != --inside ]; then
  program=$(realpath "$1")
  for tool in xvfb-run xdotool; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
  exec timeout --kill-after=10 150 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$program"
fi

program=$2
work=$(mktemp -d)
game_pid=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

step() { echo "lost windows: $*"; }
fail() { echo "lost windows: FAILED: $*" >&2; cat "$work/out.txt" >&2; exit 1; }

source "$(dirname "$0")/windows_under_xvfb.sh"

open_settings() {
  local play=$1
  xdotool windowfocus --sync "$play" 2>/dev/null || true
  for attempt in 1 2 3; do
    xdotool key F1
    settings=$(timeout 10 xdotool search --sync --onlyvisible --name '^Ember2 Online - Settings$' \
      2>/dev/null | head -n 1) || true
    [ -n "$settings" ] && { echo "$settings"; return 0; }
  done
  fail "F1 did not open the settings window"
}

step "starting $program"
QT_QPA_PLATFORM=xcb "$program" --zoom 1 >"$work/out.txt" 2>&1 &
game_pid=$!
main=$(wait_for_window "Ember2 - Online" | head -n 1)
sleep 0.5

step "pressing GO!"
eval "$(xdotool getwindowgeometry --shell "$main")"
for attempt in 1 2 3; do
  # GO! on the start screen, found from the window's bottom edge.
  xdotool mousemove --sync $((X + 124)) $((Y + HEIGHT - 250 + 236)) click 1
  timeout 10 xdotool search --sync --onlyvisible --name '^Say Window$' >/dev/null 2>&1 && break
done
play=$(play_window "$main") || fail "the play field did not open"

step "destroying the settings window"
settings=$(open_settings "$play")
xdotool windowclose "$settings"
sleep 1
kill -0 "$game_pid" 2>/dev/null || fail "the program ended"
# The play field takes keys again: F1 opens a new settings window.
open_settings "$play" >/dev/null

step "destroying every window"
for title in 'Ember2 Online - Settings' 'Say Window'; do
  for window in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null); do
    xdotool windowclose "$window"
  done
done
sleep 0.5
xdotool windowclose "$play"
sleep 0.5
xdotool windowclose "$main"
for attempt in $(seq 1 50); do
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.2
done
kill -0 "$game_pid" 2>/dev/null && fail "the program runs on without its start screen"
status=0
wait "$game_pid" || status=$?
game_pid=
[ "$status" -eq 0 ] || fail "the program ended with status $status"
step "passed"
