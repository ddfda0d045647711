#!/usr/bin/env bash
# Installs what building, playing and testing the game need on Debian 12,
# then configures and builds it. Sourced by play.sh and test.sh.
set -euo pipefail

TT_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  python3 python3-pil
  xvfb xauth xdotool imagemagick x11-utils
  fonts-dancingscript fonts-wine fonts-dejavu-core
  dpkg-dev desktop-file-utils appstream groff-base man-db
)

tt_missing_packages() {
  local missing=()
  for package in "${TT_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
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
