#!/usr/bin/env bash
# The real program in a real X server with a real window manager, as on a
# player's desktop, on a 1920 x 1080 screen: it opens at the zoom that fits
# (3), every window on the screen; pick a character, press GO!, walk and
# look for the play field's sky and the hero having moved; Ctrl+Minus makes
# it zoom 2; F11 fills the screen and F11 brings the window back; P stops
# the game and P starts it again; F12 leaves a PNG in the pictures folder.
#   smoke_test.sh PATH/TO/turnip-trek
# Exit status 77 (skipped) when the X tools, the window manager or Pillow
# are missing. The Python to use comes in TT_PYTHON (Debian's by default).
# Every wait is bounded, so a stuck program fails the test instead of
# hanging it.
set -euo pipefail
python=${TT_PYTHON:-/usr/bin/python3}
screen_width=1920
screen_height=1080

if [ "${1:-}" != --inside ]; then
  program=$(realpath "$1")
  for tool in xvfb-run xdotool import xwininfo xprop openbox; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
  "$python" -c 'import PIL' 2>/dev/null || { echo "skipped: python3-pil is missing"; exit 77; }
  exec timeout --kill-after=10 170 \
    xvfb-run -a -s "-screen 0 ${screen_width}x${screen_height}x24" "$0" --inside "$program"
fi

program=$2
work=$(mktemp -d)
game_pid=
wm_pid=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

step() { echo "smoke: $*"; }
fail() { echo "smoke: FAILED: $*" >&2; import -window root "$work/failure.png" 2>/dev/null &&
  [ -n "${TT_SMOKE_KEEP:-}" ] && cp "$work/failure.png" "$TT_SMOKE_KEEP/turnip-trek-smoke-failure.png"
  cat "$work/out.txt" >&2 2>/dev/null; exit 1; }

source "$(dirname "$0")/windows_under_xvfb.sh"

# A window's client rectangle as "X Y WIDTH HEIGHT", frame left out.
client_rect() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }'
}

# Clicks at a point of a window's client area, in game pixels at a zoom. The
# client area is at the bottom of the window, under the menu bar.
click_in() {
  local window=$1 client_height=$2 zoom=$3 x=$4 y=$5
  read -r left top width height < <(client_rect "$window")
  xdotool mousemove --sync $((left + x * zoom)) $((top + height - client_height * zoom + y * zoom)) click 1
}

# Waits (bounded) until a window's client width is $2.
wait_for_width() {
  for attempt in $(seq 1 100); do
    read -r left top width height < <(client_rect "$1")
    [ "$width" = "$2" ] && return 0
    sleep 0.1
  done
  fail "the window is $width wide, not $2"
}

# The play field's client area at a zoom as an image file.
grab_field() {
  local play=$1 zoom=$2 file=$3
  read -r left top width height < <(client_rect "$play")
  import -window root -crop "$((255 * zoom))x$((158 * zoom))+$left+$((top + height - 158 * zoom))" "$file"
}

step "starting the window manager"
HOME=$work openbox >"$work/wm.txt" 2>&1 &
wm_pid=$!
for attempt in $(seq 1 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window || fail "openbox did not start"

step "starting $program without --zoom"
HOME=$work XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=xcb "$program" >"$work/out.txt" 2>&1 &
game_pid=$!
main=$(wait_for_window "Ember2 - Online" | head -n 1)
wait_for_width "$main" $((379 * 3))
sleep 0.5

step "choosing Clover and pressing GO!"
click_in "$main" 250 3 145 135   # the fourth portrait
# A click that arrives while the window is still settling may be lost on a
# slow machine; pressing GO! again is harmless once the play field is open.
say=
for attempt in 1 2 3; do
  click_in "$main" 250 3 124 236   # GO!
  say=$(timeout 10 xdotool search --sync --onlyvisible --name '^Say Window$' 2>/dev/null | head -n 1) || true
  [ -n "$say" ] && break
done
[ -n "$say" ] || fail "GO! did not open the say window"
play=$(play_window "$main") || fail "the play field did not open"
wait_for_width "$play" $((255 * 3))

step "every window on the screen"
for window in "$main" "$play" "$say"; do
  read -r left top width height < <(client_rect "$window")
  [ "$left" -ge 0 ] && [ "$top" -ge 0 ] && [ $((left + width)) -le $screen_width ] &&
    [ $((top + height)) -le $screen_height ] || fail "window $window at $left,$top ${width}x$height is off the screen"
done

step "walking and jumping"
xdotool windowactivate --sync "$play" 2>/dev/null || true
sleep 1
grab_field "$play" 3 "$work/before.png"
xdotool key --delay 150 Right Right Right Right Right z
sleep 1
kill -0 "$game_pid" 2>/dev/null || fail "the program ended: $(cat "$work/out.txt")"
grab_field "$play" 3 "$work/after.png"
[ -n "${TT_SMOKE_KEEP:-}" ] && import -window root "$TT_SMOKE_KEEP/turnip-trek-smoke.png"
"$python" - "$work/before.png" "$work/after.png" <<'PYTHON' || fail "the play field does not look right"
import sys
from PIL import Image, ImageChops

before, after = (Image.open(name).convert("RGB") for name in sys.argv[1:3])
assert before.size == after.size == (765, 474), after.size
pixels = 765 * 474
sky = sum(count for count, colour in after.getcolors(pixels) if colour == (63, 191, 255))
print(f"smoke: {sky} sky pixels of {pixels} in the play field")
# Clover stood at the foot of the vine; walking right leaves that spot.
start = (60, 300, 180, 420)
moved = ImageChops.difference(before.crop(start), after.crop(start)).getbbox() is not None
print(f"smoke: the hero {'left' if moved else 'did not leave'} the starting place")
sys.exit(0 if sky > pixels // 5 and moved else 1)
PYTHON

# Each key goes to the play field, whichever window the last step left active.
key_on_field() {
  xdotool windowactivate --sync "$play" 2>/dev/null || true
  xdotool key "$1"
}

step "Ctrl+Minus: zoom 2"
key_on_field ctrl+minus
wait_for_width "$play" $((255 * 2))
wait_for_width "$main" $((379 * 2))

step "F11: fullscreen and back"
key_on_field F11
wait_for_width "$play" $screen_width
xprop -id "$play" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN || fail "the play field is not fullscreen"
key_on_field F11
wait_for_width "$play" $((255 * 2))

step "P: pause and resume"
key_on_field p
sleep 0.5
grab_field "$play" 2 "$work/paused1.png"
sleep 1
grab_field "$play" 2 "$work/paused2.png"
key_on_field p
sleep 1
grab_field "$play" 2 "$work/running.png"
"$python" - "$work/paused1.png" "$work/paused2.png" "$work/running.png" <<'PYTHON' || fail "P did not pause and resume the game"
import sys
from PIL import Image, ImageChops

first, second, running = (Image.open(name).convert("RGB") for name in sys.argv[1:4])
still = ImageChops.difference(first, second).getbbox() is None
moved = ImageChops.difference(second, running).getbbox() is not None
print(f"smoke: paused the field {'stood still' if still else 'moved'}; resumed it {'moved' if moved else 'stood still'}")
sys.exit(0 if still and moved else 1)
PYTHON

step "F12: a screenshot in the pictures folder"
key_on_field F12
for attempt in $(seq 1 50); do
  shot=$(ls "$work"/Pictures/turnip-trek-*.png 2>/dev/null | head -n 1) || true
  [ -n "$shot" ] && break
  sleep 0.1
done
[ -n "$shot" ] || fail "F12 left no picture in $work/Pictures"
"$python" -c "import sys; from PIL import Image; sys.exit(Image.open(sys.argv[1]).size != (510, 316))" "$shot" ||
  fail "the screenshot is not the field at zoom 2"
grep -q "^screenshot: $shot\$" "$work/out.txt" || fail "no line on standard output names $shot"

step "passed"
