#!/usr/bin/env bash
# Installs what building, playing and testing the game need on Debian 12,
# then configures and builds it. Sourced by play.sh and test.sh.
set -euo pipefail

# Each Debian package with what shows it is there: a command on PATH, a file
# (a glob where the path names the architecture) or, for python:MODULE, a
# module Debian's Python imports. The checks look at the tools themselves, so
# a machine that has them without dpkg knowing needs no package at all.
TT_REQUIREMENTS=(
  "build-essential g++" "cmake cmake" "ninja-build ninja" "pkg-config pkg-config"
  "qt6-base-dev /usr/lib/*/cmake/Qt6/Qt6Config.cmake" "qt6-base-dev-tools /usr/lib/qt6/libexec/rcc"
  "libgl-dev /usr/include/GL/gl.h" "libsdl2-dev /usr/lib/*/cmake/SDL2/sdl2-config.cmake"
  "libgtest-dev /usr/include/gtest/gtest.h" "libgmock-dev /usr/include/gmock/gmock.h"
  "libbenchmark-dev /usr/include/benchmark/benchmark.h"
  "python3 /usr/bin/python3" "python3-pil python:PIL"
  "xvfb xvfb-run" "xauth xauth" "xdotool xdotool" "imagemagick import" "x11-utils xwininfo"
  "fonts-dancingscript /usr/share/fonts/opentype/dancingscript/DancingScript-Bold.otf"
  "fonts-wine /usr/share/wine/fonts/ms_sans_serif.ttf"
  "fonts-dejavu-core /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
  "dpkg-dev dpkg-buildpackage" "desktop-file-utils desktop-file-validate" "appstream appstreamcli"
  "groff-base groff" "man-db man"
)

tt_has() {
  local check=$1
  case "$check" in
    python:*) /usr/bin/python3 -c "import ${check#python:}" 2>/dev/null ;;
    /*) compgen -G "$check" >/dev/null ;;
    *) command -v "$check" >/dev/null ;;
  esac
}

tt_missing_packages() {
  local missing=() package check
  for requirement in "${TT_REQUIREMENTS[@]}"; do
    read -r package check <<<"$requirement"
    tt_has "$check" || missing+=("$package")
  done
  echo "${missing[@]:-}"
}

tt_install_packages() {
  local missing
  missing=$(tt_missing_packages)
  [ -z "$missing" ] && return 0
  local command="apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing"
  if [ "$(id -u)" -eq 0 ]; then
    bash -c "$command"
  elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    sudo bash -c "$command"
  else
    echo "These Debian packages are missing: $missing" >&2
    echo "Install them as root, then run this again:" >&2
    echo "  sudo bash -c '$command'" >&2
    exit 1
  fi
}

# tt_build DIR [CMAKE OPTIONS...]
tt_build() {
  local dir=$1
  shift
  cmake -S "$TT_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}

TT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
tt_install_packages
