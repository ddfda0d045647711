#!/usr/bin/env bash
# The command line: help, version, and bad options refused with exit status 2.
set -u
program=$1
fail=0
check() {  # check EXPECTED_STATUS WITH_USAGE EXPECTED_FIRST_LINE_OF_STDERR ARGS...
  local status=$1 usage=$2 first=$3
  shift 3
  local err
  err=$("$program" "$@" 2>&1 >/dev/null </dev/null)
  local got=$?
  [ "$got" -eq "$status" ] || { echo "turnip-trek $*: exit $got, expected $status"; fail=1; }
  [ "$(head -n1 <<<"$err")" = "$first" ] || { echo "turnip-trek $*: said '$(head -n1 <<<"$err")'"; fail=1; }
  if [ "$usage" = usage ]; then
    grep -q '^usage: turnip-trek' <<<"$err" || { echo "turnip-trek $*: no usage"; fail=1; }
  fi
}
check 2 usage "turnip-trek: unknown option '--fast'" --fast
check 2 usage "turnip-trek: --clock-ms takes a whole number from 1 to 20, not '0'" --headless --clock-ms 0
check 2 usage "turnip-trek: --zoom takes a whole number from 1 to 6, not '7'" --zoom 7
check 2 no-usage "turnip-trek: cannot read script '/nonexistent/script'" --headless /nonexistent/script
check 2 no-usage "turnip-trek: cannot write the recording '/nonexistent/session.txt'" --record /nonexistent/session.txt
check 2 no-usage "turnip-trek: cannot read the recording '/nonexistent/session.txt'" --replay /nonexistent/session.txt
check 2 usage "turnip-trek: --record and --replay cannot be used together" --record a --replay b
check 2 no-usage "turnip-trek: cannot read script '/': is a directory" --headless /
# A value with a line end in it is quoted escaped, so the error stays one line.
check 2 usage "turnip-trek: --zoom takes a whole number from 1 to 6, not '2\\n3'" --zoom $'2\n3'
# An endless line is refused at its line number, without reading it all.
check 2 no-usage "/dev/zero:1: line is longer than 1 MiB" --headless /dev/zero
"$program" --help | grep -q '^usage: turnip-trek' || { echo "--help shows no usage"; fail=1; }
"$program" --version | grep -qE '^turnip-trek [0-9]+\.[0-9]+\.[0-9]+$' || { echo "--version"; fail=1; }
echo 'print Main.State' | "$program" --headless | grep -qx 'Main.State=shown' || { echo "stdin script"; fail=1; }
# No display at all: one plain line and status 1, not an abort.
err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1 >/dev/null </dev/null)
got=$?
[ "$got" -eq 1 ] && [ "$err" = "turnip-trek: cannot open a window: no display; use --headless to run without one" ] ||
  { echo "no display: exit $got, said '$err'"; fail=1; }
exit $fail
