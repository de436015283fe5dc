#!/usr/bin/env bash
# What the README's commands share: install the Debian packages that are missing,
# then configure and build in a build folder of the caller's choice.
set -euo pipefail

POLVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

POLVANE_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qtbase5-dev libqt5serialport5-dev libqt5webkit5-dev
  qttools5-dev qttools5-dev-tools qttranslations5-l10n
  libbenchmark-dev
  xvfb xauth openbox socat fonts-dejavu-core
)

polvane_install_missing() {
  local missing=()
  local pkg
  for pkg in "${POLVANE_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    # A Debian installed with a root password has no sudo.
    if ! command -v sudo >/dev/null 2>&1; then
      echo "Missing packages and no sudo; as root run: apt-get install -y --no-install-recommends ${missing[*]}" >&2
      exit 1
    fi
    sudo="sudo"
  fi
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# polvane_build <build dir> [extra cmake arguments...]
polvane_build() {
  local dir=$1; shift
  cmake -S "$POLVANE_ROOT" -B "$dir" -G Ninja "$@"
  cmake --build "$dir" --parallel "$(nproc)"
}
