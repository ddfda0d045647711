#!/usr/bin/env bash
# Runs a driver script through the real program and compares what it prints
# and its exit status with what is expected.
# usage: run_script.sh PROGRAM SCRIPT EXPECTED_OUTPUT EXPECTED_STATUS [EXPECTED_ERROR]
set -u
program=$1 script=$2 expected=$3 status=$4 error=${5:-}
actual=$(mktemp) errors=$(mktemp)
trap 'rm -f "$actual" "$errors"' EXIT
"$program" --headless "$script" >"$actual" 2>"$errors"
got=$?
ok=0
diff -u "$expected" "$actual" || ok=1
[ "$got" -eq "$status" ] || { echo "exit status $got, expected $status"; ok=1; }
if [ -n "$error" ]; then
  grep -qxF "$error" "$errors" || { echo "standard error lacks: $error"; cat "$errors"; ok=1; }
fi
exit $ok
