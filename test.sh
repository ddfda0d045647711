#!/usr/bin/env bash
# Installs what is missing, builds the game and runs every test: the whole
# suite, then the core's tests again under AddressSanitizer and UBSan.
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"

tt_build "$TT_ROOT/build"
(cd "$TT_ROOT/build" && ctest --output-on-failure --timeout 600)

# In Debug, so that the core's assertions run here too.
tt_build "$TT_ROOT/build-sanitize" -DTT_SANITIZE=ON -DTT_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug
# The core's own tests have no Qt in them, so LeakSanitizer watches them:
# whatever they leak is the game's. The tests that run the real program (the
# scripts, the command line and the fuzzer) run it with leak detection off,
# because it starts a QApplication, and Qt and the font and platform
# libraries under it keep one-off allocations until exit, which LeakSanitizer
# would report as leaks of the game.
(cd "$TT_ROOT/build-sanitize" &&
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure --timeout 600 -L core -LE 'program|fuzz' &&
  ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure --timeout 600 -L core -L 'program|fuzz')
