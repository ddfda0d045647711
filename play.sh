#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it. Options are passed
# on to the game (try --help).
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"
tt_build "$TT_ROOT/build"
exec "$TT_ROOT/build/turnip-trek" "$@"
