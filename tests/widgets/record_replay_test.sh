#!/usr/bin/env bash
# A session played in the real windows under Xvfb and recorded: choose a
# character, GO!, walk, jump, pull and throw, change the speed in the
# settings, SAY a line, close the play field, GO! again, and Ctrl+C in the
# terminal. The recording must replay headless to its own final state, fail
# with one tick changed, and replay in the windows to a match.
#   record_replay_test.sh PATH/TO/turnip-trek
# Exit status 77 (skipped) when the X tools are missing. Every wait is
# bounded, so a stuck program fails the test instead of hanging it.
set -euo pipefail

if [ "${1:-}" != --inside ]; then
  program=$(realpath "$1")
  for tool in xvfb-run xdotool xwininfo openbox; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
  exec timeout --kill-after=10 200 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$program"
fi

program=$2
work=$(mktemp -d)
game_pid= wm_pid=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

step() { echo "record: $*"; }
fail() { echo "record: FAILED: $*" >&2; [ -f "$work/session.txt" ] && cat "$work/session.txt" >&2; exit 1; }

source "$(dirname "$0")/windows_under_xvfb.sh"

# Clicks at a point of a window's client area, in game pixels; the client
# area is at the bottom of the window, under the menu bar. Under a window
# manager xwininfo, not xdotool, tells where the window really is.
click_in() {
  local window=$1 client_height=$2 x=$3 y=$4
  local info left top height
  info=$(xwininfo -id "$window")
  left=$(awk '/Absolute upper-left X/ { print $4 }' <<<"$info")
  top=$(awk '/Absolute upper-left Y/ { print $4 }' <<<"$info")
  height=$(awk '/^ *Height:/ { print $2 }' <<<"$info")
  xdotool mousemove --sync $((left + x)) $((top + height - client_height + y)) click 1
}

activate() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; sleep 0.3; }

# GO! and wait for the play field; a click lost while a window settles on a
# slow machine is given again, which is harmless once the play field is open.
press_go() {
  local main=$1
  for attempt in 1 2 3; do
    click_in "$main" 250 124 236
    play=$(play_window "$main") && return 0
  done
  fail "GO! did not open the play field"
}

openbox >/dev/null 2>&1 &
wm_pid=$!
sleep 1

step "recording at --clock-ms 10"
QT_QPA_PLATFORM=xcb "$program" --zoom 1 --clock-ms 10 --record "$work/session.txt" >"$work/out.txt" 2>&1 &
game_pid=$!
main=$(wait_for_window "Ember2 - Online" | head -n 1)
sleep 0.5
click_in "$main" 250 145 135   # the fourth portrait
play=
press_go "$main"

step "walking, jumping, pulling and throwing"
activate "$play"
xdotool key --delay 120 Right Right Right Right Right Right z
sleep 0.8
xdotool key --delay 120 Right Right Right Right Right Right Right Right space
sleep 1.5
xdotool key --delay 200 space Left z
sleep 1

step "changing the speed"
xdotool key F1
settings=$(wait_for_window "Ember2 Online - Settings" | head -n 1)
activate "$settings"
click_in "$settings" 89 148 40   # the speed bar's right-hand arrow, twice
sleep 0.3
click_in "$settings" 89 148 40
sleep 0.3
click_in "$settings" 89 104 70   # the button under it
sleep 0.5

step "saying a line"
say=$(wait_for_window "Say Window" | head -n 1)
activate "$say"
xdotool type --delay 80 "hello"
xdotool key --delay 150 Tab Return
sleep 0.5

step "closing the play field and pressing GO! again"
activate "$play"
xdotool key alt+F4
for attempt in $(seq 1 50); do
  xdotool search --onlyvisible --name '^Say Window$' >/dev/null 2>&1 || break
  sleep 0.2
done
activate "$main"
press_go "$main"
activate "$play"
xdotool key --delay 120 Right Right z
sleep 1

step "Ctrl+C"
kill -INT "$game_pid"
status=0
timeout 20 tail --pid="$game_pid" -f /dev/null || fail "the program did not end after SIGINT"
wait "$game_pid" || status=$?
game_pid=
[ "$status" -eq 130 ] || fail "exit status $status after SIGINT, expected 130: $(cat "$work/out.txt")"

recording=$work/session.txt
for line in '^clock 10$' '^click Main\.Image4$' '^key Play 39$' '^key Play 90$' '^key Play 32$' \
  '^click Play\.mnuSettings$' '^scroll Settings\.SpeedBar [0-9]*$' '^type Say\.txtSend hello$' \
  '^click Say\.cmdSay$' '^close Play$'; do
  grep -q "$line" "$recording" || fail "the recording lacks $line"
done
[ "$(grep -c '^click Main\.Command1$' "$recording")" -ge 2 ] || fail "the recording lacks the second GO!"
tail -n 1 "$recording" | grep -q '^expect Energy=' || fail "the recording does not end with its state"

step "replaying headless"
"$program" --headless "$recording" >"$work/replayed.txt" 2>&1 || fail "headless replay: $(cat "$work/replayed.txt")"

step "replaying with one tick changed"
# The last tick line runs a quarter of a second longer, while the enemy walks.
last_tick=$(grep -n '^tick [0-9]*$' "$recording" | tail -n 1 | cut -d: -f1)
awk -v line="$last_tick" 'NR == line { print "tick " $2 + 25; next } { print }' \
  "$recording" >"$work/changed.txt"
changed=0
"$program" --headless "$work/changed.txt" >/dev/null 2>"$work/changed.err" || changed=$?
[ "$changed" -eq 1 ] || fail "a changed tick gave exit status $changed: $(cat "$work/changed.err")"
grep -qE "^$work/changed\.txt:[0-9]+: expected [^ =]+=[^ ]*, got .*\$" "$work/changed.err" ||
  fail "a changed tick said: $(cat "$work/changed.err")"

step "replaying in the windows"
QT_QPA_PLATFORM=xcb "$program" --zoom 1 --replay "$recording" >"$work/replay.txt" 2>&1 &
game_pid=$!
for attempt in $(seq 1 120); do
  grep -q '^replay: ' "$work/replay.txt" && break
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.5
done
grep -qx 'replay: the state matched the recording' "$work/replay.txt" ||
  fail "the replay in the windows said: $(cat "$work/replay.txt")"
kill -0 "$game_pid" 2>/dev/null || fail "the game did not go on after the replay"

step "passed"
