#!/usr/bin/env bash
# How the real program keeps time in its windows, under Xvfb:
#   bench/window_bench.sh [PATH/TO/turnip-trek] [SECONDS]
# plays for SECONDS (default 30) at zoom 1 and reports the mean and 99th
# percentile of the measured clock period, the CPU time against a bare Qt
# window repainting at the same rate, the resident memory, and the time to
# paint one play-field frame at zoom 1 and at zoom 4. For these figures the
# whole play field is repainted at every clock tick, the most it can ever
# paint; one more run at zoom 4 paints only what changed, as in play. Then,
# under a window manager, it plays fullscreen (F11) on a 1920 x 1080 screen
# for SECONDS against a bare window of the field's fullscreen size, and on a
# 3840 x 2160 screen for the time of a full fullscreen repaint.
# The bare window runs beside the game, at the same time and in the same X
# server, on a second screen of its own: on a shared machine the cost of the
# same work drifts by half from one half-minute to the next, and only side
# by side do the two meet the same drift.
# Needs xvfb, openbox, xdotool and a C++ compiler with Qt's development
# files (tools/setup.sh installs them).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build/turnip-trek}")
seconds=${2:-30}
period_ms=16

# Each part runs in an X server of its own size: the outer run starts them
# one after the other, sharing one work folder, and sums up.
if [ -z "${BENCH_PART:-}" ]; then
  for tool in xvfb-run xdotool g++ pkg-config openbox; do
    command -v "$tool" >/dev/null || { echo "window_bench: $tool is missing" >&2; exit 1; }
  done
  BENCH_WORK=$(mktemp -d)
  trap 'rm -rf "$BENCH_WORK"' EXIT
  export BENCH_WORK
  # Each X server has a second screen for the bare window.
  for part in windowed:2560x1600 fullhd:1920x1080 uhd:3840x2160; do
    BENCH_PART=${part%%:*} timeout $((seconds * 3 + 180)) \
      xvfb-run -a -s "-screen 0 ${part#*:}x24 -screen 1 1920x1080x24" "$0" "$program" "$seconds"
  done
  BENCH_PART=summary "$0" "$program" "$seconds"
  exit
fi

work=$BENCH_WORK


# CPU ticks (user + system) and resident kB of a process, from /proc.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
resident_kb() { awk '/^VmRSS/ { print $2 }' "/proc/$1/status"; }

fail() {
  echo "window_bench: $*" >&2
  exit 1
}
# wait_for_window and start_window_manager, shared with the tests.
source "$root/tests/widgets/windows_under_xvfb.sh"

# A click in a window's client area, which is at the bottom of the window,
# under the menu bar.
click_in() {
  local window=$1 client_height=$2 x=$3 y=$4 left top width height
  read -r left top width height < <(client_rect "$window")
  xdotool mousemove --sync $((left + x)) $((top + height - client_height + y)) click 1
}

# Starts a game at a zoom, picks Clover, presses GO! and plays: keys now and
# then for the given time, while the program measures itself. Writes
# "CPU_TICKS RESIDENT_KB" over the played time (after the start-up) to
# RESULT, once the program has ended and written its record. With a bare
# window's size, that window repaints beside the game all the while, and its
# "CPU_TICKS RESIDENT_KB" over the same time go to RESULT.bare.
play() {
  local zoom=$1 record=$2 time=$3 result=$4 repaint=${5:-1} fullscreen=${6:-} bare_size=${7:-}
  local bare_pid=
  if [ -n "$bare_size" ]; then
    # It ends itself well after the game's start-up and played time.
    DISPLAY=${DISPLAY%.*}.1 "$work/bare_window" ${bare_size/x/ } "$period_ms" $((time + 60)) \
      >/dev/null 2>&1 &
    bare_pid=$!
  fi
  # The program ends itself a little after the played time.
  TT_MEASURE=$record TT_MEASURE_SECONDS=$((time + 10)) TT_MEASURE_REPAINT=$repaint QT_QPA_PLATFORM=xcb \
    "$program" --zoom "$zoom" --clock-ms "$period_ms" >/dev/null 2>&1 &
  local pid=$!
  local main
  main=$(wait_for_window "Ember2 - Online" | head -n 1)
  sleep 0.5
  click_in "$main" $((250 * zoom)) $((145 * zoom)) $((135 * zoom))
  # A window manager may take the first click for itself; GO! again is
  # harmless once the play field is open.
  local say=
  for attempt in 1 2 3; do
    click_in "$main" $((250 * zoom)) $((124 * zoom)) $((236 * zoom))
    say=$(timeout 10 xdotool search --sync --onlyvisible --name '^Say Window$' 2>/dev/null) && break
  done
  [ -n "$say" ] || fail "GO! did not open the play field"
  local play
  play=$(play_window "$main") || fail "the play field did not open"
  xdotool windowactivate --sync "$play" 2>/dev/null || xdotool windowfocus "$play" 2>/dev/null || true
  # Past the keys panel, and fullscreen where asked.
  xdotool key h
  [ -n "$fullscreen" ] && xdotool key F11
  sleep 1.5
  local before bare_before=
  before=$(cpu_ticks "$pid")
  [ -n "$bare_pid" ] && bare_before=$(cpu_ticks "$bare_pid")
  local end=$((SECONDS + time))
  while [ $SECONDS -lt $end ]; do
    xdotool key --delay 120 Right Right z Left Left space >/dev/null 2>&1 || true
    sleep 0.5
  done
  echo "$(($(cpu_ticks "$pid") - before)) $(resident_kb "$pid")" >"$result"
  if [ -n "$bare_pid" ]; then
    echo "$(($(cpu_ticks "$bare_pid") - bare_before)) $(resident_kb "$bare_pid")" >"$result.bare"
    kill "$bare_pid" 2>/dev/null || true
    wait "$bare_pid" 2>/dev/null || true
  fi
  wait "$pid" || { echo "window_bench: the game failed" >&2; exit 1; }
}

case "$BENCH_PART" in
windowed)
  # The bare window, built from its one source file.
  g++ -std=c++20 -O2 -fPIC "$root/bench/window/bare_window.cpp" -o "$work/bare_window" \
    $(pkg-config --cflags --libs Qt6Widgets)
  echo "window_bench: playing ${seconds} s at zoom 1 beside a bare window ..."
  play 1 "$work/zoom1.txt" "$seconds" "$work/game.cpu" 1 "" 255x158
  echo "window_bench: playing 10 s at zoom 4 ..."
  play 4 "$work/zoom4.txt" 10 "$work/zoom4.cpu"
  echo "window_bench: playing 10 s at zoom 4, repainting only what changed ..."
  play 4 "$work/zoom4-changes.txt" 10 "$work/changes.cpu" 0
  exit
  ;;
fullhd)
  # A window manager, for fullscreen as on a desktop.
  start_window_manager "$work"
  echo "window_bench: playing ${seconds} s fullscreen at 1920 x 1080 beside a bare window of the field's size ..."
  play 1 "$work/fullhd.txt" "$seconds" "$work/fullhd.cpu" 1 fullscreen $((255 * 6))x$((158 * 6))
  exit
  ;;
uhd)
  # A window manager, for fullscreen as on a desktop.
  start_window_manager "$work"
  echo "window_bench: playing 10 s fullscreen at 3840 x 2160 ..."
  play 1 "$work/uhd.txt" 10 "$work/uhd.cpu" 1 fullscreen
  exit
  ;;
esac

read -r game_cpu game_rss <"$work/game.cpu"
read -r bare_cpu bare_rss <"$work/game.cpu.bare"
read -r _ zoom4_rss <"$work/zoom4.cpu"
read -r fullhd_cpu _ <"$work/fullhd.cpu"
read -r bare_fullhd_cpu _ <"$work/fullhd.cpu.bare"

"${TT_PYTHON:-/usr/bin/python3}" - "$work/zoom1.txt" "$work/zoom4.txt" "$work/zoom4-changes.txt" "$period_ms" "$game_cpu" "$bare_cpu" \
  "$game_rss" "$bare_rss" "$zoom4_rss" "$(getconf CLK_TCK)" "$seconds" \
  "$work/uhd.txt" "$fullhd_cpu" "$bare_fullhd_cpu" <<'PYTHON'
import sys

zoom1, zoom4, changes, period = sys.argv[1], sys.argv[2], sys.argv[3], float(sys.argv[4])
game_cpu, bare_cpu, game_rss, bare_rss, zoom4_rss, hz, seconds = map(float, sys.argv[5:12])
uhd = sys.argv[12]
fullhd_cpu, bare_fullhd_cpu = map(float, sys.argv[13:15])

def records(path):
    ticks, paints = [], []
    for line in open(path):
        words = line.split()
        if words[0] == "tick":
            ticks.append(int(words[1]))
        elif words[0] == "paint" and words[1] == "Play":
            paints.append(int(words[2]))
    return ticks, paints

def percentile(values, fraction):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(fraction * len(ordered)))]

ticks, paints1 = records(zoom1)
_, paints4 = records(zoom4)
_, paints_changed = records(changes)
periods = [(b - a) / 1000 for a, b in zip(ticks, ticks[1:])]
mean = sum(periods) / len(periods)
print(f"clock period: configured {period:.0f} ms, mean {mean:.3f} ms "
      f"({100 * (mean - period) / period:+.2f} %), p99 {percentile(periods, 0.99):.3f} ms "
      f"({percentile(periods, 0.99) / period:.2f} periods), max {max(periods):.3f} ms, "
      f"{len(periods)} periods")
print(f"CPU time over {seconds:.0f} s at zoom 1: game {game_cpu / hz:.2f} s, bare window {bare_cpu / hz:.2f} s, "
      f"ratio {game_cpu / max(bare_cpu, 1):.2f}")
print(f"CPU time over {seconds:.0f} s fullscreen at 1920 x 1080: game {fullhd_cpu / hz:.2f} s, "
      f"bare window {bare_fullhd_cpu / hz:.2f} s, ratio {fullhd_cpu / max(bare_fullhd_cpu, 1):.2f}")
_, paints_uhd = records(uhd)
for name, paints in (("zoom 1", paints1), ("zoom 4", paints4),
                     ("zoom 4, changed part only, as in play", paints_changed),
                     ("fullscreen at 3840 x 2160 (zoom 13)", paints_uhd)):
    if paints:
        print(f"play-field paint at {name}: mean {sum(paints) / len(paints) / 1e6:.3f} ms, "
              f"p99 {percentile(paints, 0.99) / 1e6:.3f} ms over {len(paints)} paints")
print(f"resident memory: game {game_rss / 1024:.1f} MB at zoom 1, {zoom4_rss / 1024:.1f} MB at zoom 4; "
      f"bare window {bare_rss / 1024:.1f} MB")
PYTHON
