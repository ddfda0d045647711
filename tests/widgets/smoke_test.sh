#!/usr/bin/env bash
# The real program in a real X server: pick a character, press GO!, press
# keys on the play field, take screenshots and look for the play field's sky
# and for the hero having walked away from where it started.
#   smoke_test.sh PATH/TO/turnip-trek
# Exit status 77 (skipped) when the X tools or Pillow are missing. The
# Python to use comes in TT_PYTHON (Debian's by default). Every wait is
# bounded, so a stuck program fails the test instead of hanging it.
set -euo pipefail
python=${TT_PYTHON:-/usr/bin/python3}

if [ "${1:-}" != --inside ]; then
  program=$(realpath "$1")
  for tool in xvfb-run xdotool import; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
  "$python" -c 'import PIL' 2>/dev/null || { echo "skipped: python3-pil is missing"; exit 77; }
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

step() { echo "smoke: $*"; }
fail() { echo "smoke: FAILED: $*" >&2; import -window root "$work/failure.png" 2>/dev/null &&
  [ -n "${TT_SMOKE_KEEP:-}" ] && cp "$work/failure.png" "$TT_SMOKE_KEEP/turnip-trek-smoke-failure.png"; exit 1; }

source "$(dirname "$0")/windows_under_xvfb.sh"

# Clicks at a point of a window's client area, in game pixels. Without a
# window manager a window is its client area plus the menu bar above it, so
# the client area is found from the window's bottom edge.
click_in() {
  local window=$1 client_height=$2 x=$3 y=$4
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove --sync $((X + x)) $((Y + HEIGHT - client_height + y)) click 1
}

step "starting $program"
QT_QPA_PLATFORM=xcb "$program" --zoom 1 >"$work/out.txt" 2>&1 &
game_pid=$!

main=$(wait_for_window "Ember2 - Online" | head -n 1)
sleep 0.5
step "choosing Clover and pressing GO!"
click_in "$main" 250 145 135   # the fourth portrait
# A click that arrives while the window is still settling may be lost on a
# slow machine; pressing GO! again is harmless once the play field is open.
say=
for attempt in 1 2 3; do
  click_in "$main" 250 124 236   # GO!
  say=$(timeout 10 xdotool search --sync --onlyvisible --name '^Say Window$' 2>/dev/null | head -n 1) || true
  [ -n "$say" ] && break
done
[ -n "$say" ] || fail "GO! did not open the say window"
play=
for attempt in $(seq 1 50); do
  for window in $(xdotool search --onlyvisible --name '^Ember2 - Online$' 2>/dev/null); do
    [ "$window" != "$main" ] && play=$window
  done
  [ -n "$play" ] && break
  sleep 0.2
done
[ -n "$play" ] || fail "the play field did not open"

step "walking and jumping"
xdotool windowfocus --sync "$play" 2>/dev/null || true
sleep 1
import -window root "$work/before.png"
xdotool key --delay 150 Right Right Right Right Right z
sleep 1
kill -0 "$game_pid" 2>/dev/null || fail "the program ended: $(cat "$work/out.txt")"

step "looking at the screen"
import -window root "$work/screen.png"
[ -n "${TT_SMOKE_KEEP:-}" ] && cp "$work/screen.png" "$TT_SMOKE_KEEP/turnip-trek-smoke.png"
eval "$(xdotool getwindowgeometry --shell "$play")"
"$python" - "$work/before.png" "$work/screen.png" "$X" "$((Y + HEIGHT - 158))" <<'PYTHON' ||
import sys
from PIL import Image, ImageChops

left, top = int(sys.argv[3]), int(sys.argv[4])
before, after = (Image.open(name).convert("RGB").crop((left, top, left + 255, top + 158))
                 for name in sys.argv[1:3])
sky = sum(count for count, colour in after.getcolors(255 * 158) if colour == (63, 191, 255))
print(f"smoke: {sky} sky pixels of {255 * 158} in the play field")
# Clover stood at the foot of the vine; walking right leaves that spot.
start = (20, 100, 60, 140)
moved = ImageChops.difference(before.crop(start), after.crop(start)).getbbox() is not None
print(f"smoke: the hero {'left' if moved else 'did not leave'} the starting place")
sys.exit(0 if sky > 255 * 158 // 5 and moved else 1)
PYTHON
  fail "the play field does not look right"

step "passed"
