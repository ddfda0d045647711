# What the tests of the real program under Xvfb share: finding its windows.
# Sourced; the caller defines fail MESSAGE, which must not return.

# Waits (bounded) for a visible window whose title is exactly $1; prints ids.
wait_for_window() {
  timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null || fail "no window '$1'"
}

# The play field has the start screen's title: it is the visible window of
# that title other than the start screen $1. Waits up to 10 s; returns 1
# when it does not open.
play_window() {
  local main=$1
  for attempt in $(seq 1 50); do
    for window in $(xdotool search --onlyvisible --name '^Ember2 - Online$' 2>/dev/null); do
      [ "$window" != "$main" ] && { echo "$window"; return 0; }
    done
    sleep 0.2
  done
  return 1
}

# Starts openbox with its settings under $1 and waits (bounded) until it has
# settled in: it names itself on the root window early, and a window mapped
# before it has loaded its theme may be left unmanaged and unmapped. Sets
# wm_pid.
start_window_manager() {
  HOME=$1 openbox </dev/null >"$1/openbox.txt" 2>&1 &
  wm_pid=$!
  for attempt in $(seq 1 100); do
    xprop -root _OB_THEME 2>/dev/null | grep -q '"' && { sleep 0.5; return 0; }
    sleep 0.1
  done
  fail "openbox did not start: $(cat "$1/openbox.txt")"
}

# A window's client rectangle as "X Y WIDTH HEIGHT", the frame left out.
client_rect() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }'
}
